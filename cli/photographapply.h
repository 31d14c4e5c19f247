#pragma once

#include "cli/objectoptions.h"
#include "model/temperaturerange.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Settings written into photographs without the window, by the window's own writer: the palette
// and unit into the device block, the range, isotherm and object parameters into Korvex's block.
// The camera's data stay as they are: the picture in front, the Screen and Camera pictures, both
// matrices and the device block but for its palette and unit fields.
class PhotographApply
{
public:
    struct Settings
    {
        ObjectOptions object;
        std::optional<int> palette;
        std::optional<int> unit;
        std::optional<TemperatureRange> range;
        std::optional<Isotherm> isotherm;

        bool isEmpty() const
        {
            return object.isEmpty() && !palette && !unit && !range && !isotherm;
        }
    };

    PhotographApply() = delete;

    // The photograph's bytes with the settings in them. False with the reason in error when the
    // bytes are not a photograph the writer takes.
    static bool apply(const QByteArray& source,
                      const Settings& settings,
                      QByteArray& result,
                      QString& error);
    // The same from the file at source to the file at target, which may be the source itself. The
    // target is replaced only once the whole file is written; on any failure it is as it was.
    static bool apply(const QString& source,
                      const QString& target,
                      const Settings& settings,
                      QString& error);
};
