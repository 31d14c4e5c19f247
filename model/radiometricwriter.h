#pragma once

#include "model/imagedrawpath.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>

class ImageEntity;
class RadiometricLayout;

// Builds the bytes of an annotated copy of a photograph, in memory and without touching any file:
// the snapshot JPEG, the source's Screen and Camera JPEGs, matrices and device block with the
// display settings patched in, the shape block, the feature block and the extension block.
// Each step writes the save's debug lines, so a caller that runs the steps one by one around its
// own file handling tells the same story as write().
//
// The source must be the photograph the entity was read from: bytes that the reader would
// refuse, or whose pictures, matrices or device block differ from the entity's, are not taken.
// A photograph with its Screen image alone is written without the snapshot in front: two
// pictures would read back as a Screen and a Camera image, the snapshot taking the thermal
// picture's place.
class RadiometricWriter
{
public:
    enum class Outcome
    {
        Written,
        SourceInvalid,
        SourceChanged,
        SnapshotUnencodable,
    };

    struct Settings
    {
        int palette = 0;
        int unit = 0;
        // The slider's degree, 0 to 100; the device block keeps the nearest of its five codes,
        // the extension block the degree itself.
        int blend = 0;
        bool featureShown = true;
    };

    RadiometricWriter() = delete;

    // The whole file into file; file is left empty unless the outcome is Written. snapshotJpeg
    // is ignored when takesSnapshot() is false. extension's keys are carried into the extension
    // block next to this program's own.
    static Outcome write(const QByteArray& source,
                         const ImageEntity& entity,
                         const Settings& settings,
                         const QList<ImageDrawPath>& shapes,
                         const QByteArray& snapshotJpeg,
                         const QJsonObject& extension,
                         QByteArray& file);

    // The steps of write(), in its order.
    // The source's bytes from the Screen JPEG to the end of the device block, settings patched in.
    static Outcome keepSource(const QByteArray& source,
                              const ImageEntity& entity,
                              const Settings& settings,
                              QByteArray& kept);
    // The shape block between its tags: the length field, then points, lines, rectangles, ovals.
    static QByteArray shapePayload(const QList<ImageDrawPath>& shapes);
    static bool takesSnapshot(const ImageEntity& entity);
    // Whether the bytes open and close as exactly one JPEG, as the reader will cut them out.
    static bool isSnapshotJpeg(const QByteArray& jpeg);
    // The extension block's JSON: "version" first, then "blend" and the carried keys. Never more
    // than maximumExtensionPayload bytes: when the carried keys would make it larger, the largest
    // of them are left out until it fits; this program's own keys always fit.
    static QByteArray extensionPayload(const QJsonObject& extension, int blend);
    static QByteArray assemble(const QByteArray& snapshotJpeg,
                               const QByteArray& kept,
                               const QByteArray& shapePayload,
                               bool featureShown,
                               const QByteArray& extensionPayload);

    // The stored blend code, one of 100, 75, 50, 25, 0: the nearest to 100 minus the slider value.
    static int blendCodeFor(int blend);

private:
    static bool isEntityLayout(const RadiometricLayout& layout, const ImageEntity& entity);
};
