#include "measure/annotationpainter.h"
#include "model/imageentity.h"
#include "support/measurescene.h"

#include <QtTest>

#include <QPainter>

namespace {

constexpr int markerSize = 32;
const QSize surface(640, 480);

ImageDrawPath shape(int type, const QPointF& max, const QPointF& min = QPointF())
{
    ImageDrawPath path;
    path.type = type;
    path.points[0] = PathPoint(float(max.x()), float(max.y()), 0, 0);
    path.points[1] = PathPoint(float(min.x()), float(min.y()), 0, 0);
    path.points[3] = PathPoint(float(max.x()), float(max.y()), 35.5f, 0);
    path.points[4] = PathPoint(float(min.x()), float(min.y()), 12.25f, 0);
    return path;
}

// Feature markers at (100, 100), (540, 100) and the centre of the surface.
QImage painted(const QList<ImageDrawPath>& shapes, bool feature, QImage image = QImage())
{
    const ImageEntity photo = MeasureScene::featureMarkers();
    if (image.isNull()) {
        image = QImage(surface, QImage::Format_RGB32);
        image.fill(QColor(200, 200, 200));
    }
    QFont font;
    font.setPointSize(10);
    QPainter painter(&image);
    AnnotationPainter(photo, shapes, surface, 0, feature, markerSize, font).paint(painter);
    return image;
}

// Pixels under two labels or more: the gray background darkened by their translucent black at
// least twice. No marker or text is a dark gray.
int underTwoLabels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            count += qMax(qRed(c), qMax(qGreen(c), qBlue(c))) <= 30 &&
                     qAbs(qRed(c) - qBlue(c)) <= 3 && qAbs(qGreen(c) - qBlue(c)) <= 3;
        }
    }
    return count;
}

} // namespace

class TestAnnotationPainter : public QObject
{
    Q_OBJECT

private slots:
    void placeLabel_data();
    void placeLabel();
    void sceneWithoutCollisionsPaintsAsBefore();
    void crowdedLabelsStayApart_data();
    void crowdedLabelsStayApart();
    void markersAtTheCornersStayWhole_data();
    void markersAtTheCornersStayWhole();
};

void TestAnnotationPainter::placeLabel_data()
{
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<QVector<QRect>>("taken");
    QTest::addColumn<QRect>("expected");

    // A 60 × 20 label; the frame reaches 16 pixels from the centre, the label keeps 5 more.
    const QRect below(290, 261, 60, 20);
    const QRect above(290, 199, 60, 20);
    const QRect left(239, 230, 60, 20);
    const QRect right(341, 230, 60, 20);
    QTest::newRow("alone: centred below the frame")
      << QPointF(320, 240) << QVector<QRect>{} << below;
    QTest::newRow("no room below: above the frame")
      << QPointF(320, 470) << QVector<QRect>{} << QRect(290, 429, 60, 20);
    QTest::newRow("touching an earlier label is no overlap")
      << QPointF(320, 240) << QVector<QRect>{ QRect(290, 281, 60, 20) } << below;
    QTest::newRow("overlapping an earlier label: above")
      << QPointF(320, 240) << QVector<QRect>{ QRect(300, 270, 60, 20) } << above;
    QTest::newRow("below and above taken: beside the frame")
      << QPointF(320, 240) << QVector<QRect>{ below, above } << left;
    QTest::newRow("all four sides taken: further out")
      << QPointF(320, 240) << QVector<QRect>{ below, above, left, right }
      << QRect(290, 174, 60, 20);
    // Held inside the surface, a box to the right would cover the frame.
    QTest::newRow("below and above taken at the right border: on the left")
      << QPointF(630, 240) << QVector<QRect>{ QRect(580, 261, 60, 20), QRect(580, 199, 60, 20) }
      << QRect(549, 230, 60, 20);
}

void TestAnnotationPainter::placeLabel()
{
    QFETCH(QPointF, centre);
    QFETCH(QVector<QRect>, taken);
    QFETCH(QRect, expected);

    QCOMPARE(AnnotationPainter::placeLabel(centre, markerSize, QSize(60, 20), surface, taken),
             expected);
}

void TestAnnotationPainter::sceneWithoutCollisionsPaintsAsBefore()
{
    // Painted on its own, an annotation has nothing to keep clear of and comes out as it always
    // has; side by side without touching, they must come out the same.
    const QList<ImageDrawPath> shapes = { shape(0, QPointF(0.5, 0.25)),
                                          shape(1, QPointF(0.2, 0.75), QPointF(0.8, 0.75)),
                                          shape(0, QPointF(0.5, 0.8)) };
    QImage alone = painted({}, true);
    for (const ImageDrawPath& path : shapes)
        alone = painted({ path }, false, alone);
    const QImage together = painted(shapes, true);
    QCOMPARE(underTwoLabels(together), 0);
    QVERIFY(together == alone);
}

void TestAnnotationPainter::crowdedLabelsStayApart_data()
{
    QTest::addColumn<QList<ImageDrawPath>>("shapes");
    QTest::addColumn<bool>("feature");

    QTest::newRow("a line whose maximum and minimum fall together")
      << QList<ImageDrawPath>{ shape(1, QPointF(0.5, 0.5), QPointF(0.51, 0.5)) } << false;
    QTest::newRow("a shape's maximum on the photograph's hottest point")
      << QList<ImageDrawPath>{ shape(1, QPointF(0.16, 0.21), QPointF(0.5, 0.5)) } << true;
    QTest::newRow("two points side by side")
      << QList<ImageDrawPath>{ shape(0, QPointF(0.5, 0.5)), shape(0, QPointF(0.52, 0.5)) } << false;
    QTest::newRow("six points on one spot at the bottom edge")
      << QVector<ImageDrawPath>(6, shape(0, QPointF(0.5, 0.99))).toList() << false;
}

void TestAnnotationPainter::crowdedLabelsStayApart()
{
    QFETCH(QList<ImageDrawPath>, shapes);
    QFETCH(bool, feature);

    QCOMPARE(underTwoLabels(painted(shapes, feature)), 0);
}

void TestAnnotationPainter::markersAtTheCornersStayWhole_data()
{
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<QRect>("frame");

    // A 3-pixel pen reaches 2 pixels beyond the frame's lines.
    QTest::newRow("top left") << QPointF(0, 0) << QRect(QPoint(2, 2), QPoint(34, 34));
    QTest::newRow("bottom right") << QPointF(1, 1) << QRect(QPoint(606, 446), QPoint(638, 478));
}

void TestAnnotationPainter::markersAtTheCornersStayWhole()
{
    QFETCH(QPointF, at);
    QFETCH(QRect, frame);

    const QImage image = painted({ shape(0, at) }, false);
    const int a = frame.left();
    const int b = frame.top();
    const int c = frame.right();
    const int e = frame.bottom();
    // The two rows or columns of each 3-pixel arm that lie wholly under the pen.
    for (const QPoint& p : { QPoint(a + 5, b - 1),
                             QPoint(a + 5, b),
                             QPoint(a - 1, b + 5),
                             QPoint(a, b + 5),
                             QPoint(c - 5, e - 1),
                             QPoint(c - 5, e),
                             QPoint(c - 1, e - 5),
                             QPoint(c, e - 5) }) {
        QVERIFY2(QColor(image.pixel(p)) == QColor(Qt::yellow),
                 qPrintable(QStringLiteral("(%1, %2) is %3")
                              .arg(p.x())
                              .arg(p.y())
                              .arg(QColor(image.pixel(p)).name())));
    }
}

QTEST_MAIN(TestAnnotationPainter)
#include "tst_annotationpainter.moc"
