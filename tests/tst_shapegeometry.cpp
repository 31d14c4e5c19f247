#include "measure/shapegeometry.h"
#include "render/calculatetools.h"

#include <QtTest>

namespace {

using Cells = QVector<QPoint>;

ImageDrawPath shapeOf(ShapeKind kind, const QPointF& start, const QPointF& end)
{
    ImageDrawPath shape;
    shape.setKind(kind);
    shape.point(PointRole::Start) = PathPoint(float(start.x()), float(start.y()), 0, 0);
    shape.point(PointRole::End) = PathPoint(float(end.x()), float(end.y()), 0, 0);
    return shape;
}

// The outline as the painter built it before it had a home of its own.
QPainterPath paintedOutline(const ImageDrawPath& shape, const QSize& size)
{
    const QPoint a(int(size.width() * shape.points[0].x), int(size.height() * shape.points[0].y));
    const QPoint b(int(size.width() * shape.points[1].x), int(size.height() * shape.points[1].y));
    QPainterPath path;
    if (shape.type == 1) {
        path.moveTo(a);
        path.lineTo(b);
    } else {
        const QRectF r = CalculateTools::rectFromCorners(a.x(), a.y(), b.x(), b.y());
        if (shape.type == 2)
            path.addRect(r);
        else
            path.addEllipse(r);
    }
    return path;
}

// The outline as the drag preview builds it from the press and the pointer.
QPainterPath previewOutline(int mode, const QPoint& press, const QPoint& p)
{
    QPainterPath preview;
    if (mode == 1) {
        preview.moveTo(press);
        preview.lineTo(p);
    } else {
        const QRectF r = CalculateTools::rectFromCorners(press.x(), press.y(), p.x(), p.y());
        if (mode == 2)
            preview.addRect(r);
        else
            preview.addEllipse(r);
    }
    return preview;
}

// QPainterPath's own comparison forgives small differences; these must be the same bits.
QString pathDifference(const QPainterPath& actual, const QPainterPath& expected)
{
    if (actual.elementCount() != expected.elementCount()) {
        return QStringLiteral("%1 elements instead of %2")
          .arg(actual.elementCount())
          .arg(expected.elementCount());
    }
    if (actual.fillRule() != expected.fillRule())
        return QStringLiteral("another fill rule");
    for (int i = 0; i < actual.elementCount(); ++i) {
        const QPainterPath::Element a = actual.elementAt(i);
        const QPainterPath::Element e = expected.elementAt(i);
        if (a.type != e.type || a.x != e.x || a.y != e.y) {
            return QStringLiteral(
                     "element %1 is (%2, %3) of type %4 instead of (%5, %6) of type %7")
              .arg(i)
              .arg(a.x, 0, 'g', 17)
              .arg(a.y, 0, 'g', 17)
              .arg(a.type)
              .arg(e.x, 0, 'g', 17)
              .arg(e.y, 0, 'g', 17)
              .arg(e.type);
        }
    }
    return QString();
}

} // namespace

Q_DECLARE_METATYPE(ShapeKind)

class TestShapeGeometry : public QObject
{
    Q_OBJECT

private slots:
    void outlineIsTheOneAlwaysDrawn_data();
    void outlineIsTheOneAlwaysDrawn();
    void pointHasNoOutline();
    void boundingBox_data();
    void boundingBox();
    void hits_data();
    void hits();
};

