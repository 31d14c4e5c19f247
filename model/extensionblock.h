#pragma once

#include <QByteArray>
#include <QJsonObject>

class ImageEntity;

// Korvex's own block behind the feature block: a tag, a 32-bit length, a compact UTF-8 JSON
// object and a closing tag. It holds what the camera's layout cannot, and readers of that layout
// stop before it.
class ExtensionBlock
{
public:
    ExtensionBlock() = delete;

    // Reads a block starting at offset, if there is one. A sound block's object goes into the
    // entity, and a valid "blend" in it replaces the degree the device block keeps in steps of
    // 25; a damaged or oversized one is ignored with a debug line, the entity left as it was.
    static void read(const QByteArray& bytes, qint64 offset, ImageEntity& entity);
    // The block's JSON: "version" first, then "blend" and the carried keys. Never more than
    // RadiometricFormat::maximumExtensionPayload bytes: when the carried keys would make it
    // larger, the largest of them are left out, with a debug line.
    static QByteArray payload(const QJsonObject& extension, int blend);
};
