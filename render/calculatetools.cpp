#include "render/calculatetools.h"

#include <cmath>
#include <limits>

namespace {

// A zero size or a wild fraction must not become undefined behaviour in the conversion to int.
int truncated(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    if (value <= lowest)
        return std::numeric_limits<int>::min();
    if (value >= highest)
        return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

} // namespace

CalculateTools::CalculateTools(QObject* parent)
  : QObject(parent)
{
}

QPoint CalculateTools::pointFromRatio(float fx, float fy, int width, int height)
{
    const float x = width * fx;
    const float y = height * fy;
    return QPoint(truncated(x), truncated(y));
}

QPoint CalculateTools::mapPointBetweenSizes(int x,
                                            int y,
                                            int fromWidth,
                                            int fromHeight,
                                            int toWidth,
                                            int toHeight)
{
    const double mappedX = double(x) / fromWidth * toWidth;
    const double mappedY = double(y) / fromHeight * toHeight;
    return QPoint(truncated(mappedX), truncated(mappedY));
}

QRect CalculateTools::rectFromCorners(int x1, int y1, int x2, int y2)
{
    return QRect(qMin(x1, x2), qMin(y1, y2), qAbs(x2 - x1), qAbs(y2 - y1));
}
