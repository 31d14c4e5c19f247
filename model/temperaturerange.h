#pragma once

#include <QJsonObject>
#include <QRgb>

#include <limits>

// How the temperatures of a photograph are spread over the palette.
struct TemperatureRange
{
    enum Mode
    {
        // The camera's gray matrix through the palette, as the file stores it.
        Camera = 0,
        // Linear between the matrix's coldest and hottest cell.
        Auto = 1,
        // Each temperature by its rank among the matrix's cells, large uniform areas capped.
        Histogram = 2,
        // Linear between low and high, set by the user.
        Manual = 3,
    };

    Mode mode = Camera;
    // In ℃; only Manual reads them.
    double low = 0;
    double high = 0;
    // Kept for the photographs opened next; only a manual range is held. Not part of what
    // renders, so equality leaves it out.
    bool held = false;

    // As Korvex's block in a file keeps it; anything unknown or damaged reads as Camera.
    QJsonObject toJson() const;
    static TemperatureRange fromJson(const QJsonValue& value);

    // A temperature given in a unit (0 Celsius, 1 Fahrenheit, 2 Kelvin) in ℃, for ends and limits
    // typed in the unit on show; NaN for another unit.
    static double celsiusFrom(double value, int unit)
    {
        switch (unit) {
            case 0:
                return value;
            case 1:
                return (value - 32.0) / 1.8;
            case 2:
                return value - 273.15;
            default:
                return std::numeric_limits<double>::quiet_NaN();
        }
    }

    bool operator==(const TemperatureRange& other) const
    {
        return mode == other.mode && low == other.low && high == other.high;
    }
    bool operator!=(const TemperatureRange& other) const { return !(*this == other); }
};

// The cells above a temperature, below one or between two, shown in a colour of their own.
struct Isotherm
{
    enum Kind
    {
        None = 0,
        Above = 1,
        Below = 2,
        Between = 3,
    };

    // A spring green at least 140 apart (as RGB distance) from every entry of every palette, so
    // it never reads as a temperature.
    static constexpr QRgb defaultColour = 0xff3cff6e;

    Kind kind = None;
    // In ℃: the limit of Above and Below, the two ends of Between in either order.
    double first = 0;
    double second = 0;
    QRgb colour = defaultColour;
    // Half transparent over the palette, else opaque.
    bool translucent = false;

    // Whether a cell of this temperature is shown in the isotherm's colour; limits included.
    bool covers(double celsius) const
    {
        switch (kind) {
            case Above:
                return celsius >= first;
            case Below:
                return celsius <= first;
            case Between:
                return celsius >= (first < second ? first : second) &&
                       celsius <= (first < second ? second : first);
            case None:
                break;
        }
        return false;
    }

    // As Korvex's block in a file keeps it; anything unknown or damaged reads as None.
    QJsonObject toJson() const;
    static Isotherm fromJson(const QJsonValue& value);

    bool operator==(const Isotherm& other) const
    {
        return kind == other.kind && first == other.first && second == other.second &&
               colour == other.colour && translucent == other.translucent;
    }
    bool operator!=(const Isotherm& other) const { return !(*this == other); }
};
