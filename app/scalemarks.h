#pragma once

#include "render/scalestrip.h"

#include <QWidget>

class PhotographDocument;

// Ticks with their values beside the palette bar, and the isotherm's band along it, for a range
// drawn from the temperatures. Lies over the bar's column without taking its mouse, so the bar
// keeps its wheel and drags. With the camera's own picture the bar keeps its ends only: the gray
// levels the camera stored have no stated temperature between them.
class ScaleMarks : public QWidget
{
    Q_OBJECT
public:
    ScaleMarks(QWidget* bar, PhotographDocument* document);

    // The scale the marks are drawn from, for the range, palette, unit and isotherm in force.
    const ScaleStrip& scale() const { return strip; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void rebuild();
    void follow();

    QWidget* bar;
    PhotographDocument* document;
    ScaleStrip strip;
};
