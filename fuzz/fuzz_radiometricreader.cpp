// Feeds arbitrary bytes to the photograph reader: it must neither crash nor read out of bounds,
// nor allocate without bound, whatever the file holds.
#include "model/imageentity.h"
#include "model/radiometricreader.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

namespace {
void discard(QtMsgType, const QMessageLogContext&, const QString&) {}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qInstallMessageHandler(discard);
    // Image plugins are found through the application object.
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > size_t(RadiometricReader::maximumFileSize))
        return 0;
    const QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    ImageEntity entity;
    const bool decoded = RadiometricReader::read(bytes, entity);
    // Without images a walk over the JPEG headers runs instead of the decoder; whether a file
    // reads must not depend on it, and a failure must say why.
    ImageEntity skipped;
    QString error;
    const bool read =
      RadiometricReader::read(bytes, skipped, &error, RadiometricReader::Images::Skip);
    if (read != decoded || read != error.isEmpty() || skipped.extension != entity.extension ||
        skipped.details.blend != entity.details.blend)
        std::abort();
    return 0;
}
