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

    // Shows the document's range in the display unit; after a photograph or a unit change.
    void showRange();
    // The texts of the current language.
    void retranslate();

private:
    void onModeChosen(int index);
    void onEndsEdited();
    void apply(const TemperatureRange& range);
    int unit() const;

    Ui_Widget* ui;
    PhotographDocument* document;
    QComboBox* mode;
    QDoubleSpinBox* high;
    QDoubleSpinBox* low;
    QCheckBox* keep;
};
