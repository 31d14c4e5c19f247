#include "app/widget.h"

#include "app/applicationfont.h"
#include "app/labelelider.h"
#include "app/noticetexts.h"
#include "app/photographfiles.h"
#include "app/previewreadthread.h"
#include "app/settingstools.h"
#include "app/surfacemenu.h"
#include "app/viewtools.h"
#include "app/windownotice.h"
#include "model/imagesavethread.h"
#include "model/parseimagethread.h"
#include "render/blendscheduler.h"
#include "ui_widget.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QKeySequence>
#include <QShortcut>
#include <QTranslator>

#include <utility>

namespace {

const char* const paletteBars[] = {
    ":/icon/res/icon/ic_palette_spectrum.png", ":/icon/res/icon/ic_palette_iron.png",
    ":/icon/res/icon/ic_palette_cool.png",     ":/icon/res/icon/ic_palette_whitehot.png",
    ":/icon/res/icon/ic_palette_blackhot.png",
};

QPixmap paletteBar(int index)
{
    if (index < 0 || index > 4)
        return QPixmap();
    return QPixmap(QLatin1String(paletteBars[index]));
}

QString emissivityText(int emissivity)
{
    return QString::number(double(emissivity) / 100, 'g', 6);
}

struct ToolButton
{
    QPushButton* Ui_Widget::*button;
    const char* icon;
    int mode;
};

const ToolButton toolButtons[] = {
    { &Ui_Widget::menu_point, ":/icon/res/icon/ic_menu_point.png", 0 },
    { &Ui_Widget::menu_line, ":/icon/res/icon/ic_menu_line.png", 1 },
    { &Ui_Widget::menu_rect, ":/icon/res/icon/ic_menu_rect.png", 2 },
    { &Ui_Widget::menu_oval, ":/icon/res/icon/ic_menu_oval.png", 3 },
};

constexpr int toolIconSize = 35;

// Commands of the command bar that a key gives as well, and the tooltips that name both.
struct CommandKey
{
    QPushButton* Ui_Widget::*button;
    const char* keys;
    const char* name;
};

const CommandKey commandKeys[] = {
    { &Ui_Widget::menu_open, "Ctrl+O", QT_TRANSLATE_NOOP("Widget", "打开照片") },
    { &Ui_Widget::menu_save, "Ctrl+S", QT_TRANSLATE_NOOP("Widget", "保存带标注的照片") },
    { &Ui_Widget::menu_point, "P", QT_TRANSLATE_NOOP("Widget", "点测温") },
    { &Ui_Widget::menu_line, "L", QT_TRANSLATE_NOOP("Widget", "线测温") },
    { &Ui_Widget::menu_rect, "R", QT_TRANSLATE_NOOP("Widget", "矩形测温") },
    { &Ui_Widget::menu_oval, "O", QT_TRANSLATE_NOOP("Widget", "椭圆测温") },
    { &Ui_Widget::menu_back, "Ctrl+Z", QT_TRANSLATE_NOOP("Widget", "撤销上一个测量") },
    { &Ui_Widget::menu_clear, "Ctrl+Shift+Del", QT_TRANSLATE_NOOP("Widget", "清除所有测量") },
};

} // namespace

Widget::Widget(QWidget* parent)
  : QWidget(parent)
  , ui(new Ui_Widget)
{
    initLanguage();
    ui->setupUi(this);
    notice = new WindowNotice(ui->widget_title_bar, ui->widget_4, ui->title_language);
    resize(1280, 800);
    setMinimumSize(1280, 800);
    blends = new BlendScheduler(this);
    connect(blends, &BlendScheduler::blendFailed, this, &Widget::onBlendFailed);
    connect(blends, &BlendScheduler::blendSucceed, this, &Widget::onBlendSucceed);
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
    // A finished save has queued its deleteLater(); deleting it here takes that event with it.
    for (ImageSaveThread* save : qAsConst(saves)) {
        if (save) {
            save->wait();
            delete save;
        }
    }
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
    // The language list would take the combo's white text onto the style's light list. The
    // combo makes its list at the first style sheet that reaches it, and a rule for the list
    // added after that no longer takes, so this one comes before any other sheet.
    ui->widget_title_bar->setStyleSheet(
      QStringLiteral("QComboBox#%1 QAbstractItemView{background-color: #000000;color: "
                     "#ffffff;selection-background-color: #0099FF;selection-color: "
                     "#ffffff;}QComboBox#%1::item:selected{background-color: #0099FF;color: "
                     "#ffffff;}")
        .arg(ui->title_language->objectName()));
    ViewTools::setBackground(this, QStringLiteral("#000000"));
    setWindowTitle(QStringLiteral("Korvex"));
}

