#pragma once

#include "model/temperaturerange.h"

#include <QColor>
#include <QWidget>

#include <functional>

class PhotographDocument;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QToolButton;

// The isotherm under the range control: which temperatures show in a colour of their own
// (above a limit, below one, or between two, typed in the display unit), that colour, whether
// the palette shows through it, and the share of the picture it covers.
class IsothermControl : public QWidget
{
    Q_OBJECT
public:
    IsothermControl(PhotographDocument* document, QWidget* parent);

    // Shows the document's isotherm in the display unit and the share it covers.
    void showIsotherm();
    void retranslate();

protected:
    // A click on the translucency's caption toggles it, as a check box's own text would.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Asks for the isotherm's colour, starting from the one in force; an invalid colour keeps
    // it. A colour dialog unless a test puts its own answer in.
    std::function<QColor(const QColor&)> chooseColour;

private:
    void onKindChosen(int index);
    void onLimitEdited();
    void onColourClicked();
    void apply(const Isotherm& isotherm);
    int unit() const;

    PhotographDocument* document;
    QLabel* caption;
    QComboBox* kind;
    QDoubleSpinBox* first;
    QDoubleSpinBox* second;
    QToolButton* colour;
    QCheckBox* translucent;
    // Beside the check box rather than its text: the box's own text takes more of the narrow
    // column than a label does.
    QLabel* translucentText;
    QLabel* share;
};
