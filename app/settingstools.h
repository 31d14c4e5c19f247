#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

class QLocale;

// The folders and the language remembered between runs, in "Korvex.ini" in the working directory
// the process started in. Without the settings object (a call from another static initialiser
// that runs before this file's) the getters give empty folders and language -1, and the setters
// do nothing.
class SettingsTools : public QObject
{
    Q_OBJECT
public:
    static constexpr int languageCount = 9;
    static constexpr int englishLanguage = 1;

    SettingsTools() = delete;

    // The stored folder, or the desktop folder when none is stored.
    static QString getLastImagePath();
    static void setLastImagePath(const QString& folder);
    static QString getLastSavePath();
    static void setLastSavePath(const QString& folder);
    // The stored language index, -1 when none is stored; a hand-edited value is returned as read.
    static int getLanguage();
    // Indexes from languageCount up are not stored.
    static void setLanguage(unsigned index);

    // A display choice that can be kept for every photograph opened, instead of the one its file
    // stores.
    enum class Kept
    {
        Unit,
        Palette,
        RangeMode,
    };
    static bool keepsForAll(Kept choice);
    static void setKeepsForAll(Kept choice, bool keep);
    // The value kept, fallback when none is stored.
    static int keptValue(Kept choice, int fallback);
    static void setKeptValue(Kept choice, int value);
    // The ends of a manual range kept with it, in ℃; false when none are stored.
    static bool keptRangeEnds(double& low, double& high);
    static void setKeptRangeEnds(double low, double high);
    // Whether the measurement table is shown under the photograph.
    static bool measurementsShown();
    static void setMeasurementsShown(bool shown);
    // Whether photographs whose file stores a blend of 0 open showing the thermal picture.
    static bool thermalOnOpen();
    static void setThermalOnOpen(bool thermal);

    // The language a first run starts in: the index of the locale's language, English for a
    // language the program does not speak.
    static int languageForLocale(const QLocale& locale);
    // The stored language; on a first run the default locale's, stored at once.
    static int startupLanguage();
    // The translation resource of a language index, empty outside 0 to languageCount - 1.
    static QString translationFile(int index);

private:
    static QString folder(QLatin1String key);
    static void setValue(QLatin1String key, const QVariant& value);
};
