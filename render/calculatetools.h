#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

// Carries points and rectangles between the drawing label, the Screen image and the temperature
// matrix. Every integer result is truncated toward zero, never rounded.
class CalculateTools : public QObject
{
    Q_OBJECT
public:
    explicit CalculateTools(QObject* parent);

    static QPoint pointFromRatio(float fx, float fy, int width, int height);
    static QPoint mapPointBetweenSizes(int x,
                                       int y,
                                       int fromWidth,
                                       int fromHeight,
                                       int toWidth,
                                       int toHeight);
    static QRect rectFromCorners(int x1, int y1, int x2, int y2);
};
