#pragma once

#include "model/findings.h"
#include "model/imagedrawpath.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QVector>

class ImageEntity;

// One line of a photograph's measurement table. Temperatures are in ℃ as shown: through the
// photograph's object parameters, or the shape's own. NaN stands for a value there is none of
// ("N.A"): a figure without a cell that has a temperature, a minimum or mean of a point, a
// difference without a reference.
struct MeasurementRow
{
    enum class Role
    {
        Hottest,
        Coldest,
        Centre,
        Shape,
    };
    Role role = Role::Shape;
    // The shape's place in the list; −1 for the photograph's own rows.
    int shape = -1;
    QString name;
    // The shape's kind; only for shape rows.
    ShapeKind kind = ShapeKind::Point;
    double maximum = qQNaN();
    double minimum = qQNaN();
    double mean = qQNaN();
    // The photograph's rows: the matrix cell they are read at (−1, −1 where the matrix is
    // missing and the camera's figures stand in).
    QPoint cell{ -1, -1 };
    // Covered cells with a temperature, and without one; the share of the picture's cells the
    // shape covers, for rectangles and ovals only (NaN otherwise).
    int cells = 0;
    int unknownCells = 0;
    double share = qQNaN();
    // The shape's own emissivity, NaN where it takes the photograph's.
    double emissivity = qQNaN();
    // Maximum − reference in kelvin, and its class by the photograph's criterion.
    double difference = qQNaN();
    Severity severity = Severity::NotRated;
    bool isReference = false;
    QString note;
};

// The table of a photograph: its hottest, coldest and centre cell, then one row per shape in
// the order of the list. Shapes are measured anew on the matrix by RegionMeasure's cell rule;
// with no matrix the stored extremes of a shape stand in and it has no mean or size.
class MeasurementTable
{
public:
    MeasurementTable() = delete;

    static QVector<MeasurementRow> rows(const ImageEntity& photo,
                                        const QList<ImageDrawPath>& shapes,
                                        const MeasurementSettings& settings);
    // The photograph's own shapes and settings.
    static QVector<MeasurementRow> rows(const ImageEntity& photo);

    // The temperature a row's maximum is compared with, in ℃: the reference shape's maximum as
    // shown, or the photograph's reflected temperature in force; NaN without a reference or
    // when the reference shape has no temperature.
    static double reference(const ImageEntity& photo,
                            const QList<ImageDrawPath>& shapes,
                            const MeasurementSettings& settings);

    // How many shapes fall in each class of deficiency of the criterion, mildest first, as
    // Findings::classesOf() lists them.
    static QVector<int> findings(const QVector<MeasurementRow>& rows, Criterion criterion);
};
