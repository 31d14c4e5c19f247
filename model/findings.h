#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

class ImageDrawPath;

// How a temperature difference is judged, after the maintenance testing criteria of the
// InterNational Electrical Testing Association: against a similar component under a similar
// load, or against the surroundings.
enum class Criterion : int
{
    SimilarComponents = 0,
    OverAmbient = 1,
};

// The class of a difference. Each criterion has its own classes, so that a count of findings
// never mixes them.
enum class Severity : int
{
    // No difference to judge: no reference, or no temperature on either side.
    NotRated = 0,
    NoDeficiency,
    // Similar components: 1–3, 4–15, above 15 K.
    Possible,
    Probable,
    Major,
    // Over ambient: 1–10, 11–20, 21–40, above 40 K; priority 1 is the most urgent.
    Priority4,
    Priority3,
    Priority2,
    Priority1,
};

// What the measurement table of a photograph compares against, kept in Korvex's block.
struct MeasurementSettings
{
    enum class Reference
    {
        None,
        // One of the shapes, by its place in the list.
        Shape,
        // The reflected temperature the photograph is shown with.
        Ambient,
    };
    Reference reference = Reference::None;
    int shape = -1;
    Criterion criterion = Criterion::SimilarComponents;

    bool operator==(const MeasurementSettings& other) const;
    bool operator!=(const MeasurementSettings& other) const { return !(*this == other); }

    // Keeps a shape reference on the same shape when the one at index is taken out of the list;
    // when the reference itself goes, there is none.
    void shapeRemoved(int index);

    // The key of Korvex's block that holds the table: {"reference": i | "ambient" | null,
    // "criterion": "similar" | "ambient", "shapes": [{"index": i, "name": n, "note": t}, …]}.
    static QString key();
    // The settings and the shapes' names and notes. A shape reference outside the shapeCount
    // shapes, or anything damaged, reads as no reference.
    static QJsonObject toJson(const MeasurementSettings& settings,
                              const QList<ImageDrawPath>& shapes);
    static MeasurementSettings fromJson(const QJsonValue& value, int shapeCount);
    // Names and notes onto the shapes by their place; names too long or blank are left out and
    // the shape is named anew.
    static void shapesFromJson(const QJsonValue& value, QList<ImageDrawPath>& shapes);
    // Puts the table into an extension block, or takes it out when it holds nothing a default
    // table would not give back: no reference, the first criterion, default names, no notes.
    static void store(QJsonObject& extension,
                      const MeasurementSettings& settings,
                      const QList<ImageDrawPath>& shapes);
};

namespace Findings {

// The class of a difference in kelvin (or ℃, the same step) by a criterion. The bands are
// whole kelvins, but differences are shown to a tenth: a difference is classed as it is shown,
// rounded to the nearest tenth, and a band runs up to and including its upper whole number. So
// 3.0 is still a possible deficiency and 3.1 already a probable one, 15.0 probable and 15.1
// major; over ambient 10.0, 20.0 and 40.0 stay in the lower band. Below 1.0 (and any negative
// difference) there is no deficiency; a NaN difference is not rated.
Severity classify(double kelvin, Criterion criterion);
// A short key for files and scripts ("possible", "priority_2", …); empty when not rated.
QString key(Severity severity);
// What the class asks for, in English.
QString text(Severity severity);
// All the classes of deficiency of a criterion, mildest first.
QList<Severity> classesOf(Criterion criterion);
QString criterionKey(Criterion criterion);

// A difference of temperature in kelvin as a difference in a unit code: Fahrenheit degrees are
// 1.8 to a kelvin and have no offset to add. NaN for an unknown unit.
double differenceIn(double kelvin, int unit);

} // namespace Findings

// Names shown for shapes: Sp for points, Li for lines, Bx for rectangles, El for ovals, with a
// number.
namespace ShapeNames {

constexpr int longestName = 40;
constexpr int longestNote = 2000;

QString prefix(int kind);
// Gives every shape without a name the lowest number of its kind not taken by any shape's
// name, in the order of the list, so that shapes read from a file are numbered in the order
// they were drawn. Named shapes keep their names.
void assign(QList<ImageDrawPath>& shapes);
// A name the user typed, made safe to show and to write as one field: line breaks and other
// control characters become spaces, the ends are trimmed, and it is cut to longestName.
// Empty when nothing is left, which means the shape is to be named anew.
QString cleanName(const QString& typed);
// A note cut to longestNote; line breaks are kept.
QString cleanNote(const QString& typed);

} // namespace ShapeNames