void Widget::initTitleBar()
{
    ViewTools::setIconButton(
      ui->title_icon, QStringLiteral(":/icon/res/icon/ic_title_icon.png"), 40);
    ViewTools::setLabelStyle(ui->title_text, 25, QStringLiteral("#FFFFFF"), true);
    ui->title_text->setText(QStringLiteral("Korvex"));
    ViewTools::setLabelColor(ui->title_version, QStringLiteral("#FFFFFF"));
    ui->title_version->setText(QStringLiteral("V ") + QCoreApplication::applicationVersion());
    ViewTools::setComboBoxStyle(ui->title_language);
    ui->title_language->setCurrentIndex(SettingsTools::getLanguage());
}

void Widget::initMenuBar()
{
    ViewTools::setBackground(ui->widget_menu_bar, QStringLiteral("#404142"));
    ViewTools::setTextButtonStyle(ui->menu_open, true);
    ui->menu_save->setEnabled(false);
    ViewTools::setTextButtonStyle(ui->menu_save, false);
    for (const ToolButton& tool : toolButtons)
        ViewTools::setToolButton(ui->*tool.button, QLatin1String(tool.icon), toolIconSize, false);
    ViewTools::setToolButton(
      ui->menu_free, QStringLiteral(":/icon/res/icon/ic_menu_free.png"), toolIconSize, false);
    ViewTools::setToolButton(
      ui->menu_back, QStringLiteral(":/icon/res/icon/ic_menu_back.png"), toolIconSize, false);
    ViewTools::setToolButton(
      ui->menu_clear, QStringLiteral(":/icon/res/icon/ic_menu_clear.png"), toolIconSize, false);
    ui->menu_free->hide();
}

void Widget::initContent()
{
    ui->widget_content->setStyleSheet(
      QStringLiteral("QWidget#%1{background-color: %2;}")
        .arg(ui->widget_content->objectName(), QStringLiteral("#000000")));
    for (QLabel* label : { ui->palette_max, ui->palette_min })
        label->setStyleSheet(QStringLiteral("QLabel#%1{color: #ffffff;}").arg(label->objectName()));
    ViewTools::setBackground(ui->content_palette, QStringLiteral("#404142"));
    ui->palette_image->setPixmap(paletteBar(0));
    ViewTools::setBackground(ui->content_operation, QStringLiteral("#404142"));
    // The check box's own sheet makes its mark white on the style's light box; the box is drawn
    // here instead, white-framed on black and blue when checked.
    ui->operation_details->setStyleSheet(
      QStringLiteral("QLabel{color: #ffffff;}") +
      QStringLiteral("QCheckBox#%1::indicator{width: 14px;height: 14px;border: 1px solid "
                     "#ffffff;background-color: #000000;}QCheckBox#%1::indicator:checked{"
                     "background-color: #0099FF;}QCheckBox#%1::indicator:hover{border: 1px solid "
                     "#00AAFF;}")
        .arg(ui->details_feature->objectName()));
    ViewTools::setLabelStyleOnBlack(ui->image_label, 20, QStringLiteral("#FFFFFF"), true);
    fileName = new LabelElider(ui->details_name);
    // The preview is scaled to the panel; were the panel sized by the preview's picture in turn,
    // each rescaling would widen it further and it would never narrow again.
    QSizePolicy previewPolicy = ui->image_label->sizePolicy();
    previewPolicy.setHorizontalPolicy(QSizePolicy::Ignored);
    ui->image_label->setSizePolicy(previewPolicy);
    ui->image_label->installEventFilter(this);
    // The operation panel widens with its texts (a language, a long caption) without the window
    // changing size, and the surface has to follow its area whatever made it change.
    ui->content_image->installEventFilter(this);
}

