#include "render/imageblendthread.h"
#include "render/palettetable.h"
#include "support/logcapture.h"
#include "support/straightforwardrender.h"

#include <QRandomGenerator>
#include <QtTest>

#include <limits>

namespace {

QByteArray randomGray(QRandomGenerator& random, int length)
{
    QByteArray gray(length, Qt::Uninitialized);
    for (char& level : gray)
        level = char(random.bounded(256));
    return gray;
}

QImage randomImage(QRandomGenerator& random, const QSize& size, QImage::Format format)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = random.generate();
    }
    return image.convertToFormat(format);
}

QString firstDifference(const QImage& actual, const QImage& expected)
{
    if (actual.size() != expected.size() || actual.format() != expected.format())
        return QString::asprintf("%dx%d format %d against %dx%d format %d",
                                 actual.width(),
                                 actual.height(),
                                 actual.format(),
                                 expected.width(),
                                 expected.height(),
                                 expected.format());
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QString::asprintf("pixel (%d, %d) is %08x instead of %08x",
                                         x,
                                         y,
                                         actual.pixel(x, y),
                                         expected.pixel(x, y));
        }
    }
    return QString();
}

// One channel of a blend as the window defines it: the camera's share rounded to single
// precision, the palette's share added, the sum truncated.
int mixedChannel(int camera, int palette, float blend)
{
    const float cameraPart = camera * (1.0f - blend);
    const int value = int(cameraPart + palette * blend);
    return value > 255 ? 255 : value;
}

// The first pixel where the blend of two images of one size is not the formula's.
QString firstDifferenceFromFormula(const QImage& blended,
                                   const QImage& camera,
                                   const QImage& palette,
                                   float blend)
{
    if (blended.size() != camera.size() || blended.format() != QImage::Format_RGB32)
        return QString::asprintf("%dx%d format %d for a %dx%d camera",
                                 blended.width(),
                                 blended.height(),
                                 blended.format(),
                                 camera.width(),
                                 camera.height());
    for (int y = 0; y < camera.height(); ++y) {
        for (int x = 0; x < camera.width(); ++x) {
            const QRgb c = camera.pixel(x, y);
            const QRgb p = palette.pixel(x, y);
            const QRgb expected = qRgb(mixedChannel(qRed(c), qRed(p), blend),
                                       mixedChannel(qGreen(c), qGreen(p), blend),
                                       mixedChannel(qBlue(c), qBlue(p), blend));
            if (blended.pixel(x, y) != expected)
                return QString::asprintf("pixel (%d, %d) of camera %08x and palette %08x is %08x "
                                         "instead of %08x",
                                         x,
                                         y,
                                         c,
                                         p,
                                         blended.pixel(x, y),
                                         expected);
        }
    }
    return QString();
}

enum class Outcome
{
    Camera,
    Palette,
    Blend,
    Failed
};

} // namespace

Q_DECLARE_METATYPE(Outcome)

class TestImageBlendThread : public QObject
{
    Q_OBJECT
private slots:
    void createRefusesBadArguments_data();
    void createRefusesBadArguments();
    void renderRefusesSizesThatDoNotFit_data();
    void renderRefusesSizesThatDoNotFit();
    void renderMatchesStraightforward_data();
    void renderMatchesStraightforward();
    void blendMatchesStraightforward_data();
    void blendMatchesStraightforward();
    void blendRefusesNullImages();
    void everyChannelPairMixesByTheFormula_data();
    void everyChannelPairMixesByTheFormula();
    void randomPicturesMixByTheFormula_data();
    void randomPicturesMixByTheFormula();
    void run_data();
    void run();
    void workerRendersWhatCreateSaw();
};

void TestImageBlendThread::createRefusesBadArguments_data()
{
    QTest::addColumn<bool>("withEntity");
    QTest::addColumn<unsigned>("palette");
    QTest::addColumn<float>("blend");
    QTest::addColumn<bool>("created");

    QTest::newRow("the last palette with blend 0") << true << 4u << 0.0f << true;
    QTest::newRow("the first palette with blend 1") << true << 0u << 1.0f << true;
    QTest::newRow("no entity") << false << 0u << 0.5f << false;
    QTest::newRow("palette code 5") << true << 5u << 0.5f << false;
    QTest::newRow("a negative blend") << true << 0u << -0.01f << false;
    QTest::newRow("a blend above 1") << true << 0u << 1.5f << false;
    QTest::newRow("a NaN blend") << true << 0u << std::numeric_limits<float>::quiet_NaN() << false;
    QTest::newRow("an infinite blend")
      << true << 0u << std::numeric_limits<float>::infinity() << false;
}

