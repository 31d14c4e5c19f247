#include "app/widget.h"

#include "app/applicationfont.h"
#include "app/commandkeys.h"
#include "app/detailspanel.h"
#include "app/labelelider.h"
#include "app/noticetexts.h"
#include "app/photographfiles.h"
#include "app/previewreadthread.h"
#include "app/settingstools.h"
#include "app/surfacemenu.h"
#include "app/viewtools.h"
#include "app/windownotice.h"
#include "app/windowstyle.h"
#include "document/photographdocument.h"
#include "ui_widget.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QShortcut>
#include <QTranslator>

#include <utility>

Widget::Widget(QWidget* parent)
  : QWidget(parent)
  , ui(new Ui_Widget)
{
    initLanguage();
    ui->setupUi(this);
    notice = new WindowNotice(ui->widget_title_bar, ui->widget_4, ui->title_language);
    resize(1280, 800);
    setMinimumSize(1280, 800);
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
    setAcceptDrops(true);
    new SurfaceMenu(ui->image_draw, notice, [this] { return fileInfo.filePath(); });
    connect(ui->image_draw, &ImageDrawLabel::shapeDiscarded, this, [this] {
        notice->showNotice(NoticeTexts::shapeTooSmall(), WindowNotice::Failure);
    });
}

Widget::~Widget()
{
    // The document, a child, waits for its saves; the preview reads are the window's own.
    for (PreviewReadThread* read : qAsConst(previewReads)) {
        if (read) {
            read->wait();
            delete read;
        }
    }
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
    ui->image_label->installEventFilter(this);
    // The operation panel widens with its texts (a language, a long caption) without the window
    // changing size, and the surface has to follow its area whatever made it change.
    ui->content_image->installEventFilter(this);
}

void Widget::initShortcuts()
{
    CommandKeys::install(this, ui);
    const auto add = [this](const char* keys, QWidget* parent, auto action) {
        auto* shortcut = new QShortcut(QKeySequence(QLatin1String(keys)), parent);
        if (parent != this)
            shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    add("Esc", this, [this] { cancelDragOrTool(); });
    add("F11", this, [this] { setWindowState(windowState() ^ Qt::WindowFullScreen); });
    add("PgDown", this, [this] { stepPhotograph(1); });
    add("PgUp", this, [this] { stepPhotograph(-1); });
    for (const auto& arrow : { std::make_pair("Right", 1), std::make_pair("Left", -1) }) {
        const int step = arrow.second;
        add(arrow.first, ui->image_draw, [this, step] {
            if (!ui->image_draw->isDragging())
                stepPhotograph(step);
        });
    }
}

void Widget::refreshToolTips()
{
    CommandKeys::refreshToolTips(ui);
}

const ImageEntity& Widget::photograph() const
{
    return *document->photograph();
}

void Widget::cancelDragOrTool()
{
    if (ui->image_draw->isDragging())
        ui->image_draw->cancelDrag();
    else if (drawMode != ImageDrawLabel::None)
        toggleTool(drawMode);
}

bool Widget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == ui->content_image)
            ui->image_draw->refitImage();
        else if (watched == ui->image_label && document->isLoaded() && !previewPicture.isNull())
            showPreview(QPixmap::fromImage(previewPicture));
    }
    return QWidget::eventFilter(watched, event);
}

void Widget::resizeEvent(QResizeEvent*)
{
    ui->image_draw->refitImage();
}

