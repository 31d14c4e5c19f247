// Draws the title icon and the command bar icons: toolicons <folder>. The committed pictures
// under res/icon/ come from this program. toolicons --application <folder> draws the title icon
// again at the sizes the desktop's icon theme takes, the committed res/desktop/icon-*.png.
//
// The command icons are white line drawings on a transparent ground, made to be read on the dark
// gray command bar and on the black of a selected button; the orange marks the spot a tool
// measures. They are drawn at the size the window shows them, so that no scaling blurs them.

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <vector>

namespace {

constexpr int commandSize = 35;
constexpr int titleSize = 40;
constexpr int applicationSizes[] = { 48, 128, 256 };
constexpr qreal stroke = 2.0;

const QColor lineColor(0xF2, 0xF3, 0xF5);
const QColor accentColor(0xFF, 0x8A, 0x1F);

QPen linePen(const QColor& color = lineColor, qreal width = stroke)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawPoint(QPainter& painter)
{
    const QPointF centre(17.5, 17.5);
    painter.setPen(linePen());
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 7.0, 7.0);
    // The cross hairs stop short of the ring, so that the spot inside stays clear.
    const qreal inner = 3.0;
    const qreal outer = 11.5;
    painter.drawLine(QPointF(centre.x(), centre.y() - outer),
                     QPointF(centre.x(), centre.y() - inner - 1.5));
    painter.drawLine(QPointF(centre.x(), centre.y() + inner + 1.5),
                     QPointF(centre.x(), centre.y() + outer));
    painter.drawLine(QPointF(centre.x() - outer, centre.y()),
                     QPointF(centre.x() - inner - 1.5, centre.y()));
    painter.drawLine(QPointF(centre.x() + inner + 1.5, centre.y()),
                     QPointF(centre.x() + outer, centre.y()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(accentColor);
    painter.drawEllipse(centre, 2.2, 2.2);
}

void drawEndPoint(QPainter& painter, const QPointF& centre)
{
    painter.setPen(linePen());
    painter.setBrush(accentColor);
    painter.drawEllipse(centre, 3.0, 3.0);
}

void drawLine(QPainter& painter)
{
    const QPointF start(9.0, 26.0);
    const QPointF end(26.0, 9.0);
    painter.setPen(linePen());
    painter.drawLine(start, end);
    drawEndPoint(painter, start);
    drawEndPoint(painter, end);
}

void drawCornerHandles(QPainter& painter, const QRectF& rect)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(accentColor);
    const qreal half = 2.5;
    for (const QPointF& corner :
         { rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight() })
        painter.drawRect(QRectF(corner.x() - half, corner.y() - half, 2 * half, 2 * half));
}

void drawRect(QPainter& painter)
{
    // Whole-pixel edges keep the two pixel wide sides sharp.
    const QRectF rect(8.0, 10.0, 19.0, 15.0);
    painter.setPen(linePen());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect);
    drawCornerHandles(painter, rect);
}

void drawOval(QPainter& painter)
{
    const QRectF rect(7.5, 10.5, 20.0, 14.0);
    painter.setPen(linePen());
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(rect);
    painter.setPen(Qt::NoPen);
    painter.setBrush(accentColor);
    painter.drawEllipse(rect.center(), 2.2, 2.2);
}

void drawFree(QPainter& painter)
{
    QPainterPath path(QPointF(7.5, 22.0));
    path.cubicTo(QPointF(9.5, 13.0), QPointF(14.0, 12.0), QPointF(16.0, 17.5));
    path.cubicTo(QPointF(18.0, 23.0), QPointF(22.5, 23.5), QPointF(24.5, 16.0));
    path.cubicTo(QPointF(25.2, 13.5), QPointF(26.0, 12.0), QPointF(27.5, 11.0));
    painter.setPen(linePen());
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    drawEndPoint(painter, QPointF(27.5, 11.0));
}

void drawBack(QPainter& painter)
{
    // An arrow that turns back to the left: the last shape is taken away.
    QPainterPath path(QPointF(10.0, 14.0));
    path.lineTo(QPointF(20.0, 14.0));
    path.cubicTo(QPointF(24.5, 14.0), QPointF(27.0, 17.0), QPointF(27.0, 20.5));
    path.cubicTo(QPointF(27.0, 24.0), QPointF(24.5, 27.0), QPointF(20.0, 27.0));
    path.lineTo(QPointF(15.0, 27.0));
    painter.setPen(linePen());
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    QPainterPath head(QPointF(14.5, 9.0));
    head.lineTo(QPointF(9.5, 14.0));
    head.lineTo(QPointF(14.5, 19.0));
    painter.drawPath(head);
}

