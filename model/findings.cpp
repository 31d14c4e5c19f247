#include "model/findings.h"

#include "model/imagedrawpath.h"

#include <QJsonArray>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

const QString referenceKey = QStringLiteral("reference");
const QString criterionKeyName = QStringLiteral("criterion");
const QString shapesKey = QStringLiteral("shapes");
const QString ambientName = QStringLiteral("ambient");
const QString similarName = QStringLiteral("similar");

bool isWholeIndex(double value, int count)
{
    return value >= 0 && value < count && value == double(int(value));
}

} // namespace

bool MeasurementSettings::operator==(const MeasurementSettings& other) const
{
    return reference == other.reference && criterion == other.criterion &&
           (reference != Reference::Shape || shape == other.shape);
}

void MeasurementSettings::shapeRemoved(int index)
{
    if (reference != Reference::Shape || index < 0)
        return;
    if (index == shape) {
        reference = Reference::None;
        shape = -1;
    } else if (index < shape) {
        --shape;
    }
}

QString MeasurementSettings::key()
{
    return QStringLiteral("table");
}

QJsonObject MeasurementSettings::toJson(const MeasurementSettings& settings,
                                        const QList<ImageDrawPath>& shapes)
{
    // Indices are places among the file's records, where a reader will find the shapes.
    const QVector<int> places = storedPlaces(shapes);
    QJsonValue reference(QJsonValue::Null);
    if (settings.reference == Reference::Ambient)
        reference = ambientName;
    else if (settings.reference == Reference::Shape && settings.shape >= 0 &&
             settings.shape < shapes.size() && places.at(settings.shape) >= 0)
        reference = places.at(settings.shape);
    QJsonArray list;
    for (int i = 0; i < shapes.size(); ++i) {
        if (places.at(i) < 0)
            continue;
        QJsonObject entry{ { QStringLiteral("index"), places.at(i) },
                           { QStringLiteral("name"), shapes.at(i).name } };
        if (!shapes.at(i).note.isEmpty())
            entry.insert(QStringLiteral("note"), shapes.at(i).note);
        list.append(entry);
    }
    return QJsonObject{ { referenceKey, reference },
                        { criterionKeyName, Findings::criterionKey(settings.criterion) },
                        { shapesKey, list } };
}

MeasurementSettings MeasurementSettings::fromJson(const QJsonValue& value, int shapeCount)
{
    MeasurementSettings settings;
    const QJsonObject object = value.toObject();
    const QJsonValue reference = object.value(referenceKey);
    if (reference.isString() && reference.toString() == ambientName) {
        settings.reference = Reference::Ambient;
    } else if (reference.isDouble() && isWholeIndex(reference.toDouble(), shapeCount)) {
        settings.reference = Reference::Shape;
        settings.shape = int(reference.toDouble());
    }
    if (object.value(criterionKeyName).toString() == ambientName)
        settings.criterion = Criterion::OverAmbient;
    return settings;
}

void MeasurementSettings::shapesFromJson(const QJsonValue& value, QList<ImageDrawPath>& shapes)
{
    const QJsonArray list = value.toObject().value(shapesKey).toArray();
    for (const QJsonValue& item : list) {
        const QJsonObject entry = item.toObject();
        const double index = entry.value(QStringLiteral("index")).toDouble(-1);
        if (!isWholeIndex(index, shapes.size()))
            continue;
        ImageDrawPath& shape = shapes[int(index)];
        const QString name = entry.value(QStringLiteral("name")).toString();
        // A name that would not survive being typed in is not taken from a file either.
        if (!name.isEmpty() && name.size() <= ShapeNames::longestName &&
            ShapeNames::cleanName(name) == name)
            shape.name = name;
        shape.note = ShapeNames::cleanNote(entry.value(QStringLiteral("note")).toString());
    }
}

void MeasurementSettings::store(QJsonObject& extension,
                                const MeasurementSettings& settings,
                                const QList<ImageDrawPath>& shapes)
{
    // The names a reader would give the shapes as the file will hold them, without a table.
    const QVector<int> places = storedPlaces(shapes);
    QList<ImageDrawPath> stored;
    for (int i = 0; i < shapes.size(); ++i) {
        if (places.at(i) >= 0)
            stored.append(shapes.at(i));
    }
    QList<ImageDrawPath> named = stored;
    std::stable_sort(
      named.begin(), named.end(), [](const ImageDrawPath& a, const ImageDrawPath& b) {
          return a.type < b.type;
      });
    std::stable_sort(
      stored.begin(), stored.end(), [](const ImageDrawPath& a, const ImageDrawPath& b) {
          return a.type < b.type;
      });
    bool notes = false;
    for (ImageDrawPath& shape : named) {
        notes = notes || !shape.note.isEmpty();
        shape.name.clear();
    }
    ShapeNames::assign(named);
    bool defaultNames = true;
    for (int i = 0; i < stored.size() && defaultNames; ++i)
        defaultNames = stored.at(i).name == named.at(i).name;
    // A file whose table says nothing new keeps its block as it was before tables existed.
    if (settings == MeasurementSettings() && !notes && defaultNames)
        extension.remove(key());
    else
        extension.insert(key(), toJson(settings, shapes));
}

