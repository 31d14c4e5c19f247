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
