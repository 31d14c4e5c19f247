#pragma once

#include "model/objectparameters.h"
#include "model/pathpoint.h"
#include "model/photographcodes.h"

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QPainterPath>
#include <QString>
#include <QVector>

#include <limits>

// One measurement shape. Points by index: 0 start, 1 end, 2 spare, 3 maximum, 4 minimum.
class ImageDrawPath : public QObject
{
    Q_OBJECT
public:
    static constexpr int pointCount = 5;

    explicit ImageDrawPath(QObject* parent = nullptr);
    ImageDrawPath(const ImageDrawPath& other);
    ImageDrawPath& operator=(const ImageDrawPath& other);

    ShapeKind kind() const { return ShapeKind(type); }
    void setKind(ShapeKind kind) { type = int(kind); }
    PathPoint& point(PointRole role) { return points[int(role)]; }
    const PathPoint& point(PointRole role) const { return points[int(role)]; }

    int type = 0;
    QPainterPath path;
    PathPoint points[pointCount];
    // The mean of the cells the shape covers in ℃ and how many there are, from its latest
    // measurement; files keep neither, so a shape read from one has no mean (NaN) until it is
    // measured.
    float mean = std::numeric_limits<float>::quiet_NaN();
    int cells = 0;
    // A surface of its own emissivity and reflection, overriding the photograph's for this shape
    // alone; the air stays the photograph's. Kept in Korvex's block, not in the shape block.
    bool ownParameters = false;
    double emissivity = 0.95;
    double reflected = 20;
    // What the measurement table calls the shape ("Sp1", or what the user typed) and the user's
    // note on it; kept in Korvex's block, given anew where a file has none.
    QString name;
    QString note;

    // The photograph's parameters with the shape's own in place.
    ObjectParameters parametersOver(const ObjectParameters& photograph) const;
};

// Where each shape of a list lands among a file's shape records, which keep the points, lines,
// rectangles and ovals each in a group of their own, in that order, and at most 65535 to a
// group: its place in the list a reader gives back, or −1 for a shape the file cannot keep.
// What Korvex's block says of a shape by index must use these places, not the list's.
QVector<int> storedPlaces(const QList<ImageDrawPath>& shapes);

Q_DECLARE_METATYPE(ImageDrawPath)