void TestShapeGeometry::outlineIsTheOneAlwaysDrawn_data()
{
    QTest::addColumn<ShapeKind>("kind");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPointF>("start");
    QTest::addColumn<QPointF>("end");

    const QSize odd(701, 523);
    QTest::newRow("a line on an odd surface")
      << ShapeKind::Line << odd << QPointF(0.1, 0.13) << QPointF(0.77, 0.9);
    QTest::newRow("a line drawn backwards")
      << ShapeKind::Line << odd << QPointF(0.77, 0.9) << QPointF(0.1, 0.13);
    QTest::newRow("a rectangle dragged from the bottom right")
      << ShapeKind::Rectangle << odd << QPointF(0.93, 0.81) << QPointF(0.21, 0.37);
    QTest::newRow("a rectangle dragged up and to the right")
      << ShapeKind::Rectangle << QSize(333, 251) << QPointF(0.2, 0.8) << QPointF(0.6, 0.1);
    QTest::newRow("an oval dragged from the bottom right")
      << ShapeKind::Oval << odd << QPointF(0.93, 0.81) << QPointF(0.21, 0.37);
    QTest::newRow("an oval to the surface's far corner")
      << ShapeKind::Oval << QSize(97, 73) << QPointF(0.5, 0.5) << QPointF(1, 1);
    // Fractions a drag stores do not all come back to the pixel they came from.
    QTest::newRow("an oval of fractions from odd pixels")
      << ShapeKind::Oval << QSize(999, 749) << QPointF(333.0 / 999, 1.0 / 749)
      << QPointF(998.0 / 999, 748.0 / 749);
    QTest::newRow("a rectangle flat in one direction")
      << ShapeKind::Rectangle << odd << QPointF(0.3, 0.5) << QPointF(0.6, 0.5);
}

void TestShapeGeometry::outlineIsTheOneAlwaysDrawn()
{
    QFETCH(ShapeKind, kind);
    QFETCH(QSize, size);
    QFETCH(QPointF, start);
    QFETCH(QPointF, end);
    const ImageDrawPath shape = shapeOf(kind, start, end);
    const ShapeGeometry geometry(shape, size);

    QString difference = pathDifference(geometry.outline(), paintedOutline(shape, size));
    QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("from fractions: ") + difference));

    const QPoint press(int(size.width() * shape.points[0].x),
                       int(size.height() * shape.points[0].y));
    const QPoint release(int(size.width() * shape.points[1].x),
                         int(size.height() * shape.points[1].y));
    QCOMPARE(geometry.start(), press);
    QCOMPARE(geometry.end(), release);
    difference = pathDifference(ShapeGeometry::outline(kind, press, release),
                                previewOutline(int(kind), press, release));
    QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("from pixels: ") + difference));
}

void TestShapeGeometry::pointHasNoOutline()
{
    const ShapeGeometry geometry(shapeOf(ShapeKind::Point, QPointF(0.2, 0.3), QPointF(0.4, 0.5)),
                                 QSize(100, 100));
    QVERIFY(geometry.outline().isEmpty());
    QCOMPARE(geometry.boundingBox(), QRect(40, 50, 0, 0));
}

void TestShapeGeometry::boundingBox_data()
{
    QTest::addColumn<ShapeKind>("kind");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("end");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("a line drawn up and to the left spans both ends")
      << ShapeKind::Line << QPoint(90, 70) << QPoint(10, 20) << QRect(10, 20, 80, 50);
    QTest::newRow("a rectangle dragged from the bottom right")
      << ShapeKind::Rectangle << QPoint(91, 71) << QPoint(3, 5) << QRect(3, 5, 88, 66);
    QTest::newRow("an oval dragged up and to the right")
      << ShapeKind::Oval << QPoint(3, 71) << QPoint(91, 5) << QRect(3, 5, 88, 66);
    QTest::newRow("a flat oval has no height")
      << ShapeKind::Oval << QPoint(3, 40) << QPoint(91, 40) << QRect(3, 40, 88, 0);
}

void TestShapeGeometry::boundingBox()
{
    QFETCH(ShapeKind, kind);
    QFETCH(QPoint, start);
    QFETCH(QPoint, end);
    QFETCH(QRect, expected);
    const ShapeGeometry geometry(kind, start, end, QSize(100, 80));
    QCOMPARE(geometry.boundingBox(), expected);
    // What the measurement reads around and what the painting covers.
    QCOMPARE(geometry.outline().controlPointRect(), QRectF(expected));
}