void TestImageBlendThread::createRefusesBadArguments()
{
    QFETCH(bool, withEntity);
    QFETCH(unsigned, palette);
    QFETCH(float, blend);
    QFETCH(bool, created);
    ImageEntity entity;
    ImageBlendThread* thread =
      ImageBlendThread::create(withEntity ? &entity : nullptr, palette, blend);
    QCOMPARE(thread != nullptr, created);
    delete thread;
}

void TestImageBlendThread::renderRefusesSizesThatDoNotFit_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("length");
    QTest::addColumn<unsigned>("palette");

    QTest::newRow("one byte short") << 4 << 3 << 11 << 0u;
    QTest::newRow("one byte too many") << 4 << 3 << 13 << 0u;
    QTest::newRow("zero width") << 0 << 3 << 0 << 0u;
    QTest::newRow("zero height") << 4 << 0 << 0 << 0u;
    QTest::newRow("two negative sides") << -2 << -3 << 6 << 0u;
    // In int arithmetic the product wraps to the length.
    QTest::newRow("a product past the int range") << 65536 << 65537 << 65536 << 0u;
    QTest::newRow("an unknown palette") << 4 << 3 << 12 << 5u;
}

void TestImageBlendThread::renderRefusesSizesThatDoNotFit()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, length);
    QFETCH(unsigned, palette);
    const QByteArray gray(length, char(200));
    QVERIFY(ImageBlendThread::renderPaletteImage(gray, width, height, palette).isNull());
}

void TestImageBlendThread::renderMatchesStraightforward_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<unsigned>("palette");

    QRandomGenerator random(7);
    for (unsigned palette = 0; palette < PaletteTable::paletteCount; ++palette) {
        const QSize size(1 + random.bounded(200), 1 + random.bounded(150));
        QTest::addRow("palette %u at %dx%d", palette, size.width(), size.height())
          << size << palette;
    }
    QTest::newRow("a single column") << QSize(1, 33) << 2u;
    QTest::newRow("a single row") << QSize(33, 1) << 1u;
}

