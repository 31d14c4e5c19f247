#include "app/widget.h"

#include "app/applicationfont.h"
#include "app/commandkeys.h"
#include "app/detailspanel.h"
#include "app/displaypreferences.h"
#include "app/isothermcontrol.h"
#include "app/labelelider.h"
#include "app/measurementpane.h"
#include "app/noticetexts.h"
#include "app/objectparameterseditor.h"
#include "app/photographfiles.h"
#include "app/previewpanel.h"
#include "app/rangecontrol.h"
#include "app/scalemarks.h"
#include "app/settingstools.h"
#include "app/surfacemenu.h"
#include "app/unsavedmeasurements.h"
#include "app/viewtools.h"
#include "app/windowevents.h"
#include "app/windowfit.h"
#include "app/windownotice.h"
#include "app/windowstyle.h"
#include "document/photographdocument.h"
#include "ui_widget.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QFileDialog>
#include <QTranslator>

#include <utility>

Widget::Widget(QWidget* parent)
  : QWidget(parent)
  , ui(new Ui_Widget)
{
    initLanguage();
    ui->setupUi(this);
    notice = new WindowNotice(ui->widget_title_bar, ui->widget_4, ui->title_language);
    new WindowFit(this, ui->operation_details, ui->operation_image);
    document = new PhotographDocument(this);
    ui->image_draw->setDocument(document);
    connect(document, &PhotographDocument::openFailed, this, &Widget::onParseFailed);
    connect(document, &PhotographDocument::photographReplaced, this, &Widget::onParseSucceed);
    connect(document, &PhotographDocument::renderFailed, this, &Widget::onBlendFailed);
    connect(document, &PhotographDocument::pictureRendered, this, &Widget::onBlendSucceed);
    connect(document, &PhotographDocument::saveFinished, this, &Widget::onSaveFinished);
    initWindow();
    initTitleBar();
    initMenuBar();
    initContent();
    initShortcuts();
    new WindowEvents(this,
                     ui->content_image,
                     { [this] { return !parsing; },
                       [this](const QString& path) { return openPhotograph(path); },
                       [this] { ui->image_draw->refitImage(); } });
    new SurfaceMenu(ui->image_draw, notice, [this] { return fileInfo.filePath(); });
    ranges = new RangeControl(ui, document, ui->content_palette);
    ui->verticalLayout_3->addWidget(ranges);
    isotherms = new IsothermControl(document, ui->content_palette);
    ui->verticalLayout_3->addWidget(isotherms);
    new ScaleMarks(ui->palette_image, document);
    measurements = new MeasurementPane(document, ui->image_draw, ui->content_image);
    CommandKeys::add(this, "F9", [this] { measurements->setShown(!measurements->isShown()); });
    objectEditor = new ObjectParametersEditor(document, ui->details_emissivity);
    CommandKeys::add(this, "Ctrl+E", [this] { objectEditor->open(); });
    connect(document, &PhotographDocument::objectParametersChanged, this, [this] {
        DetailsPanel::showTexts(
          ui, *document->photograph(), currentUnit, document->settings().range);
        ui->image_draw->update();
        startBlend();
    });
    preferences = new DisplayPreferences(document,
                                         ui->details_unit,
                                         ui->details_palette,
                                         ranges->findChild<QWidget*>(QStringLiteral("range_mode")),
                                         ui->details_blend);
    unsaved = new UnsavedMeasurements(
      this, document, notice, [this] { return ui->image_draw->savedPicture(); });
    connect(ui->image_draw, &ImageDrawLabel::shapeDiscarded, this, [this] {
        notice->showNotice(NoticeTexts::shapeTooSmall(), WindowNotice::Failure);
    });
}

Widget::~Widget()
{
    // It watches the palette bar through ui, which goes before the window's own widgets do, and
    // they still have events to hand out as the window closes.
    delete ranges;
    delete ui;
}

void Widget::initLanguage()
{
    ApplicationFont::apply();
    translator = new QTranslator(this);
    loadTranslation(SettingsTools::startupLanguage());
}

void Widget::loadTranslation(int index)
{
    // A failed load leaves the translator empty, which shows the source texts.
    translator->load(SettingsTools::translationFile(index));
    QCoreApplication::installTranslator(translator);
}

void Widget::initWindow()
{
    WindowStyle::styleWindow(this, ui);
}

void Widget::initTitleBar()
{
    WindowStyle::styleTitleBar(ui);
    ui->title_language->setCurrentIndex(SettingsTools::getLanguage());
}

void Widget::initMenuBar()
{
    WindowStyle::styleMenuBar(ui);
}

void Widget::initContent()
{
    WindowStyle::styleContent(ui);
    fileName = new LabelElider(ui->details_name);
    preview = new PreviewPanel(ui->image_label);
}

