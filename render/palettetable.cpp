#include "render/palettetable.h"

#include <array>

namespace {

using Table = std::array<QRgb, PaletteTable::entryCount>;

constexpr Table spectrumTable()
{
    Table table{};
    for (int i = 0; i < 256; ++i) {
        if (i <= 51) {
            table[i] = qRgb(0, 0, 5 * i);
        } else if (i <= 102) {
            const int k = i - 51;
            table[i] = qRgb(0, 128 * k / 51, 255 - 5 * k);
        } else if (i <= 153) {
            const int k = i - 102;
            table[i] = qRgb(5 * k, 128 + 127 * k / 51, 0);
        } else if (i <= 204) {
            const int k = i - 153;
            table[i] = qRgb(255, 255 - 5 * k, 0);
        } else {
            const int k = i - 204;
            table[i] = qRgb(255, 5 * k, 5 * k);
        }
    }
    return table;
}

constexpr Table ironTable()
{
    Table table{};
    for (int i = 0; i < 256; ++i) {
        if (i <= 63) {
            table[i] = qRgb(0, 0, 255 * i / 63);
        } else if (i <= 127) {
            const int k = i - 64;
            table[i] = qRgb(3 + 4 * k, 0, 252 - 4 * k);
        } else if (i <= 191) {
            const int k = i - 128;
            table[i] = qRgb(255, 3 + 4 * k, 0);
        } else {
            const int k = i - 192;
            table[i] = qRgb(255, 255, 3 + 4 * k);
        }
    }
    return table;
}

struct CoolStop
{
    int gray;
    int red, green, blue;
};

// The cool palette is drawn through these stops; the entries between two stops lie on the
// straight line joining them.
constexpr CoolStop coolStops[] = {
    { 0, 1, 3, 2 },         { 1, 1, 3, 2 },         { 32, 1, 64, 64 },      { 64, 1, 128, 127 },
    { 96, 64, 64, 191 },    { 128, 127, 1, 254 },   { 160, 191, 64, 127 },  { 192, 254, 127, 1 },
    { 224, 254, 191, 127 }, { 240, 254, 222, 191 }, { 254, 254, 250, 246 }, { 255, 254, 250, 246 },
};

// Rounds from + (to - from) * step / steps to the nearest integer, halves away from zero.
constexpr int interpolate(int from, int to, int step, int steps)
{
    const int numerator = 2 * (to - from) * step;
    const int offset =
      numerator >= 0 ? (numerator + steps) / (2 * steps) : -((-numerator + steps) / (2 * steps));
    return from + offset;
}

constexpr Table coolTable()
{
    Table table{};
    for (int stop = 0; stop + 1 < int(sizeof(coolStops) / sizeof(coolStops[0])); ++stop) {
        const CoolStop& from = coolStops[stop];
        const CoolStop& to = coolStops[stop + 1];
        const int steps = to.gray - from.gray;
        for (int step = 0; step <= steps; ++step) {
            table[from.gray + step] = qRgb(interpolate(from.red, to.red, step, steps),
                                           interpolate(from.green, to.green, step, steps),
                                           interpolate(from.blue, to.blue, step, steps));
        }
    }
    return table;
}

constexpr Table whiteHotTable()
{
    Table table{};
    for (int i = 0; i < 256; ++i)
        table[i] = qRgb(i, i, i);
    return table;
}

constexpr Table blackHotTable()
{
    Table table{};
    for (int i = 0; i < 256; ++i)
        table[i] = qRgb(255 - i, 255 - i, 255 - i);
    return table;
}

constexpr Table tables[PaletteTable::paletteCount] = {
    spectrumTable(), ironTable(), coolTable(), whiteHotTable(), blackHotTable(),
};

} // namespace

const QRgb* PaletteTable::colors(unsigned palette)
{
    return palette < paletteCount ? tables[palette].data() : nullptr;
}