Severity Findings::classify(double kelvin, Criterion criterion)
{
    if (std::isnan(kelvin))
        return Severity::NotRated;
    // Tenths as shown; comparing whole tenths keeps 3.0 from reading as 3.0000001.
    const double tenths = std::round(kelvin * 10);
    if (tenths < 10)
        return Severity::NoDeficiency;
    if (criterion == Criterion::OverAmbient) {
        if (tenths <= 100)
            return Severity::Priority4;
        if (tenths <= 200)
            return Severity::Priority3;
        if (tenths <= 400)
            return Severity::Priority2;
        return Severity::Priority1;
    }
    if (tenths <= 30)
        return Severity::Possible;
    if (tenths <= 150)
        return Severity::Probable;
    return Severity::Major;
}

QString Findings::key(Severity severity)
{
    switch (severity) {
        case Severity::NotRated:
            return QString();
        case Severity::NoDeficiency:
            return QStringLiteral("none");
        case Severity::Possible:
            return QStringLiteral("possible");
        case Severity::Probable:
            return QStringLiteral("probable");
        case Severity::Major:
            return QStringLiteral("major");
        case Severity::Priority4:
            return QStringLiteral("priority_4");
        case Severity::Priority3:
            return QStringLiteral("priority_3");
        case Severity::Priority2:
            return QStringLiteral("priority_2");
        case Severity::Priority1:
            return QStringLiteral("priority_1");
    }
    return QString();
}

QString Findings::text(Severity severity)
{
    switch (severity) {
        case Severity::NotRated:
            return QString();
        case Severity::NoDeficiency:
            return QStringLiteral("no deficiency");
        case Severity::Possible:
            return QStringLiteral("possible deficiency, investigate");
        case Severity::Probable:
            return QStringLiteral("probable deficiency, repair as time permits");
        case Severity::Major:
            return QStringLiteral("major discrepancy, repair immediately");
        case Severity::Priority4:
            return QStringLiteral("priority 4, repair at the next maintenance");
        case Severity::Priority3:
            return QStringLiteral("priority 3, repair as scheduling permits");
        case Severity::Priority2:
            return QStringLiteral("priority 2, repair as soon as possible");
        case Severity::Priority1:
            return QStringLiteral("priority 1, repair immediately");
    }
    return QString();
}

QList<Severity> Findings::classesOf(Criterion criterion)
{
    if (criterion == Criterion::OverAmbient)
        return {
            Severity::Priority4, Severity::Priority3, Severity::Priority2, Severity::Priority1
        };
    return { Severity::Possible, Severity::Probable, Severity::Major };
}

QString Findings::criterionKey(Criterion criterion)
{
    return criterion == Criterion::OverAmbient ? ambientName : similarName;
}

double Findings::differenceIn(double kelvin, int unit)
{
    switch (unit) {
        case 0:
        case 2:
            return kelvin;
        case 1:
            return kelvin * 1.8;
        default:
            return std::nan("");
    }
}

QString ShapeNames::prefix(int kind)
{
    static const char* const prefixes[] = { "Sp", "Li", "Bx", "El" };
    return kind >= 0 && kind <= 3 ? QString::fromLatin1(prefixes[kind]) : QStringLiteral("Sh");
}

void ShapeNames::assign(QList<ImageDrawPath>& shapes)
{
    QSet<QString> taken;
    for (const ImageDrawPath& shape : shapes) {
        if (!shape.name.isEmpty())
            taken.insert(shape.name);
    }
    for (ImageDrawPath& shape : shapes) {
        if (!shape.name.isEmpty())
            continue;
        const QString first = prefix(shape.type);
        int number = 1;
        while (taken.contains(first + QString::number(number)))
            ++number;
        shape.name = first + QString::number(number);
        taken.insert(shape.name);
    }
}

QString ShapeNames::cleanName(const QString& typed)
{
    QString name = typed;
    for (QChar& c : name) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    name = name.trimmed().left(longestName);
    // Cutting may split a surrogate pair or leave a space at the end.
    if (!name.isEmpty() && name.at(name.size() - 1).isHighSurrogate())
        name.chop(1);
    return name.trimmed();
}

QString ShapeNames::cleanNote(const QString& typed)
{
    QString note = typed.left(longestNote);
    if (!note.isEmpty() && note.at(note.size() - 1).isHighSurrogate())
        note.chop(1);
    return note;
}
