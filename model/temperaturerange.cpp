#include "model/temperaturerange.h"

#include <QColor>
#include <QJsonValue>
#include <QStringList>

#include <cmath>

namespace {

const QStringList modeNames{ QStringLiteral("camera"),
                             QStringLiteral("auto"),
                             QStringLiteral("histogram"),
                             QStringLiteral("manual") };
const QStringList kindNames{ QStringLiteral("none"),
                             QStringLiteral("above"),
                             QStringLiteral("below"),
                             QStringLiteral("between") };

// Temperatures a matrix of int16 tenths can hold, with room to spare; anything else in a file is
// damage, not a setting.
bool plausible(const QJsonValue& value)
{
    return value.isDouble() && std::abs(value.toDouble()) <= 10000.0;
}

} // namespace

QJsonObject TemperatureRange::toJson() const
{
    QJsonObject object{ { QStringLiteral("mode"), modeNames.value(int(mode)) } };
    if (mode == Manual) {
        object.insert(QStringLiteral("low"), low);
        object.insert(QStringLiteral("high"), high);
        object.insert(QStringLiteral("held"), held);
    }
    return object;
}

TemperatureRange TemperatureRange::fromJson(const QJsonValue& value)
{
    TemperatureRange range;
    const QJsonObject object = value.toObject();
    const int mode = modeNames.indexOf(object.value(QStringLiteral("mode")).toString());
    if (mode < 0)
        return range;
    if (mode == Manual) {
        const QJsonValue low = object.value(QStringLiteral("low"));
        const QJsonValue high = object.value(QStringLiteral("high"));
        if (!plausible(low) || !plausible(high) || !(high.toDouble() > low.toDouble()))
            return range;
        range.low = low.toDouble();
        range.high = high.toDouble();
        range.held = object.value(QStringLiteral("held")).toBool();
    }
    range.mode = Mode(mode);
    return range;
}

QJsonObject Isotherm::toJson() const
{
    QJsonObject object{ { QStringLiteral("kind"), kindNames.value(int(kind)) } };
    if (kind == None)
        return object;
    object.insert(QStringLiteral("first"), first);
    if (kind == Between)
        object.insert(QStringLiteral("second"), second);
    object.insert(QStringLiteral("colour"), QColor(colour).name());
    object.insert(QStringLiteral("translucent"), translucent);
    return object;
}

Isotherm Isotherm::fromJson(const QJsonValue& value)
{
    Isotherm isotherm;
    const QJsonObject object = value.toObject();
    const int kind = kindNames.indexOf(object.value(QStringLiteral("kind")).toString());
    if (kind <= 0)
        return isotherm;
    const QJsonValue first = object.value(QStringLiteral("first"));
    const QJsonValue second = object.value(QStringLiteral("second"));
    if (!plausible(first) || (kind == Between && !plausible(second)))
        return isotherm;
    const QColor colour(object.value(QStringLiteral("colour")).toString());
    isotherm.kind = Kind(kind);
    isotherm.first = first.toDouble();
    isotherm.second = kind == Between ? second.toDouble() : 0;
    if (colour.isValid())
        isotherm.colour = colour.rgb();
    isotherm.translucent = object.value(QStringLiteral("translucent")).toBool();
    return isotherm;
}
