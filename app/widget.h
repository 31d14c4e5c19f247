#pragma once

#include "model/imagesavethread.h"

#include <QFileInfo>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

class LabelElider;
class PhotographDocument;
class PreviewPanel;
class QPushButton;
class QTranslator;
class Ui_Widget;
class DisplayPreferences;
class IsothermControl;
class MeasurementPane;
class ObjectParametersEditor;
class RangeControl;
class UnsavedMeasurements;
class WindowNotice;

// The one window, a view of the photograph document: opens a photograph, shows its details and
// rendering, and carries the measurement and save commands. What it shows follows the document;
// its controls change the document, never the other way round.
class Widget : public QWidget
{
    Q_OBJECT
public:
    explicit Widget(QWidget* parent = nullptr);
    ~Widget() override;

    // Opens a photograph as the open command does, without the dialog. False, changing nothing,
    // while another parse runs.
    bool openPhotograph(const QString& path);
    // Opens the next (1) or previous (-1) photograph of the shown one's folder, passing over
    // files that fail to open.
    void stepPhotograph(int step);

private slots:
    void on_title_language_currentIndexChanged(int index);
    void on_menu_open_clicked();
    void on_details_blend_valueChanged(int value);
    void on_details_palette_currentIndexChanged(int index);
    void on_details_unit_currentIndexChanged(int index);
    void on_menu_point_clicked();
    void on_menu_line_clicked();
    void on_menu_rect_clicked();
    void on_menu_oval_clicked();
    void on_menu_free_clicked();
    void on_menu_back_clicked();
    void on_menu_clear_clicked();
    void on_menu_save_clicked();
    void on_details_feature_stateChanged(int arg1);
    void onParseFailed();
    void onParseSucceed();
    void onBlendFailed();
    void onBlendSucceed(QImage image);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void initLanguage();
    void initWindow();
    void initTitleBar();
    void initMenuBar();
    void initContent();
    void initShortcuts();
    void refreshToolTips();
    void startParse(const QString& path);
    void cancelDragOrTool();
    void showDetails();
    void showPalette();
    void showUnit();
    void showPreview(const QPixmap& pixmap);
    void startBlend();
    void refreshTexts();
    void refreshToolButtons();
    void toggleTool(int mode);
    void loadTranslation(int index);
    void setCommandEnabled(QPushButton* button, bool enabled);
    void endParse();
    void onSaveFinished(ImageSaveThread::Outcome outcome,
                        const QString& target,
                        const QString& source,
                        const QString& reason);

    Ui_Widget* ui;
    QString filePath;
    QFileInfo fileInfo;
    // Owns the photograph shown, its shapes and settings, and the saves still writing, which it
    // waits for when the window closes, as the preview waits for its reads.
    PhotographDocument* document = nullptr;
    int drawMode = 4;
    int currentUnit = 0;
    QTranslator* translator = nullptr;
    // What the last command came to; never part of the drawing surface, so no snapshot holds it.
    WindowNotice* notice = nullptr;
    UnsavedMeasurements* unsaved = nullptr;
    RangeControl* ranges = nullptr;
    IsothermControl* isotherms = nullptr;
    DisplayPreferences* preferences = nullptr;
    ObjectParametersEditor* objectEditor = nullptr;
    MeasurementPane* measurements = nullptr;
    PreviewPanel* preview = nullptr;
    LabelElider* fileName = nullptr;
    bool parsing = false;
    // The direction of a step through the folder while its parse runs, else 0.
    int stepping = 0;
};