void Widget::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void Widget::dragMoveEvent(QDragMoveEvent* event)
{
    if (!parsing && !PhotographFiles::droppedPhotograph(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void Widget::dropEvent(QDropEvent* event)
{
    if (openPhotograph(PhotographFiles::droppedPhotograph(event->mimeData())))
        event->acceptProposedAction();
    else
        event->ignore();
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
    setWindowTitle(QStringLiteral("Korvex"));
    ui->title_text->setText(QStringLiteral("Korvex"));
    ui->title_version->setText(QStringLiteral("V ") + QCoreApplication::applicationVersion());
    refreshToolTips();
    if (!document->isLoaded())
        return;
    const ImageDetails& details = photograph().details;
    fileName->setText(fileInfo.fileName());
    ui->details_emissivity->setText(DetailsPanel::emissivityText(details.emissivity));
    DetailsPanel::showFeatureTexts(ui, photograph(), currentUnit);
    ui->details_time->setText(details.captureTime);
    showPreview(QPixmap::fromImage(previewPicture));
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
    ++shownPhotograph;
    stepping = 0;
    ui->image_draw->setEntity(document->photograph());
    ui->image_draw->setDrawMode(drawMode);
    endParse();
    showDetails();
    startBlend();
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
    const ImageEntity& shown = photograph();
    const ImageDetails& details = shown.details;
    ui->details_blend->setValue(details.blend);
    showPalette();
    showUnit();
    fileName->setText(fileInfo.fileName());
    ui->details_emissivity->setText(DetailsPanel::emissivityText(details.emissivity));
    // In the unit the combo shows, as after a language switch: an unknown stored unit shows as
    // the combo's Celsius rather than as "N.A" beside a Celsius choice.
    DetailsPanel::showFeatureTexts(ui, shown, currentUnit);
    ui->details_time->setText(details.captureTime);
    previewPicture = shown.featureImage.isNull() ? shown.screenImage : shown.featureImage;
    showPreview(QPixmap::fromImage(previewPicture));
    ui->details_feature->setCheckState(details.featureShown ? Qt::Checked : Qt::Unchecked);
}

void Widget::showPalette()
{
    const int palette = photograph().details.palette;
    ui->details_palette->setCurrentIndex(PhotographDocument::storedSettings(photograph()).palette);
    ui->palette_image->setPixmap(DetailsPanel::paletteBar(palette));
}

void Widget::showUnit()
{
    ui->details_unit->setCurrentIndex(PhotographDocument::storedSettings(photograph()).unit);
}

void Widget::showPreview(const QPixmap& pixmap)
{
    DetailsPanel::showPreview(ui, pixmap);
}

void Widget::readSavedPreview(const QString& target, const QString& source)
{
    // The preview is the picture as the file stores it; after a save that is the saved file's.
    if (source != fileInfo.filePath())
        return;
    PreviewReadThread* read = PreviewReadThread::create(target);
    if (!read)
        return;
    const int photograph = shownPhotograph;
    const int request = ++previewRequest;
    connect(
      read, &PreviewReadThread::previewRead, this, [this, photograph, request](QImage picture) {
          if (picture.isNull() || photograph != shownPhotograph || request != previewRequest)
              return;
          previewPicture = picture;
          showPreview(QPixmap::fromImage(previewPicture));
      });
    previewReads.removeAll(nullptr);
    previewReads.append(read);
    read->launch();
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
        DetailsPanel::showFeatureTexts(ui, photograph(), currentUnit);
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
    const QString name =
      QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-hh-mm-ss-zzz")) +
      QStringLiteral(".jpg");
    const QString start = SettingsTools::getLastSavePath() + QDir::separator() + name;
    const QString target = QFileDialog::getSaveFileName(
      this, QStringLiteral("Save picture"), start, QStringLiteral("JPEG(*.jpg)"));
    if (target.isEmpty())
        return;
    notice->clearNotice();
    document->save(target, ui->image_draw->snapshot().toImage());
    SettingsTools::setLastSavePath(QFileInfo(target).path());
}

void Widget::onSaveFinished(ImageSaveThread::Outcome outcome,
                            const QString& target,
                            const QString& source)
{
    notice->showNotice(NoticeTexts::saveOutcome(outcome, target, source),
                       outcome == ImageSaveThread::Saved ? WindowNotice::Success
                                                         : WindowNotice::Failure);
    if (outcome == ImageSaveThread::Saved)
        readSavedPreview(target, source);
}
