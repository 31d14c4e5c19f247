#include "cli/photographapply.h"

#include "model/imageentity.h"
#include "model/radiometricformat.h"
#include "model/radiometriclayout.h"
#include "model/radiometricreader.h"
#include "model/radiometricwriter.h"
#include "model/wholefile.h"

#include <QFile>

bool PhotographApply::apply(const QByteArray& source,
                            const Settings& settings,
                            QByteArray& result,
                            QString& error)
{
    result.clear();
    if (!RadiometricLayout::beginsAsImage(source)) {
        error = QStringLiteral("not a JPEG file");
        return false;
    }
    ImageEntity photo;
    if (!RadiometricReader::read(source, photo, &error, RadiometricReader::Images::Skip)) {
        if (error.isEmpty())
            error = QStringLiteral("not a radiometric photograph");
        return false;
    }
    const ImageDetails& details = photo.details;
    RadiometricWriter::Settings written{ settings.palette.value_or(details.palette),
                                         settings.unit.value_or(details.unit),
                                         details.blend,
                                         details.featureShown };
    QByteArray kept;
    switch (RadiometricWriter::keepSource(source, photo, written, kept)) {
        case RadiometricWriter::Outcome::Written:
            break;
        default:
            error = QStringLiteral("the photograph's layout cannot be written back");
            return false;
    }
    const RadiometricLayout layout = RadiometricLayout::locate(source);
    // keepSource() writes the blend as the nearest of its five codes; a camera's own code is
    // kept as the camera wrote it.
    const int start = layout.jpegs[layout.jpegCount == 3 ? 1 : 0].x();
    const int blend = int(layout.deviceOffset) + RadiometricFormat::blendOffset;
    kept.replace(blend - start, 4, source.mid(blend, 4));
    // The picture in front, when there is one, is kept too: nothing here paints a new one.
    const QByteArray front =
      layout.jpegCount == 3
        ? source.mid(layout.jpegs[0].x(), layout.jpegs[0].y() - layout.jpegs[0].x() + 1)
        : QByteArray();

    QJsonObject extension = photo.extension;
    if (settings.range)
        extension.insert(QStringLiteral("range"), settings.range->toJson());
    if (settings.isotherm)
        extension.insert(QStringLiteral("isotherm"), settings.isotherm->toJson());
    if (!settings.object.isEmpty()) {
        const ObjectParameters object = settings.object.over(photo.objectParameters());
        // As the window saves them: only parameters other than the camera's are kept.
        if (object == ObjectParameters::ofCamera(details.emissivity))
            extension.remove(QStringLiteral("object"));
        else
            extension.insert(QStringLiteral("object"), object.toJson());
    }
    result =
      RadiometricWriter::assemble(front,
                                  kept,
                                  RadiometricWriter::shapePayload(photo.image_drawpaths),
                                  details.featureShown,
                                  RadiometricWriter::extensionPayload(extension, details.blend));
    return true;
}

bool PhotographApply::apply(const QString& source,
                            const QString& target,
                            const Settings& settings,
                            QString& error)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot be opened: ") + file.errorString();
        return false;
    }
    if (file.size() > RadiometricReader::maximumFileSize) {
        error = QStringLiteral("the file is too large to be a photograph");
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size()) {
        error = QStringLiteral("cannot be read: ") + file.errorString();
        return false;
    }
    file.close();
    QByteArray result;
    if (!apply(bytes, settings, result, error))
        return false;
    QString reason;
    if (!WholeFile::write(target, result, &reason)) {
        error = QStringLiteral("cannot be written to ") + target + QStringLiteral(": ") + reason;
        return false;
    }
    return true;
}
