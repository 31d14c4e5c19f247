#include "measure/annotationpainter.h"
#include "measure/regionmeasure.h"
#include "model/imageentity.h"
#include "model/radiometricreader.h"
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
    void labelsStandBesideTheirOwnMarker_data();
    void labelsStandBesideTheirOwnMarker();
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

void TestAnnotationPainter::labelsStandBesideTheirOwnMarker_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("crowd");

    QTest::newRow("the fuse box at its matrix's size") << "fuse-box.jpg" << 1 << 0;
    QTest::newRow("the fuse box at four times its matrix's size") << "fuse-box.jpg" << 4 << 0;
    QTest::newRow("the radiator with a row of shapes at its matrix's size")
      << "radiator.jpg" << 1 << 4;
    QTest::newRow("the radiator with a row of shapes at four times its matrix's size")
      << "radiator.jpg" << 4 << 8;
    QTest::newRow("the mug with a dozen shapes on one spot at its matrix's size")
      << "coffee-mug.jpg" << 1 << 12;
}

// At the matrix's own size a label is as large as at any other, and crowds its neighbours: one
// pushed on beyond them stands beside another marker, and a reader takes it for that one's.
void TestAnnotationPainter::labelsStandBesideTheirOwnMarker()
{
    QFETCH(QString, sample);
    QFETCH(int, scale);
    QFETCH(int, crowd);
    QFile file(QStringLiteral(KORVEX_SAMPLES_DIR "/") + sample);
    QVERIFY(file.open(QIODevice::ReadOnly));
    ImageEntity photo;
    QVERIFY(RadiometricReader::read(file.readAll(), photo));
    QList<ImageDrawPath> shapes = photo.image_drawpaths;
    // A row of shapes side by side, as over the fuses of a panel, or one shape drawn again and
    // again on one spot.
    for (int i = 0; i < crowd; ++i) {
        ImageDrawPath drawn;
        drawn.setKind(ShapeKind(i % 4));
        const bool row = crowd < 10;
        const float x = row ? 0.05f + 0.9f / float(crowd) * float(i) : 0.2f;
        const float y = row ? 0.35f + 0.15f * float(i % 2) : 0.25f;
        drawn.point(PointRole::Start) = PathPoint(x, y, 0, 0);
        drawn.point(PointRole::End) = PathPoint(x + 0.1f, y + 0.08f, 0, 0);
        QVERIFY(RegionMeasure(photo).measure(drawn));
        shapes.append(drawn);
    }
    // As korvex-cli renders: a picture smaller than a window's surface is annotated as that
    // surface would be, and scaled down with it.
    const QSize picture(photo.temperatureWidth * scale, photo.temperatureHeight * scale);
    const qreal shrink = AnnotationPainter::legibleScale(picture);
    const QSize size = (QSizeF(picture) / shrink).toSize();
    QImage image(picture, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    painter.scale(shrink, shrink);
    QVector<AnnotationPainter::PlacedLabel> placed;
    AnnotationPainter(photo, shapes, size, 0, true, markerSize, QFont())
      .paint(painter, {}, &placed);
    painter.end();
    QVERIFY(placed.size() >= 3 + shapes.size());
    const auto gap = [](const QRectF& a, const QRectF& b) {
        const double dx = qMax(0.0, qMax(a.left() - b.right(), b.left() - a.right()));
        const double dy = qMax(0.0, qMax(a.top() - b.bottom(), b.top() - a.bottom()));
        return std::hypot(dx, dy);
    };
    for (const AnnotationPainter::PlacedLabel& label : qAsConst(placed)) {
        const QRectF box(label.box);
        QVERIFY2(QRectF(QPointF(0, 0), QSizeF(size)).contains(box), "a label leaves the picture");
        const double own = gap(box, label.frame);
        for (const AnnotationPainter::PlacedLabel& other : qAsConst(placed)) {
            const QPointF apart = other.frame.center() - label.frame.center();
            // Frames that mostly cover each other mark one spot; either label reads for both.
            if (std::abs(apart.x()) < markerSize / 2 && std::abs(apart.y()) < markerSize / 2)
                continue;
            QVERIFY2(gap(box, other.frame) >= own,
                     qPrintable(QStringLiteral("the label at %1,%2 of the marker at %3,%4 stands "
                                               "nearer the marker at %5,%6")
                                  .arg(box.x())
                                  .arg(box.y())
                                  .arg(label.frame.center().x())
                                  .arg(label.frame.center().y())
                                  .arg(other.frame.center().x())
                                  .arg(other.frame.center().y())));
        }
    }
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