void Widget::initShortcuts()
{
    CommandKeys::install(this, ui);
    CommandKeys::add(this, "Esc", [this] { cancelDragOrTool(); });
    CommandKeys::add(this, "F11", [this] { setWindowState(windowState() ^ Qt::WindowFullScreen); });
    CommandKeys::add(this, "PgDown", [this] { stepPhotograph(1); });
    CommandKeys::add(this, "PgUp", [this] { stepPhotograph(-1); });
    for (const auto& arrow : { std::make_pair("Right", 1), std::make_pair("Left", -1) }) {
        const int step = arrow.second;
        CommandKeys::add(ui->image_draw, arrow.first, [this, step] {
            if (!ui->image_draw->isDragging())
                stepPhotograph(step);
        });
    }
}

void Widget::refreshToolTips()
{
    CommandKeys::refreshToolTips(ui);
}

void Widget::cancelDragOrTool()
{
    if (ui->image_draw->isDragging())
        ui->image_draw->cancelDrag();
    else if (drawMode != ImageDrawLabel::None)
        toggleTool(drawMode);
}

void Widget::resizeEvent(QResizeEvent*)
{
    ui->image_draw->refitImage();
}

void Widget::closeEvent(QCloseEvent* event)
{
    event->setAccepted(unsaved->allowClose());
}

void Widget::on_title_language_currentIndexChanged(int index)
{
    if (index == SettingsTools::getLanguage())
        return;
    notice->clearNotice();
    SettingsTools::setLanguage(unsigned(index));
    loadTranslation(index);
    ui->retranslateUi(this);
    refreshTexts();
}

void Widget::refreshTexts()
{
    // The form's title is translated to this too, but not when no translation loaded.
    WindowStyle::showTitle(this, ui);
    refreshToolTips();
    if (ranges)
        ranges->retranslate();
    if (isotherms)
        isotherms->retranslate();
    if (objectEditor)
        objectEditor->retranslate();
    if (measurements)
        measurements->retranslate();
    if (!document->isLoaded())
        return;
    fileName->setText(fileInfo.fileName());
    DetailsPanel::showTexts(ui, *document->photograph(), currentUnit, document->settings().range);
    preview->refresh();
}

void Widget::on_menu_open_clicked()
{
    const QString path = QFileDialog::getOpenFileName(
      this, tr("选择文件"), SettingsTools::getLastImagePath(), QStringLiteral("JPEG(*.jpg)"));
    if (path.isEmpty())
        return;
    openPhotograph(path);
}

bool Widget::openPhotograph(const QString& path)
{
    if (parsing || path.isEmpty())
        return false;
    notice->clearNotice();
    stepping = 0;
    startParse(path);
    return true;
}

void Widget::stepPhotograph(int step)
{
    if (parsing || !document->isLoaded())
        return;
    const QString next = PhotographFiles::neighbour(fileInfo.absoluteFilePath(), step);
    if (next.isEmpty())
        return;
    notice->clearNotice();
    stepping = step;
    startParse(next);
}

void Widget::startParse(const QString& path)
{
    filePath = path;
    SettingsTools::setLastImagePath(QFileInfo(path).path());
    // One parse at a time, and no save while it runs: a second photograph chosen meanwhile would
    // otherwise be overtaken by the first one finishing later, and a save would mix the two.
    // The shown photograph stays as it is until the new one has been read.
    parsing = true;
    setCommandEnabled(ui->menu_open, false);
    setCommandEnabled(ui->menu_save, false);
    if (!document->open(filePath))
        endParse();
}

void Widget::setCommandEnabled(QPushButton* button, bool enabled)
{
    button->setEnabled(enabled);
    ViewTools::setTextButtonStyle(button, enabled);
}

void Widget::endParse()
{
    parsing = false;
    setCommandEnabled(ui->menu_open, true);
    setCommandEnabled(ui->menu_save, document->isLoaded());
}

void Widget::onParseSucceed()
{
    qDebug() << "图片文件解析成功" << Qt::endl;
    fileInfo = QFileInfo(filePath);
    stepping = 0;
    ui->image_draw->setEntity(document->photograph());
    ui->image_draw->setDrawMode(drawMode);
    endParse();
    const DisplayPreferences::Opening opening(preferences);
    if (!document->isRangeHeld())
        document->setRange(preferences->rangeFor(document->settings().range));
    showDetails();
    startBlend();
    unsaved->photographShown();
}

void Widget::onParseFailed()
{
    qDebug() << "图片文件解析失败" << Qt::endl;
    endParse();
    notice->showNotice(NoticeTexts::openFailure(filePath), WindowNotice::Failure);
    // A step passes over what fails, and stops once it comes round to the photograph shown.
    const int step = std::exchange(stepping, 0);
    if (step == 0)
        return;
    const QString next = PhotographFiles::neighbour(filePath, step);
    if (!next.isEmpty() && next != fileInfo.absoluteFilePath()) {
        stepping = step;
        startParse(next);
    }
}