void TestImageBlendThread::renderMatchesStraightforward()
{
    QFETCH(QSize, size);
    QFETCH(unsigned, palette);
    QRandomGenerator random(size.width() * 1000 + size.height());
    const QByteArray gray = randomGray(random, size.width() * size.height());
    const QImage fast =
      ImageBlendThread::renderPaletteImage(gray, size.width(), size.height(), palette);
    const QImage reference =
      StraightforwardRender::renderPaletteImage(gray, size.width(), size.height(), palette);
    const QString difference = firstDifference(fast, reference);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestImageBlendThread::blendMatchesStraightforward_data()
{
    QTest::addColumn<QSize>("cameraSize");
    QTest::addColumn<QImage::Format>("cameraFormat");
    QTest::addColumn<QSize>("graySize");
    QTest::addColumn<float>("blend");

    const QImage::Format rgb = QImage::Format_RGB32;
    QTest::newRow("a larger camera at half") << QSize(64, 48) << rgb << QSize(16, 12) << 0.5f;
    QTest::newRow("a larger matrix at a quarter") << QSize(20, 10) << rgb << QSize(40, 30) << 0.25f;
    QTest::newRow("equal byte sizes scale the camera")
      << QSize(30, 40) << rgb << QSize(40, 30) << 0.7f;
    QTest::newRow("equal sizes need no scaling") << QSize(33, 21) << rgb << QSize(33, 21) << 0.4f;
    QTest::newRow("blend 0 is the camera") << QSize(50, 40) << rgb << QSize(16, 12) << 0.0f;
    QTest::newRow("blend 1 is the palette") << QSize(50, 40) << rgb << QSize(16, 12) << 1.0f;
    QTest::newRow("a blend just above 0") << QSize(50, 40) << rgb << QSize(16, 12) << 1e-6f;
    QTest::newRow("a blend just below 1") << QSize(50, 40) << rgb << QSize(16, 12) << 0.999999f;
    QTest::newRow("a camera with alpha")
      << QSize(50, 40) << QImage::Format_ARGB32 << QSize(16, 12) << 0.3f;
    QTest::newRow("a premultiplied camera")
      << QSize(50, 40) << QImage::Format_ARGB32_Premultiplied << QSize(16, 12) << 0.6f;
    QTest::newRow("a 16-bit camera")
      << QSize(50, 40) << QImage::Format_RGB16 << QSize(16, 12) << 0.45f;
    QTest::newRow("a premultiplied byte-order camera")
      << QSize(50, 40) << QImage::Format_RGBA8888_Premultiplied << QSize(16, 12) << 0.55f;
    QTest::newRow("a 24-bit camera")
      << QSize(50, 40) << QImage::Format_RGB888 << QSize(16, 12) << 0.8f;
    // 80 x 60 gray bytes against 40 x 30 palette pixels of four bytes: equal again.
    QTest::newRow("a gray camera of equal bytes")
      << QSize(80, 60) << QImage::Format_Grayscale8 << QSize(40, 30) << 0.5f;
    QRandomGenerator random(11);
    for (int row = 0; row < 6; ++row) {
        const QSize camera(1 + random.bounded(300), 1 + random.bounded(200));
        const QSize gray(1 + random.bounded(160), 1 + random.bounded(120));
        const float blend = float(random.generateDouble());
        QTest::addRow("random %dx%d camera, %dx%d matrix, blend %g",
                      camera.width(),
                      camera.height(),
                      gray.width(),
                      gray.height(),
                      double(blend))
          << camera << rgb << gray << blend;
    }
}

void TestImageBlendThread::blendMatchesStraightforward()
{
    QFETCH(QSize, cameraSize);
    QFETCH(QImage::Format, cameraFormat);
    QFETCH(QSize, graySize);
    QFETCH(float, blend);
    QRandomGenerator random(cameraSize.width() * 7919 + graySize.height());
    const QImage camera = randomImage(random, cameraSize, cameraFormat);
    const QByteArray gray = randomGray(random, graySize.width() * graySize.height());
    const QImage palette =
      ImageBlendThread::renderPaletteImage(gray, graySize.width(), graySize.height(), 0);
    const QImage cameraBefore = camera.copy();
    const QImage paletteBefore = palette.copy();
    const QImage fast = ImageBlendThread::blendImages(palette, camera, blend);
    QVERIFY2(camera == cameraBefore && palette == paletteBefore,
             "the result is written over the caller's images");
    const QImage reference = StraightforwardRender::blendImages(palette, camera, blend);
    QVERIFY(!reference.isNull());
    const QString difference = firstDifference(fast, reference);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestImageBlendThread::blendRefusesNullImages()
{
    const QImage image(4, 4, QImage::Format_RGB32);
    QVERIFY(ImageBlendThread::blendImages(QImage(), image, 0.5f).isNull());
    QVERIFY(ImageBlendThread::blendImages(image, QImage(), 0.5f).isNull());
    QVERIFY(ImageBlendThread::blendImages(QImage(), QImage(), 0.5f).isNull());
}

void TestImageBlendThread::everyChannelPairMixesByTheFormula_data()
{
    QTest::addColumn<int>("degree");

    for (int degree = 0; degree <= 100; ++degree)
        QTest::addRow("at degree %d every camera and palette channel pair mixes by the formula",
                      degree)
          << degree;
}

// 256 x 256 pixels of equal size, so nothing is scaled: each channel meets every palette value
// with every camera value once, red and green along opposite axes and blue along a diagonal.
void TestImageBlendThread::everyChannelPairMixesByTheFormula()
{
    QFETCH(int, degree);
    const float blend = float(degree) / 100.0f;
    QImage camera(256, 256, QImage::Format_RGB32);
    QImage palette(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            camera.setPixel(x, y, qRgb(x, y, (x + y) & 0xff));
            palette.setPixel(x, y, qRgb(y, x, (x - y) & 0xff));
        }
    }
    const QImage blended = ImageBlendThread::blendImages(palette, camera, blend);
    const QString difference = firstDifferenceFromFormula(blended, camera, palette, blend);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestImageBlendThread::randomPicturesMixByTheFormula_data()
{
    QTest::addColumn<QSize>("cameraSize");
    QTest::addColumn<QImage::Format>("cameraFormat");
    QTest::addColumn<QSize>("graySize");
    QTest::addColumn<int>("degree");

    const QImage::Format formats[] = { QImage::Format_RGB32,
                                       QImage::Format_ARGB32,
                                       QImage::Format_ARGB32_Premultiplied };
    QRandomGenerator random(17);
    for (int degree = 0; degree <= 100; ++degree) {
        // Every tenth picture is large enough to be shared out between threads in bands.
        const QSize camera = degree % 10 == 5
                               ? QSize(1100 + random.bounded(200), 800 + random.bounded(200))
                               : QSize(1 + random.bounded(240), 1 + random.bounded(160));
        const QSize gray(1 + random.bounded(120), 1 + random.bounded(90));
        QTest::addRow("at degree %d a %dx%d camera over a %dx%d matrix mixes by the formula",
                      degree,
                      camera.width(),
                      camera.height(),
                      gray.width(),
                      gray.height())
          << camera << formats[degree % 3] << gray << degree;
    }
}

// Whichever image is scaled to the other, every output pixel is the formula's mix of the two
// scaled pixels: odd widths reach the end of a row one pixel at a time, and the large pictures
// show a row lost or mixed twice where the bands meet.
void TestImageBlendThread::randomPicturesMixByTheFormula()
{
    QFETCH(QSize, cameraSize);
    QFETCH(QImage::Format, cameraFormat);
    QFETCH(QSize, graySize);
    QFETCH(int, degree);
    const float blend = float(degree) / 100.0f;
    QRandomGenerator random(quint32(degree * 7919 + cameraSize.width()));
    QImage camera = randomImage(random, cameraSize, cameraFormat);
    const QByteArray gray = randomGray(random, graySize.width() * graySize.height());
    QImage palette = ImageBlendThread::renderPaletteImage(
      gray, graySize.width(), graySize.height(), unsigned(degree) % PaletteTable::paletteCount);
    const QImage blended = ImageBlendThread::blendImages(palette, camera, blend);
    if (palette.sizeInBytes() < camera.sizeInBytes())
        palette = palette.scaled(camera.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    else
        camera = camera.scaled(palette.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QString difference = firstDifferenceFromFormula(blended, camera, palette, blend);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestImageBlendThread::run_data()
{
    QTest::addColumn<QSize>("graySize");
    QTest::addColumn<int>("grayLength");
    QTest::addColumn<QSize>("cameraSize");
    QTest::addColumn<float>("blend");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QSize>("resultSize");

    const QSize none;
    const QSize nullSize(0, 0);
    QTest::newRow("blend 0 gives the camera unchanged")
      << QSize(16, 12) << 192 << QSize(64, 48) << 0.0f << Outcome::Camera << QSize(64, 48);
    QTest::newRow("blend 1 gives the palette at the matrix size")
      << QSize(16, 12) << 192 << QSize(64, 48) << 1.0f << Outcome::Palette << QSize(16, 12);
    QTest::newRow("blend 0 without a camera gives the palette")
      << QSize(16, 12) << 192 << none << 0.0f << Outcome::Palette << QSize(16, 12);
    QTest::newRow("half a blend scales the matrix up to the camera")
      << QSize(160, 120) << 19200 << QSize(640, 480) << 0.5f << Outcome::Blend << QSize(640, 480);
    QTest::newRow("a bad matrix length falls back to the camera")
      << QSize(16, 12) << 191 << QSize(64, 48) << 0.5f << Outcome::Camera << QSize(64, 48);
    QTest::newRow("blend 1 with a bad matrix falls back to the camera")
      << QSize(16, 12) << 193 << QSize(64, 48) << 1.0f << Outcome::Camera << QSize(64, 48);
    QTest::newRow("a bad matrix without a camera fails")
      << QSize(16, 12) << 191 << none << 0.5f << Outcome::Failed << nullSize;
    QTest::newRow("zero sizes without a camera fail")
      << QSize(0, 0) << 0 << none << 1.0f << Outcome::Failed << nullSize;
}

void TestImageBlendThread::run()
{
    QFETCH(QSize, graySize);
    QFETCH(int, grayLength);
    QFETCH(QSize, cameraSize);
    QFETCH(float, blend);
    QFETCH(Outcome, outcome);
    QFETCH(QSize, resultSize);

    QRandomGenerator random(3);
    ImageEntity entity;
    entity.grayWidth = graySize.width();
    entity.grayHeight = graySize.height();
    entity.grayData = randomGray(random, grayLength);
    if (cameraSize.isValid())
        entity.cameraImage = randomImage(random, cameraSize, QImage::Format_RGB32);
    const QImage stale(2, 2, QImage::Format_RGB32);
    entity.paletteImage = stale;
    const QImage expectedPalette = ImageBlendThread::renderPaletteImage(
      entity.grayData, entity.grayWidth, entity.grayHeight, PaletteTable::Cool);

    LogCapture log;
    ImageBlendThread* thread = ImageBlendThread::create(&entity, PaletteTable::Cool, blend);
    QVERIFY(thread);
    QImage result;
    int results = 0;
    bool storedFirst = false;
    bool onOwnThread = false;
    const auto record = [&](const QImage& image) {
        ++results;
        result = image;
        storedFirst = entity.paletteImage.cacheKey() != stale.cacheKey();
        onOwnThread = QThread::currentThread() == this->thread();
    };
    connect(thread, &ImageBlendThread::blendSucceed, this, record);
    connect(thread, &ImageBlendThread::blendFailed, this, [&]() { record(QImage()); });
    QSignalSpy destroyed(thread, &QObject::destroyed);
    QVERIFY(thread->launch());
    QVERIFY2(destroyed.wait(10000), "the thread did not finish and delete itself");

    QCOMPARE(results, 1);
    QVERIFY2(storedFirst, "the palette image is stored before the result is reported");
    QVERIFY2(onOwnThread, "results are reported on the thread that created the blend");
    QVERIFY(log.contains(QStringLiteral("ImageBlendThread::run()")));
    QVERIFY(log.contains(QStringLiteral("~ImageBlendThread()")));
    const QString paletteDifference = firstDifference(entity.paletteImage, expectedPalette);
    QVERIFY2(paletteDifference.isEmpty(), qPrintable(paletteDifference));

    QCOMPARE(result.size(), resultSize);
    switch (outcome) {
        case Outcome::Camera:
            QCOMPARE(result.cacheKey(), entity.cameraImage.cacheKey());
            break;
        case Outcome::Palette:
            QCOMPARE(result, entity.paletteImage);
            break;
        case Outcome::Blend:
            QCOMPARE(
              result,
              StraightforwardRender::blendImages(entity.paletteImage, entity.cameraImage, blend));
            break;
        case Outcome::Failed:
            QVERIFY(result.isNull());
            break;
    }
}

void TestImageBlendThread::workerRendersWhatCreateSaw()
{
    ImageEntity entity;
    entity.grayWidth = 2;
    entity.grayHeight = 1;
    entity.grayData = QByteArray::fromHex("00ff");
    ImageBlendThread* thread = ImageBlendThread::create(&entity, PaletteTable::WhiteHot, 1.0f);
    QVERIFY(thread);
    // What the window does to its entity after starting a blend must not reach the worker.
    entity.grayData = QByteArray::fromHex("8080");
    entity.grayWidth = 1;
    entity.grayHeight = 2;
    QSignalSpy succeeded(thread, &ImageBlendThread::blendSucceed);
    QVERIFY(thread->launch());
    QVERIFY(succeeded.wait(10000));
    const QImage image = succeeded.at(0).at(0).value<QImage>();
    QCOMPARE(image.size(), QSize(2, 1));
    QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(1, 0), qRgb(255, 255, 255));
}

QTEST_GUILESS_MAIN(TestImageBlendThread)
#include "tst_imageblendthread.moc"
