#pragma once

#include "model/temperaturerange.h"

#include <QWidget>

class PhotographDocument;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class Ui_Widget;

// The compact control under the palette bar that chooses how temperatures spread over the
// palette: the camera's picture, the matrix's own range, its histogram, or a range typed in the
// display unit. It sets the document's range, renders, and keeps the bar's end values in step.
class RangeControl : public QWidget
{
    Q_OBJECT
public:
    RangeControl(Ui_Widget* ui, PhotographDocument* document, QWidget* parent);

    // A box for a temperature in the display unit, in tenths, that fits the palette column.
    static QDoubleSpinBox* temperatureBox(const char* name, QWidget* parent);

    // Shows the document's range in the display unit; after a photograph or a unit change.
    void showRange();
    // The texts of the current language.
    void retranslate();

protected:
    // The wheel over the palette bar moves the level; a drag on its middle moves the level, on
    // either end that end. Either starts a manual range from the ends on show.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onModeChosen(int index);
    // The ends on show in ℃: the range's own for Manual, the matrix's for Auto and Histogram,
    // the photograph's hottest and coldest for the camera's picture.
    TemperatureRange shownRange() const;
    void moveTo(double bottom, double top);
    void onEndsEdited();
    void apply(const TemperatureRange& range);
    int unit() const;

    Ui_Widget* ui;
    PhotographDocument* document;
    QComboBox* mode;
    QDoubleSpinBox* high;
    QDoubleSpinBox* low;
    QCheckBox* keep;
    enum class Grip
    {
        None,
        Level,
        Top,
        Bottom,
    };
    Grip grip = Grip::None;
    double gripY = 0;
    TemperatureRange gripRange;
};
