#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// The families of the program's font, in order. Qt draws a script's run, the symbols in it
// included, in the first family that has the script; left to fontconfig, Hangul text went to
// WenQuanYi Micro Hei, which claims ℃ and ℉ but draws them empty, so "섭씨(℃)" lost its sign.
// The platform's own family stays first, so Latin and Cyrillic text look as they always have;
// DejaVu Sans, whose ℃ and ℉ are drawn, comes before the CJK family for every script.
class ApplicationFont : public QObject
{
    Q_OBJECT
public:
    ApplicationFont() = delete;

    static QStringList families(const QString& platformFamily);
    // Sets the font on the application; the same for every language, so that no widget is left
    // with the font of another language.
    static void apply();
};