void Widget::initShortcuts()
{
    for (const CommandKey& command : commandKeys) {
        auto* shortcut = new QShortcut(QKeySequence(QLatin1String(command.keys)), this);
        // click() does nothing for a disabled button: no save before a photograph, no open
        // while a parse runs.
        connect(shortcut, &QShortcut::activated, ui->*command.button, &QPushButton::click);
    }
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
    refreshToolTips();
}

void Widget::refreshToolTips()
{
    for (const CommandKey& command : commandKeys) {
        const QString keys =
          QKeySequence(QLatin1String(command.keys)).toString(QKeySequence::NativeText);
        (ui->*command.button)->setToolTip(QStringLiteral("%1 (%2)").arg(tr(command.name), keys));
    }
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
        else if (watched == ui->image_label && entity.loaded && !previewPicture.isNull())
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
    if (!entity.loaded)
        return;
    fileName->setText(fileInfo.fileName());
    ui->details_emissivity->setText(emissivityText(entity.details.emissivity));
    showFeatureTexts(currentUnit);
    ui->details_time->setText(entity.details.captureTime);
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
    if (parsing || !entity.loaded)
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
    // The shown photograph stays as it is until the new one has been read: the parse reads into
    // an entity of its own and hands it over only when it succeeds.
    ParseImageThread* thread = ParseImageThread::create(filePath, &entity);
    connect(thread, &ParseImageThread::parseFailed, this, &Widget::onParseFailed);
    connect(thread, &ParseImageThread::parseSucceed, this, &Widget::onParseSucceed);
    // One parse at a time, and no save while it runs: a second photograph chosen meanwhile would
    // otherwise be overtaken by the first one finishing later, and a save would mix the two.
    parsing = true;
    setCommandEnabled(ui->menu_open, false);
    setCommandEnabled(ui->menu_save, false);
    if (!thread->launch()) {
        qDebug() << "解析线程启动失败" << Qt::endl;
        delete thread;
        endParse();
    }
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
    setCommandEnabled(ui->menu_save, entity.loaded);
}

void Widget::onParseSucceed()
{
    qDebug() << "图片文件解析成功" << Qt::endl;
    fileInfo = QFileInfo(filePath);
    ++shownPhotograph;
    // Whatever is still being rendered belongs to the photograph just replaced.
    blends->discard();
    stepping = 0;
    ui->image_draw->setEntity(&entity);
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
    if (!entity.loaded)
        return;
    const ImageDetails& details = entity.details;
    ui->details_blend->setValue(details.blend);
    showPalette();
    showUnit();
    fileName->setText(fileInfo.fileName());
    ui->details_emissivity->setText(emissivityText(details.emissivity));
    // In the unit the combo shows, as after a language switch: an unknown stored unit shows as
    // the combo's Celsius rather than as "N.A" beside a Celsius choice.
    showFeatureTexts(currentUnit);
    ui->details_time->setText(details.captureTime);
    previewPicture = entity.featureImage.isNull() ? entity.screenImage : entity.featureImage;
    showPreview(QPixmap::fromImage(previewPicture));
    ui->details_feature->setCheckState(details.featureShown ? Qt::Checked : Qt::Unchecked);
}

void Widget::showFeatureTexts(int unit)
{
    const ImageFeature& feature = entity.details.feature;
    const QString highest = entity.featureTemperatureText(feature.maxPoint, unit);
    const QString lowest = entity.featureTemperatureText(feature.minPoint, unit);
    ui->details_max->setText(highest);
    ui->details_min->setText(lowest);
    ui->details_spot->setText(entity.featureTemperatureText(feature.centrePoint, unit));
    ui->palette_max->setText(highest);
    ui->palette_min->setText(lowest);
}

