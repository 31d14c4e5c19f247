#pragma once

#include "model/objectparameters.h"

#include <QWidget>

class ImageDrawLabel;
class MeasurementPlot;
class PhotographDocument;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The measurements of the photograph shown, in a pane under it: one row for each of the
// photograph's hottest, coldest and centre points, then one per shape. It takes the bottom of
// the photograph's area while shown (F9 shows and hides it; the choice lasts), and the photograph
// fits itself into what is left, so no control of the window moves or hides.
class MeasurementPane : public QWidget
{
    Q_OBJECT
public:
    MeasurementPane(PhotographDocument* document, ImageDrawLabel* surface, QWidget* area);

    void setShown(bool shown);
    bool isShown() const { return shownPane; }
    void retranslate();
    // The rows again, after the photograph, its shapes or how it is shown changed.
    void refresh();
    // The table as tab-separated text, a header line first, as Copy puts it on the clipboard.
    QString tabSeparated() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    void onReferenceChosen(int index);
    void onCriterionChosen(int index);
    void onItemEdited(int row, int column);
    void removeCurrentShape();
    // The picture beside the table for a row: a line's profile, an area's histogram, or the
    // whole photograph's histogram for any other row.
    void showPlot(int row);

    PhotographDocument* document;
    ImageDrawLabel* surface;
    QWidget* area;
    QTableWidget* table;
    QLabel* referenceCaption;
    QComboBox* reference;
    QLabel* criterionCaption;
    QComboBox* criterion;
    QPushButton* copy;
    MeasurementPlot* plot;
    QPushButton* copyPlot;
    bool shownPane = false;
    bool filling = false;
    // What the rows were last made with.
    int tableUnit = -1;
    ObjectParameters tableObject;
};