void Widget::showDetails()
{
    if (!document->isLoaded())
        return;
    const ImageEntity& shown = *document->photograph();
    const ImageDetails& details = shown.details;
    ui->details_blend->setValue(preferences->blendFor(details.blend));
    showPalette();
    showUnit();
    fileName->setText(fileInfo.fileName());
    // In the unit the combo shows, as after a language switch: an unknown stored unit shows as
    // the combo's Celsius rather than as "N.A" beside a Celsius choice.
    DetailsPanel::showTexts(ui, shown, currentUnit, document->settings().range);
    preview->showPicture(shown.featureImage.isNull() ? shown.screenImage : shown.featureImage);
    ui->details_feature->setCheckState(details.featureShown ? Qt::Checked : Qt::Unchecked);
}

void Widget::showPalette()
{
    const DisplaySettings stored = document->storedSettings(*document->photograph());
    const int palette = preferences->paletteFor(stored.palette);
    ui->details_palette->setCurrentIndex(palette);
    // A palette code no choice has shows no bar, unless a palette is kept for all photographs.
    ui->palette_image->setPixmap(DetailsPanel::paletteBar(
      palette == stored.palette ? document->photograph()->details.palette : palette));
}

void Widget::showUnit()
{
    ui->details_unit->setCurrentIndex(
      preferences->unitFor(document->storedSettings(*document->photograph()).unit));
}

void Widget::showPreview(const QPixmap& pixmap)
{
    PreviewPanel::show(ui->image_label, pixmap);
}

void Widget::startBlend()
{
    document->render();
}

void Widget::onBlendSucceed(QImage image)
{
    qDebug() << "图像合成成功" << Qt::endl;
    ui->image_draw->setImage(image);
}

void Widget::onBlendFailed()
{
    qDebug() << "图像合成失败了" << Qt::endl;
}

void Widget::on_details_blend_valueChanged(int value)
{
    qDebug() << "融合度变化事件：" << value << Qt::endl;
    document->setBlend(value);
    startBlend();
}

void Widget::on_details_palette_currentIndexChanged(int index)
{
    document->setPalette(index);
    ui->palette_image->setPixmap(DetailsPanel::paletteBar(index));
    startBlend();
}

void Widget::on_details_unit_currentIndexChanged(int index)
{
    currentUnit = index;
    document->setUnit(index);
    if (document->isLoaded())
        DetailsPanel::showFeatureTexts(
          ui, *document->photograph(), currentUnit, document->settings().range);
}

void Widget::on_details_feature_stateChanged(int)
{
    const bool shown = ui->details_feature->isChecked();
    qDebug() << "显示框状态变化：" << (shown ? "true" : "false") << Qt::endl;
    document->setFeatureVisible(shown);
}

void Widget::toggleTool(int mode)
{
    notice->clearNotice();
    drawMode = drawMode == mode ? ImageDrawLabel::None : mode;
    refreshToolButtons();
}

void Widget::refreshToolButtons()
{
    WindowStyle::showToolButtons(ui, drawMode);
    if (document->isLoaded())
        ui->image_draw->setDrawMode(drawMode);
}

void Widget::on_menu_point_clicked()
{
    toggleTool(ImageDrawLabel::Point);
}

void Widget::on_menu_line_clicked()
{
    toggleTool(ImageDrawLabel::Line);
}

void Widget::on_menu_rect_clicked()
{
    toggleTool(ImageDrawLabel::Rectangle);
}

void Widget::on_menu_oval_clicked()
{
    toggleTool(ImageDrawLabel::Oval);
}

void Widget::on_menu_free_clicked() {}

void Widget::on_menu_back_clicked()
{
    notice->clearNotice();
    if (document->isLoaded())
        ui->image_draw->removeLastPath();
}

void Widget::on_menu_clear_clicked()
{
    notice->clearNotice();
    if (document->isLoaded())
        ui->image_draw->clearPaths();
}

void Widget::on_menu_save_clicked()
{
    // The photograph on screen, not the file chosen last: that one may have failed to open.
    const QString source = fileInfo.filePath();
    if (source.isEmpty())
        return;
    const QString target = QFileDialog::getSaveFileName(this,
                                                        QStringLiteral("Save picture"),
                                                        PhotographFiles::saveStart(),
                                                        QStringLiteral("JPEG(*.jpg)"));
    if (target.isEmpty())
        return;
    notice->clearNotice();
    document->save(target, ui->image_draw->savedPicture());
    SettingsTools::setLastSavePath(QFileInfo(target).path());
}

void Widget::onSaveFinished(ImageSaveThread::Outcome outcome,
                            const QString& target,
                            const QString& source,
                            const QString& reason)
{
    notice->showNotice(NoticeTexts::saveOutcome(outcome, target, source, reason),
                       outcome == ImageSaveThread::Saved ? WindowNotice::Success
                                                         : WindowNotice::Failure);
    // The preview is the picture as the file stores it; after a save that is the saved file's.
    if (outcome == ImageSaveThread::Saved && source == fileInfo.filePath())
        preview->readSaved(target);
}