void Widget::showPalette()
{
    const int palette = entity.details.palette;
    const bool known = palette >= 0 && palette <= 4;
    ui->details_palette->setCurrentIndex(known ? palette : 0);
    ui->palette_image->setPixmap(paletteBar(palette));
}

void Widget::showUnit()
{
    const int unit = entity.details.unit;
    ui->details_unit->setCurrentIndex(unit >= 0 && unit <= 2 ? unit : 0);
}

void Widget::showPreview(const QPixmap& pixmap)
{
    if (qint64(pixmap.width()) * pixmap.height() <= 0)
        return;
    const double scale = qMin(double(ui->image_label->width()) / pixmap.width(),
                              double(ui->image_label->height()) / pixmap.height());
    const QSize target(int(pixmap.width() * scale), int(pixmap.height() * scale));
    ui->image_label->setPixmap(
      pixmap.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
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
    if (!entity.loaded)
        return;
    const int palette = ui->details_palette->currentIndex();
    const float blend = float(ui->details_blend->value()) / 100.0f;
    // A request the blend thread refuses starts nothing and logs nothing.
    blends->request(&entity, unsigned(palette), blend);
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
    startBlend();
}

void Widget::on_details_palette_currentIndexChanged(int)
{
    ui->palette_image->setPixmap(paletteBar(ui->details_palette->currentIndex()));
    startBlend();
}

void Widget::on_details_unit_currentIndexChanged(int index)
{
    currentUnit = index;
    ui->image_draw->setDisplayUnit(index);
    if (entity.loaded)
        showFeatureTexts(currentUnit);
}

void Widget::on_details_feature_stateChanged(int)
{
    const bool shown = ui->details_feature->isChecked();
    qDebug() << "显示框状态变化：" << (shown ? "true" : "false") << Qt::endl;
    ui->image_draw->setFeatureVisible(shown);
}

void Widget::toggleTool(int mode)
{
    notice->clearNotice();
    drawMode = drawMode == mode ? 4 : mode;
    refreshToolButtons();
}

void Widget::refreshToolButtons()
{
    for (const ToolButton& tool : toolButtons)
        ViewTools::setToolButton(
          ui->*tool.button, QLatin1String(tool.icon), toolIconSize, drawMode == tool.mode);
    if (entity.loaded)
        ui->image_draw->setDrawMode(drawMode);
}

void Widget::on_menu_point_clicked()
{
    toggleTool(0);
}

void Widget::on_menu_line_clicked()
{
    toggleTool(1);
}

void Widget::on_menu_rect_clicked()
{
    toggleTool(2);
}

void Widget::on_menu_oval_clicked()
{
    toggleTool(3);
}

void Widget::on_menu_free_clicked() {}

void Widget::on_menu_back_clicked()
{
    notice->clearNotice();
    if (entity.loaded)
        ui->image_draw->removeLastPath();
}

void Widget::on_menu_clear_clicked()
{
    notice->clearNotice();
    if (entity.loaded)
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
    ImageDrawLabel* surface = ui->image_draw;
    const QPixmap snapshot = surface->snapshot();
    const bool feature = ui->details_feature->isChecked();
    const int blend = ui->details_blend->value();
    const int unit = ui->details_unit->currentIndex();
    const int palette = ui->details_palette->currentIndex();
    ImageSaveThread* thread = ImageSaveThread::create(
      source, target, surface->pathList(), &entity, palette, unit, blend, feature, snapshot);
    if (thread) {
        // The source is named as it is now: another photograph may be shown when the save ends.
        connect(thread,
                &ImageSaveThread::saveFinished,
                this,
                [this, target, source](ImageSaveThread::Outcome outcome) {
                    notice->showNotice(NoticeTexts::saveOutcome(outcome, target, source),
                                       outcome == ImageSaveThread::Saved ? WindowNotice::Success
                                                                         : WindowNotice::Failure);
                    if (outcome == ImageSaveThread::Saved)
                        readSavedPreview(target, source);
                });
        saves.removeAll(nullptr);
        saves.append(thread);
        thread->launch();
    }
    SettingsTools::setLastSavePath(QFileInfo(target).path());
}
