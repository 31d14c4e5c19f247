#include "app/applicationfont.h"

#include <QApplication>
#include <QFont>
#include <QFontInfo>

QStringList ApplicationFont::families(const QString& platformFamily)
{
    QStringList list{ platformFamily };
    for (const QString& family :
         { QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei") }) {
        if (!list.contains(family))
            list << family;
    }
    return list;
}

void ApplicationFont::apply()
{
    // Taken at the first call, so it is the platform's choice and not one made here.
    static const QFont platform = QApplication::font();
    QFont font = platform;
    font.setFamilies(families(QFontInfo(platform).family()));
    QApplication::setFont(font);
}
