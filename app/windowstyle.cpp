#include "app/windowstyle.h"

#include "app/detailspanel.h"
#include "app/viewtools.h"
#include "surface/imagedrawlabel.h"
#include "ui_widget.h"

#include <QCoreApplication>

namespace {

struct ToolButton
{
    QPushButton* Ui_Widget::*button;
    const char* icon;
    int mode;
};

const ToolButton toolButtons[] = {
    { &Ui_Widget::menu_point, ":/icon/res/icon/ic_menu_point.png", ImageDrawLabel::Point },
    { &Ui_Widget::menu_line, ":/icon/res/icon/ic_menu_line.png", ImageDrawLabel::Line },
    { &Ui_Widget::menu_rect, ":/icon/res/icon/ic_menu_rect.png", ImageDrawLabel::Rectangle },
    { &Ui_Widget::menu_oval, ":/icon/res/icon/ic_menu_oval.png", ImageDrawLabel::Oval },
};

constexpr int toolIconSize = 35;

} // namespace

void WindowStyle::styleWindow(QWidget* window, Ui_Widget* ui)
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
    ViewTools::setBackground(window, QStringLiteral("#000000"));
    window->setWindowTitle(QStringLiteral("Korvex"));
}

void WindowStyle::styleTitleBar(Ui_Widget* ui)
{
    ViewTools::setIconButton(
      ui->title_icon, QStringLiteral(":/icon/res/icon/ic_title_icon.png"), 40);
    ViewTools::setLabelStyle(ui->title_text, 25, QStringLiteral("#FFFFFF"), true);
    ui->title_text->setText(QStringLiteral("Korvex"));
    ViewTools::setLabelColor(ui->title_version, QStringLiteral("#FFFFFF"));
    ui->title_version->setText(QStringLiteral("V ") + QCoreApplication::applicationVersion());
    ViewTools::setComboBoxStyle(ui->title_language);
}

void WindowStyle::showTitle(QWidget* window, Ui_Widget* ui)
{
    window->setWindowTitle(QStringLiteral("Korvex"));
    ui->title_text->setText(QStringLiteral("Korvex"));
    ui->title_version->setText(QStringLiteral("V ") + QCoreApplication::applicationVersion());
}

void WindowStyle::styleMenuBar(Ui_Widget* ui)
{
    ViewTools::setBackground(ui->widget_menu_bar, QStringLiteral("#404142"));
    ViewTools::setTextButtonStyle(ui->menu_open, true);
    ui->menu_save->setEnabled(false);
    ViewTools::setTextButtonStyle(ui->menu_save, false);
    showToolButtons(ui, ImageDrawLabel::None);
    ViewTools::setToolButton(
      ui->menu_free, QStringLiteral(":/icon/res/icon/ic_menu_free.png"), toolIconSize, false);
    ViewTools::setToolButton(
      ui->menu_back, QStringLiteral(":/icon/res/icon/ic_menu_back.png"), toolIconSize, false);
    ViewTools::setToolButton(
      ui->menu_clear, QStringLiteral(":/icon/res/icon/ic_menu_clear.png"), toolIconSize, false);
    ui->menu_free->hide();
}

void WindowStyle::styleContent(Ui_Widget* ui)
{
    ui->widget_content->setStyleSheet(
      QStringLiteral("QWidget#%1{background-color: %2;}")
        .arg(ui->widget_content->objectName(), QStringLiteral("#000000")));
    for (QLabel* label : { ui->palette_max, ui->palette_min })
        label->setStyleSheet(QStringLiteral("QLabel#%1{color: #ffffff;}").arg(label->objectName()));
    ViewTools::setBackground(ui->content_palette, QStringLiteral("#404142"));
    ui->palette_image->setPixmap(DetailsPanel::paletteBar(int(PaletteIndex::Spectrum)));
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
    // The preview is scaled to the panel; were the panel sized by the preview's picture in turn,
    // each rescaling would widen it further and it would never narrow again.
    QSizePolicy previewPolicy = ui->image_label->sizePolicy();
    previewPolicy.setHorizontalPolicy(QSizePolicy::Ignored);
    ui->image_label->setSizePolicy(previewPolicy);
}

void WindowStyle::showToolButtons(Ui_Widget* ui, int drawMode)
{
    for (const ToolButton& tool : toolButtons)
        ViewTools::setToolButton(
          ui->*tool.button, QLatin1String(tool.icon), toolIconSize, drawMode == tool.mode);
}
