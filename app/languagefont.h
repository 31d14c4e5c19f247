#pragma once

#include <QFont>
#include <QObject>
#include <QString>
#include <QStringList>

// The window's font for a language. Qt draws a script's whole run, the symbols in it included,
// in the first family of the font that has the script, and fontconfig's choice for Chinese,
// Japanese and Korean text then depends on the system's language rather than the window's: with
// the fonts the set-up installs, Hanzi could come out as Korean Hanja, or Hangul in WenQuanYi
// Micro Hei, whose ℃ and ℉ are empty outlines. Naming the families settles it.
class LanguageFont : public QObject
{
    Q_OBJECT
public:
    LanguageFont() = delete;

    static constexpr int koreanLanguage = 8;

    // The families in order for a language index: the platform's own family first, so Latin and
    // Cyrillic text look as they always have, then the CJK families for the language.
    static QStringList families(const QString& platformFamily, int language);
    // The application font for a language, set on the application.
    static void apply(int language);
};
