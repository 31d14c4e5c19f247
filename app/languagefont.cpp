#include "languagefont.h"

#include <QApplication>
#include <QFontInfo>

namespace {

const QString chineseFamily = QStringLiteral("WenQuanYi Micro Hei");
const QString koreanFamily = QStringLiteral("NanumGothic");

} // namespace

QStringList LanguageFont::families(const QString& platformFamily, int language)
{
    if (language == koreanLanguage)
        return { platformFamily, koreanFamily, chineseFamily };
    return { platformFamily, chineseFamily };
}

void LanguageFont::apply(int language)
{
    // Taken before the first change, so it is the platform's choice and not one made here.
    static const QFont platform = QApplication::font();
    static const QString platformFamily = QFontInfo(platform).family();
    QFont font = platform;
    font.setFamilies(families(platformFamily, language));
    QApplication::setFont(font);
}