void TestShapeGeometry::hits_data()
{
    QTest::addColumn<ShapeKind>("kind");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("end");
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<bool>("expected");

    const QPoint pointAt(50, 40);
    QTest::newRow("a point is hit at the corner of its frame")
      << ShapeKind::Point << QPoint(0, 0) << pointAt << QPointF(66, 24) << 16.0 << true;
    QTest::newRow("a point is missed just past its frame")
      << ShapeKind::Point << QPoint(0, 0) << pointAt << QPointF(66.5, 40) << 16.0 << false;
    QTest::newRow("a point is found at its end, not its start")
      << ShapeKind::Point << QPoint(0, 0) << pointAt << QPointF(0, 0) << 16.0 << false;

    const QPoint lineStart(10, 10);
    const QPoint lineEnd(50, 10);
    QTest::newRow("a line is hit on its segment")
      << ShapeKind::Line << lineStart << lineEnd << QPointF(30, 10) << 0.0 << true;
    QTest::newRow("a line is hit as far off as the tolerance")
      << ShapeKind::Line << lineStart << lineEnd << QPointF(30, 13) << 3.0 << true;
    QTest::newRow("a line is missed just beyond the tolerance")
      << ShapeKind::Line << lineStart << lineEnd << QPointF(30, 13.01) << 3.0 << false;
    QTest::newRow("a line is missed past its end though in line with it")
      << ShapeKind::Line << lineStart << lineEnd << QPointF(53.5, 10) << 3.0 << false;
    QTest::newRow("a line is hit around its end within the tolerance")
      << ShapeKind::Line << lineStart << lineEnd << QPointF(52, 12) << 3.0 << true;
    QTest::newRow("a slanted line is missed beside its segment")
      << ShapeKind::Line << QPoint(0, 0) << QPoint(40, 40) << QPointF(20, 24) << 2.0 << false;

    // The rectangle's box is (20, 10) to (60, 40) whichever way it was dragged.
    const QPoint bottomRight(60, 40);
    const QPoint topLeft(20, 10);
    QTest::newRow("a rectangle dragged from the bottom right is hit inside")
      << ShapeKind::Rectangle << bottomRight << topLeft << QPointF(40, 25) << 0.0 << true;
    QTest::newRow("a rectangle is hit on its far edge")
      << ShapeKind::Rectangle << bottomRight << topLeft << QPointF(60, 40) << 0.0 << true;
    QTest::newRow("a rectangle is missed just outside its edge")
      << ShapeKind::Rectangle << bottomRight << topLeft << QPointF(60.5, 25) << 0.0 << false;
    QTest::newRow("a rectangle is hit outside its edge within the tolerance")
      << ShapeKind::Rectangle << bottomRight << topLeft << QPointF(18, 25) << 2.0 << true;

    QTest::newRow("an oval is hit at its centre")
      << ShapeKind::Oval << bottomRight << topLeft << QPointF(40, 25) << 0.0 << true;
    QTest::newRow("an oval is hit at the tip of its long axis")
      << ShapeKind::Oval << bottomRight << topLeft << QPointF(60, 25) << 0.0 << true;
    QTest::newRow("an oval is missed just past that tip")
      << ShapeKind::Oval << bottomRight << topLeft << QPointF(60.5, 25) << 0.0 << false;
    QTest::newRow("an oval is missed at its box's corner")
      << ShapeKind::Oval << bottomRight << topLeft << QPointF(58, 38) << 2.0 << false;
    QTest::newRow("an oval is hit past its outline within the tolerance")
      << ShapeKind::Oval << bottomRight << topLeft << QPointF(40, 8) << 2.0 << true;
    QTest::newRow("a flat oval is hit along its segment")
      << ShapeKind::Oval << QPoint(20, 30) << QPoint(60, 30) << QPointF(45, 31) << 1.5 << true;
    QTest::newRow("a flat oval is missed past its ends")
      << ShapeKind::Oval << QPoint(20, 30) << QPoint(60, 30) << QPointF(62, 30) << 1.5 << false;
}

void TestShapeGeometry::hits()
{
    QFETCH(ShapeKind, kind);
    QFETCH(QPoint, start);
    QFETCH(QPoint, end);
    QFETCH(QPointF, position);
    QFETCH(double, tolerance);
    QFETCH(bool, expected);
    QCOMPARE(ShapeGeometry(kind, start, end, QSize(100, 80)).hits(position, tolerance), expected);
}

QTEST_MAIN(TestShapeGeometry)
#include "tst_shapegeometry.moc"
