#pragma once

#include <QtGlobal>

// Where the fields of a radiometric photograph lie, shared by the reader and the writer. Offsets
// inside the device block count from its first byte, the block's own length field.
namespace RadiometricFormat {

// Tagged blocks behind the device block: the shapes, the feature setting, then this program's
// extension, each opened by a tag of tagSize bytes and closed by one of endTagSize bytes.
constexpr char regionTag[] = "<mzr-region>";
constexpr char regionEndTag[] = "</mzr-region>";
constexpr char featureTag[] = "<mzr-featre>";
constexpr char featureEndTag[] = "</mzr-featre>";
constexpr char extensionTag[] = "<korvex-ext>";
constexpr char extensionEndTag[] = "</korvex-ext>";
constexpr int tagSize = 12;
constexpr int endTagSize = 13;
static_assert(sizeof(regionTag) - 1 == tagSize && sizeof(featureTag) - 1 == tagSize &&
                sizeof(extensionTag) - 1 == tagSize,
              "every opening tag has the same size");
static_assert(sizeof(regionEndTag) - 1 == endTagSize && sizeof(featureEndTag) - 1 == endTagSize &&
                sizeof(extensionEndTag) - 1 == endTagSize,
              "every closing tag has the same size");

// The i32 that gives the length of the shape and extension payloads.
constexpr int blockLengthSize = 4;

// Matrix sections: u16 width, u16 height, then the cells.
constexpr int matrixHeaderSize = 4;
constexpr int temperatureCellSize = 2;

// Device block fields.
constexpr int deviceLengthSize = 4;
constexpr int deviceText1Offset = 4;
constexpr int deviceText2Offset = 24;
constexpr int captureTimeOffset = 44;
constexpr int deviceTextSize = 20;
constexpr int centrePointOffset = 64;
constexpr int maxPointOffset = 72;
constexpr int minPointOffset = 80;
constexpr int emissivityOffset = 88;
constexpr int paletteOffset = 92;
constexpr int unitOffset = 96;
constexpr int blendOffset = 100;
// A block of this length ends with the blend field and has no margin fields; its camera always
// leaves shortBlockMargin rows above and below the picture.
constexpr int shortDeviceLength = 104;
constexpr int shortBlockMargin = 13;
constexpr int marginTopOffset = 104;
constexpr int marginRightOffset = 106;
constexpr int marginBottomOffset = 108;
constexpr int marginLeftOffset = 110;

// Shape block: i32 payload length, then per kind a u16 count and its records. A record holds
// the start, end, maximum and minimum points, each as u16 x, u16 y (fractions × 10000) and i32
// value (tenths of ℃).
constexpr int shapeKinds = 4;
constexpr int shapeRecordSize = 32;
constexpr int recordPointSize = 8;
constexpr float positionScale = 10000.0f;
constexpr float valueScale = 10.0f;

// Feature block: tag, one byte (0 hidden), closing tag.
constexpr int featureBlockSize = tagSize + 1 + endTagSize;

// Extension block: tag, i32 payload length, a compact UTF-8 JSON object, closing tag.
constexpr int maximumExtensionPayload = 256 * 1024;
constexpr int extensionVersion = 1;

} // namespace RadiometricFormat
