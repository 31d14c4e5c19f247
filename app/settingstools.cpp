#include "app/settingstools.h"

#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

#include <array>

namespace {

// Constants initialised at compile time, so that a call that comes before this file's static
// initialisers still finds them.
constexpr QLatin1String imagePathKey("/folder/last_image_path");
constexpr QLatin1String savePathKey("/folder/last_save_path");
constexpr QLatin1String languageKey("/language/value");
constexpr int noLanguage = -1;
constexpr QLatin1String thermalOnOpenKey("/display/thermal_on_open");
constexpr QLatin1String measurementsKey("/view/measurements");
constexpr QLatin1String rangeLowKey("/display/range_low");
constexpr QLatin1String rangeHighKey("/display/range_high");

struct KeptKeys
{
    QLatin1String keep;
    QLatin1String value;
};
// In the order of SettingsTools::Kept.
constexpr std::array<KeptKeys, 3> keptKeys = { {
  { QLatin1String("/display/keep_unit"), QLatin1String("/display/unit") },
  { QLatin1String("/display/keep_palette"), QLatin1String("/display/palette") },
  { QLatin1String("/display/keep_range_mode"), QLatin1String("/display/range_mode") },
} };

// Created before main, so the relative name resolves against the directory the program started
// in. Never deleted: Qt writes the changes back on its own from the event loop.
QSettings* const settings = new QSettings(QStringLiteral("./Korvex.ini"), QSettings::IniFormat);

struct LanguageEntry
{
    QLocale::Language language;
    int index;
};

// Tested in this order; any other language selects English.
constexpr std::array<LanguageEntry, 8> localeLanguages = { {
  { QLocale::Chinese, 0 },
  { QLocale::German, 2 },
  { QLocale::French, 3 },
  { QLocale::Italian, 4 },
  { QLocale::Spanish, 5 },
  { QLocale::Japanese, 6 },
  { QLocale::Russian, 7 },
  { QLocale::Korean, 8 },
} };

} // namespace

QString SettingsTools::getLastImagePath()
{
    return folder(imagePathKey);
}

void SettingsTools::setLastImagePath(const QString& folder)
{
    setValue(imagePathKey, folder);
}

QString SettingsTools::getLastSavePath()
{
    return folder(savePathKey);
}

void SettingsTools::setLastSavePath(const QString& folder)
{
    setValue(savePathKey, folder);
}

int SettingsTools::getLanguage()
{
    if (!settings)
        return noLanguage;
    return settings->value(QString(languageKey), noLanguage).toInt();
}

void SettingsTools::setLanguage(unsigned index)
{
    if (index < unsigned(languageCount))
        setValue(languageKey, int(index));
}

int SettingsTools::languageForLocale(const QLocale& locale)
{
    for (const LanguageEntry& entry : localeLanguages) {
        if (locale.language() == entry.language)
            return entry.index;
    }
    return englishLanguage;
}

int SettingsTools::startupLanguage()
{
    const int stored = getLanguage();
    if (stored != noLanguage)
        return stored;
    const int detected = languageForLocale(QLocale());
    setLanguage(unsigned(detected));
    return detected;
}

QString SettingsTools::translationFile(int index)
{
    static constexpr std::array<const char*, languageCount> names = {
        "chinese", "english",  "german",  "french", "italian",
        "spanish", "japanese", "russian", "korean",
    };
    if (index < 0 || index >= languageCount)
        return QString();
    return QStringLiteral(":/language/res/language/%1.qm")
      .arg(QLatin1String(names.at(std::size_t(index))));
}

bool SettingsTools::keepsForAll(Kept choice)
{
    return settings && settings->value(QString(keptKeys.at(std::size_t(choice)).keep)).toBool();
}

void SettingsTools::setKeepsForAll(Kept choice, bool keep)
{
    setValue(keptKeys.at(std::size_t(choice)).keep, keep);
}

int SettingsTools::keptValue(Kept choice, int fallback)
{
    if (!settings)
        return fallback;
    bool number = false;
    const int value =
      settings->value(QString(keptKeys.at(std::size_t(choice)).value)).toInt(&number);
    return number ? value : fallback;
}

void SettingsTools::setKeptValue(Kept choice, int value)
{
    setValue(keptKeys.at(std::size_t(choice)).value, value);
}

bool SettingsTools::keptRangeEnds(double& low, double& high)
{
    if (!settings)
        return false;
    bool lowRead = false;
    bool highRead = false;
    const double storedLow = settings->value(QString(rangeLowKey)).toDouble(&lowRead);
    const double storedHigh = settings->value(QString(rangeHighKey)).toDouble(&highRead);
    // A hand-edited file may hold ends no range can have.
    if (!lowRead || !highRead || !(storedHigh > storedLow))
        return false;
    low = storedLow;
    high = storedHigh;
    return true;
}

void SettingsTools::setKeptRangeEnds(double low, double high)
{
    setValue(rangeLowKey, low);
    setValue(rangeHighKey, high);
}

bool SettingsTools::measurementsShown()
{
    return settings && settings->value(QString(measurementsKey)).toBool();
}

void SettingsTools::setMeasurementsShown(bool shown)
{
    setValue(measurementsKey, shown);
}

bool SettingsTools::thermalOnOpen()
{
    return settings && settings->value(QString(thermalOnOpenKey)).toBool();
}

void SettingsTools::setThermalOnOpen(bool thermal)
{
    setValue(thermalOnOpenKey, thermal);
}

QString SettingsTools::folder(QLatin1String key)
{
    if (!settings)
        return QString();
    const QString stored = settings->value(QString(key)).toString();
    if (!stored.isEmpty())
        return stored;
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

void SettingsTools::setValue(QLatin1String key, const QVariant& value)
{
    if (settings)
        settings->setValue(QString(key), value);
}
