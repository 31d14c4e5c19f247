// Feeds arbitrary bytes to the save as the photograph being annotated. Whatever the source holds,
// the save either refuses and leaves nothing behind, or writes a file that reads back with the
// source's matrices and device information, the settings given, the new shapes and the extension
// block: its keys as carried, with the exact blend.
#include "model/imagedrawpath.h"
#include "model/imageentity.h"
#include "model/imagesavethread.h"
#include "model/radiometriclayout.h"
#include "model/radiometricreader.h"
#include "model/radiometricwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void discard(QtMsgType, const QMessageLogContext&, const QString&) {}

QTemporaryDir* folder = nullptr;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// The shapes drawn on the photograph, with every coordinate inside the picture.
QList<ImageDrawPath> drawnShapes(quint8 seed)
{
    QList<ImageDrawPath> shapes;
    for (int type = 0; type < 4; ++type) {
        ImageDrawPath shape;
        shape.type = type;
        const float offset = float((seed + 37 * type) % 100) / 200.0f;
        shape.points[0] = PathPoint(offset, offset / 2, 0.0f, 0);
        shape.points[1] = PathPoint(offset + 0.4f, offset + 0.3f, 0.0f, 0);
        shape.points[3] = PathPoint(offset + 0.1f, offset + 0.2f, 20.0f + type, 0);
        shape.points[4] = PathPoint(offset + 0.2f, offset + 0.1f, -5.5f * type, 0);
        shapes.append(shape);
    }
    return shapes;
}

// What the file keeps of a point: its fraction and value in the record's integer steps, rounded
// to the nearest as the texts on screen round.
int stored(float value, float factor)
{
    return int(std::round(double(value) * double(factor)));
}

void checkShapes(const QList<ImageDrawPath>& drawn, const QList<ImageDrawPath>& read)
{
    check(read.size() == drawn.size());
    for (int i = 0; i < drawn.size(); ++i) {
        check(read[i].type == drawn[i].type);
        const PathPoint& want = drawn[i].points[3];
        const PathPoint& got = read[i].points[3];
        check(stored(want.x, 10000) == qRound(got.x * 10000));
        check(stored(want.y, 10000) == qRound(got.y * 10000));
        check(stored(want.value, 10) == qRound(got.value * 10));
    }
}

void checkDetails(const ImageDetails& source, const ImageDetails& saved)
{
    check(saved.infoLength == source.infoLength);
    check(saved.infoText1 == source.infoText1 && saved.infoText2 == source.infoText2);
    check(saved.captureTime == source.captureTime);
    check(saved.emissivity == source.emissivity);
    for (auto point :
         { &ImageFeature::centrePoint, &ImageFeature::maxPoint, &ImageFeature::minPoint }) {
        check((saved.feature.*point).x == (source.feature.*point).x);
        check((saved.feature.*point).y == (source.feature.*point).y);
        check((saved.feature.*point).temperature == (source.feature.*point).temperature);
    }
    check(saved.margin.top == source.margin.top && saved.margin.right == source.margin.right);
    check(saved.margin.bottom == source.margin.bottom && saved.margin.left == source.margin.left);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qInstallMessageHandler(discard);
    // Image plugins are found through the application object.
    static QCoreApplication application(*argc, *argv);
    static QTemporaryDir temporary;
    folder = &temporary;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 1 << 20)
        return 0;
    const QByteArray bytes = QByteArray(reinterpret_cast<const char*>(data), int(size));
    // Only a photograph that opened is ever saved; the window's entity comes from the reader.
    ImageEntity entity;
    if (!RadiometricLayout::beginsAsImage(bytes) ||
        !RadiometricReader::read(bytes, entity, nullptr, RadiometricReader::Images::Skip))
        return 0;

    const quint8 seed = quint8(data[size - 1]);
    // Half the saves start from the bytes read at open and never see a source file.
    const bool fromBytes = seed & 2;
    const QString source = folder->filePath(QStringLiteral("source.jpg"));
    const QString target = folder->filePath(QStringLiteral("target.jpg"));
    QFile::remove(source);
    QFile::remove(target);
    if (!fromBytes) {
        QFile file(source);
        check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    const QList<ImageDrawPath> shapes = drawnShapes(seed);
    const int palette = seed % 5;
    const int unit = seed % 3;
    const bool feature = seed & 1;
    const int blend = seed % 101;
    // A key this program does not know rides along with whatever the photograph carried.
    entity.extension.insert(QStringLiteral("fuzz"), int(seed));
    const QJsonObject carried =
      QJsonDocument::fromJson(RadiometricWriter::extensionPayload(entity.extension, blend))
        .object();
    QImage snapshot(32, 24, QImage::Format_RGB32);
    snapshot.fill(QColor(seed, 255 - seed, 90));
    ImageSaveThread* thread =
      fromBytes ? ImageSaveThread::create(
                    source, bytes, target, shapes, &entity, palette, unit, blend, feature, snapshot)
                : ImageSaveThread::create(
                    source, target, shapes, &entity, palette, unit, blend, feature, snapshot);
    const bool saved = thread->save();
    delete thread;

    const QStringList left = QDir(folder->path()).entryList(QDir::Files | QDir::Hidden);
    const int sources = fromBytes ? 0 : 1;
    if (!saved) {
        check(left.size() == sources &&
              (fromBytes || left.first() == QStringLiteral("source.jpg")));
        return 0;
    }
    check(left.size() == sources + 1);
    QFile written(target);
    check(written.open(QIODevice::ReadOnly));
    ImageEntity back;
    check(
      RadiometricReader::read(written.readAll(), back, nullptr, RadiometricReader::Images::Skip));
    check(back.temperatureWidth == entity.temperatureWidth);
    check(back.temperatureHeight == entity.temperatureHeight);
    check(back.temperatureData == entity.temperatureData);
    check(back.grayWidth == entity.grayWidth && back.grayHeight == entity.grayHeight);
    check(back.grayData == entity.grayData);
    check(back.screenLength == entity.screenLength && back.cameraLength == entity.cameraLength);
    check((back.featureLength > 0) == (entity.cameraLength > 0));
    checkDetails(entity.details, back.details);
    check(back.details.palette == palette && back.details.unit == unit);
    check(back.details.blend == blend && back.details.featureShown == feature);
    checkShapes(shapes, back.image_drawpaths);
    check(back.extension == carried);
    check(back.extension.value(QStringLiteral("version")).toInt() == 1);
    check(back.extension.value(QStringLiteral("blend")).toInt() == blend);
    return 0;
}
