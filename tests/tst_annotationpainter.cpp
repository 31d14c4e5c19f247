#include "annotationpainter.h"
#include "imageentity.h"
#include "measurescene.h"

#include <QtTest>

#include <QPainter>

namespace {

constexpr int markerSize = 32;
const QSize surface(640, 480);
const QColor background(200, 200, 200);

ImageEntity photograph()
{
    // Feature points in Screen pixels, twice the surface's.
    ImageEntity photo = MeasureScene::uniform(160, 120, 250);
    photo.screenWidth = 1280;
    photo.screenHeight = 960;
    ImageFeature& feature = photo.details.feature;
    feature.maxPoint.x = 200;
    feature.maxPoint.y = 200;
    feature.maxPoint.temperature = 41.5f;
    feature.minPoint.x = 1080;
    feature.minPoint.y = 200;
    feature.minPoint.temperature = -3.5f;
    feature.centrePoint.temperature = 22.5f;
    return photo;
}

ImageDrawPath pointShape(const QPointF& at, float value)
{
    ImageDrawPath shape;
    shape.type = 0;
    for (int i : { 0, 1, 3 })
        shape.points[i] = PathPoint(float(at.x()), float(at.y()), value, 0);
    return shape;
}

ImageDrawPath lineShape(const QPointF& from,
                        const QPointF& to,
                        const QPointF& max,
                        const QPointF& min)
{
    ImageDrawPath shape;
    shape.type = 1;
    shape.points[0] = PathPoint(float(from.x()), float(from.y()), 0, 0);
    shape.points[1] = PathPoint(float(to.x()), float(to.y()), 0, 0);
    shape.points[3] = PathPoint(float(max.x()), float(max.y()), 35.5f, 0);
    shape.points[4] = PathPoint(float(min.x()), float(min.y()), 12.25f, 0);
    return shape;
}

QImage blank()
{
    QImage image(surface, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

void paintOn(QImage& image,
             const ImageEntity& photo,
             const QList<ImageDrawPath>& shapes,
             bool feature)
{
    QFont font;
    font.setPointSize(10);
    QPainter painter(&image);
    AnnotationPainter(photo, shapes, surface, 0, feature, markerSize, font).paint(painter);
}

// Pixels under two value labels or more: the background darkened by the translucent black twice.
// No marker or text colour is a dark gray.
int doublyCovered(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            const int high = qMax(qRed(c), qMax(qGreen(c), qBlue(c)));
            const int low = qMin(qRed(c), qMin(qGreen(c), qBlue(c)));
            count += high <= 30 && high - low <= 3;
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
    void frameShift_data();
    void frameShift();
    void sceneWithoutCollisionsPaintsAsBefore();
    void crowdedLabelsStayApart_data();
    void crowdedLabelsStayApart();
    void markersAtTheCornersStayWhole_data();
    void markersAtTheCornersStayWhole();
};

void TestAnnotationPainter::placeLabel_data()
{
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QVector<QRect>>("taken");
    QTest::addColumn<QRect>("expected");

    // A 60 × 20 label; the frame reaches 16 pixels from the centre, the label keeps 5 more.
    const QRect below(290, 261, 60, 20);
    const QRect above(290, 199, 60, 20);
    const QRect left(239, 230, 60, 20);
    const QRect right(341, 230, 60, 20);
    QTest::newRow("alone: centred below the frame")
      << QPointF(320, 240) << surface << QVector<QRect>{} << below;
    QTest::newRow("no room below: above the frame")
      << QPointF(320, 470) << surface << QVector<QRect>{} << QRect(290, 429, 60, 20);
    QTest::newRow("at the left border: flush left")
      << QPointF(10, 240) << surface << QVector<QRect>{} << QRect(0, 261, 60, 20);
    QTest::newRow("touching an earlier label is no overlap")
      << QPointF(320, 240) << surface << QVector<QRect>{ QRect(290, 281, 60, 20) } << below;
    QTest::newRow("overlapping an earlier label: above")
      << QPointF(320, 240) << surface << QVector<QRect>{ QRect(300, 270, 60, 20) } << above;
    QTest::newRow("below and above taken: beside the frame")
      << QPointF(320, 240) << surface << QVector<QRect>{ below, above } << left;
    QTest::newRow("all four sides taken: further out")
      << QPointF(320, 240) << surface << QVector<QRect>{ below, above, left, right }
      << QRect(290, 174, 60, 20);
    QTest::newRow("fitting neither below nor above: beside the frame")
      << QPointF(320, 30) << QSize(640, 60) << QVector<QRect>{} << QRect(239, 20, 60, 20);
    QTest::newRow("below and above taken at the right border: on the left, off the frame")
      << QPointF(630, 240) << surface
      << QVector<QRect>{ QRect(580, 261, 60, 20), QRect(580, 199, 60, 20) }
      << QRect(549, 230, 60, 20);
}

void TestAnnotationPainter::placeLabel()
{
    QFETCH(QPointF, centre);
    QFETCH(QSize, area);
    QFETCH(QVector<QRect>, taken);
    QFETCH(QRect, expected);

    QCOMPARE(AnnotationPainter::placeLabel(centre, markerSize, QSize(60, 20), area, taken),
             expected);
}

void TestAnnotationPainter::frameShift_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QPoint>("shift");

    // A 3-pixel pen reaches 2 pixels beyond the frame's line.
    QTest::newRow("inside") << QPoint(320, 240) << surface << QPoint(0, 0);
    QTest::newRow("just whole at the left") << QPoint(18, 240) << surface << QPoint(0, 0);
    QTest::newRow("a pixel short at the left") << QPoint(17, 240) << surface << QPoint(1, 0);
    QTest::newRow("the top left corner") << QPoint(0, 0) << surface << QPoint(18, 18);
    QTest::newRow("one past the bottom right pixel")
      << QPoint(640, 480) << surface << QPoint(-18, -18);
    QTest::newRow("a surface too small for the frame")
      << QPoint(0, 0) << QSize(30, 30) << QPoint(0, 0);
}

void TestAnnotationPainter::frameShift()
{
    QFETCH(QPoint, point);
    QFETCH(QSize, area);
    QFETCH(QPoint, shift);

    QCOMPARE(AnnotationPainter::frameShift(point, markerSize, 3, area), shift);
}

void TestAnnotationPainter::sceneWithoutCollisionsPaintsAsBefore()
{
    // Each annotation painted on its own has nothing to keep clear of, so it is painted as the
    // painter always has; together they must come out the same.
    const ImageEntity photo = photograph();
    const QList<ImageDrawPath> shapes = {
        pointShape(QPointF(0.5, 0.25), 30.5f),
        lineShape(QPointF(0.1, 0.75), QPointF(0.9, 0.75), QPointF(0.2, 0.75), QPointF(0.8, 0.75)),
        pointShape(QPointF(0.5, 0.8), 18),
    };
    QImage together = blank();
    paintOn(together, photo, shapes, true);
    QImage alone = blank();
    paintOn(alone, photo, {}, true);
    for (const ImageDrawPath& shape : shapes)
        paintOn(alone, photo, { shape }, false);
    QCOMPARE(doublyCovered(together), 0);
    QVERIFY(together == alone);
}

void TestAnnotationPainter::crowdedLabelsStayApart_data()
{
    QTest::addColumn<QList<ImageDrawPath>>("shapes");
    QTest::addColumn<bool>("feature");

    QTest::newRow("a line whose maximum and minimum fall together") << QList<ImageDrawPath>{
        lineShape(QPointF(0.3, 0.5), QPointF(0.7, 0.5), QPointF(0.5, 0.5), QPointF(0.51, 0.5))
    } << false;
    // The photograph's hottest point is at (100, 100) on the surface.
    QTest::newRow("a shape's maximum on the photograph's hottest point") << QList<ImageDrawPath>{
        lineShape(QPointF(0.1, 0.2), QPointF(0.5, 0.5), QPointF(0.16, 0.21), QPointF(0.5, 0.5))
    } << true;
    QTest::newRow("two points side by side")
      << QList<ImageDrawPath>{ pointShape(QPointF(0.5, 0.5), 20),
                               pointShape(QPointF(0.52, 0.5), 21) }
      << false;
    QTest::newRow("six points on one spot at the bottom edge")
      << QVector<ImageDrawPath>(6, pointShape(QPointF(0.5, 0.99), 20)).toList() << false;
}

void TestAnnotationPainter::crowdedLabelsStayApart()
{
    QFETCH(QList<ImageDrawPath>, shapes);
    QFETCH(bool, feature);

    QImage image = blank();
    paintOn(image, photograph(), shapes, feature);
    QCOMPARE(doublyCovered(image), 0);
}

void TestAnnotationPainter::markersAtTheCornersStayWhole_data()
{
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<QRect>("frame");

    QTest::newRow("top left") << QPointF(0, 0) << QRect(QPoint(2, 2), QPoint(34, 34));
    QTest::newRow("bottom right") << QPointF(1, 1) << QRect(QPoint(606, 446), QPoint(638, 478));
}

void TestAnnotationPainter::markersAtTheCornersStayWhole()
{
    QFETCH(QPointF, at);
    QFETCH(QRect, frame);

    QImage image = blank();
    paintOn(image, photograph(), { pointShape(at, 20) }, false);
    const int a = frame.left();
    const int b = frame.top();
    const int c = frame.right();
    const int e = frame.bottom();
    // Both rows or columns of each 3-pixel arm that lie wholly under the pen.
    const QPoint arms[] = { { a + 5, b - 1 }, { a + 5, b }, { a - 1, b + 5 }, { a, b + 5 },
                            { c - 5, e - 1 }, { c - 5, e }, { c - 1, e - 5 }, { c, e - 5 } };
    for (const QPoint& p : arms) {
        QVERIFY2(QColor(image.pixel(p)) == QColor(Qt::yellow),
                 qPrintable(QStringLiteral("(%1, %2) is %3")
                              .arg(p.x())
                              .arg(p.y())
                              .arg(QColor(image.pixel(p)).name())));
    }
}

QTEST_MAIN(TestAnnotationPainter)
#include "tst_annotationpainter.moc"