void drawClear(QPainter& painter)
{
    painter.setPen(linePen());
    painter.setBrush(Qt::NoBrush);
    // Lid and handle.
    painter.drawLine(QPointF(8.5, 11.0), QPointF(26.5, 11.0));
    QPainterPath handle(QPointF(14.0, 11.0));
    handle.lineTo(QPointF(14.0, 8.0));
    handle.lineTo(QPointF(21.0, 8.0));
    handle.lineTo(QPointF(21.0, 11.0));
    painter.drawPath(handle);
    // Body, narrowing toward the bottom.
    QPainterPath body(QPointF(10.5, 11.0));
    body.lineTo(QPointF(12.0, 27.5));
    body.lineTo(QPointF(23.0, 27.5));
    body.lineTo(QPointF(24.5, 11.0));
    painter.drawPath(body);
    painter.drawLine(QPointF(15.0, 15.0), QPointF(15.0, 23.5));
    painter.drawLine(QPointF(20.0, 15.0), QPointF(20.0, 23.5));
}

// A thermometer on a tile shaded like an iron palette, cold at the bottom, hot at the top.
void drawTitle(QPainter& painter)
{
    const QRectF tile(1.0, 1.0, 38.0, 38.0);
    QLinearGradient shade(tile.bottomLeft(), tile.topRight());
    shade.setColorAt(0.0, QColor(0x1B, 0x0C, 0x5E));
    shade.setColorAt(0.4, QColor(0x9C, 0x16, 0x7A));
    shade.setColorAt(0.75, QColor(0xF0, 0x5A, 0x1E));
    shade.setColorAt(1.0, QColor(0xFF, 0xD2, 0x3F));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawRoundedRect(tile, 8.0, 8.0);

    const QPointF bulb(20.0, 28.0);
    const qreal bulbRadius = 5.5;
    const qreal tubeHalf = 3.0;
    QPainterPath glass;
    glass.addRoundedRect(QRectF(bulb.x() - tubeHalf, 7.0, 2 * tubeHalf, 20.0), tubeHalf, tubeHalf);
    glass.addEllipse(bulb, bulbRadius, bulbRadius);
    glass = glass.simplified();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(linePen(Qt::white, 2.2));
    painter.drawPath(glass);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(bulb, 3.2, 3.2);
    painter.drawRoundedRect(QRectF(bulb.x() - 1.2, 13.0, 2.4, 14.0), 1.2, 1.2);
    // Scale marks to the right of the tube.
    painter.setPen(linePen(Qt::white, 1.6));
    for (const qreal y : { 11.0, 15.0, 19.0 })
        painter.drawLine(QPointF(25.5, y), QPointF(28.5, y));
}

// The title icon's drawing, made for 40 pixels, scaled as a drawing so that every size is sharp.
void drawApplication(QPainter& painter, int size)
{
    painter.scale(size / qreal(titleSize), size / qreal(titleSize));
    drawTitle(painter);
}

QImage iconImage(int size, const std::function<void(QPainter&)>& draw)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

struct Icon
{
    const char* name;
    int size;
    std::function<void(QPainter&)> draw;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream errors(stderr);
    const QStringList arguments = application.arguments();
    const bool applicationIcons =
      arguments.size() == 3 && arguments.at(1) == QLatin1String("--application");
    if (arguments.size() != 2 && !applicationIcons) {
        errors << "usage: toolicons <folder>\n       toolicons --application <folder>\n";
        return 2;
    }
    if (applicationIcons) {
        const QDir folder(arguments.at(2));
        for (const int size : applicationSizes) {
            const QString path = folder.filePath(QStringLiteral("icon-%1.png").arg(size));
            const auto draw = [size](QPainter& painter) { drawApplication(painter, size); };
            if (!iconImage(size, draw).save(path, "PNG")) {
                errors << "cannot write " << path << '\n';
                return 1;
            }
        }
        return 0;
    }
    const std::vector<Icon> icons = {
        { "title_icon", titleSize, drawTitle }, { "menu_point", commandSize, drawPoint },
        { "menu_line", commandSize, drawLine }, { "menu_rect", commandSize, drawRect },
        { "menu_oval", commandSize, drawOval }, { "menu_free", commandSize, drawFree },
        { "menu_back", commandSize, drawBack }, { "menu_clear", commandSize, drawClear },
    };
    const QDir folder(arguments.at(1));
    for (const Icon& icon : icons) {
        const QString path =
          folder.filePath(QStringLiteral("ic_%1.png").arg(QLatin1String(icon.name)));
        if (!iconImage(icon.size, icon.draw).save(path, "PNG")) {
            errors << "cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
