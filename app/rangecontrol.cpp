#include "app/rangecontrol.h"

#include "app/detailspanel.h"
#include "document/photographdocument.h"
#include "render/temperaturepicture.h"
#include "ui_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cmath>

namespace {

// The texts of the four modes, in the order of TemperatureRange::Mode.
const char* const modeNames[] = {
    QT_TRANSLATE_NOOP("Widget", "相机"),
    QT_TRANSLATE_NOOP("Widget", "自动"),
    QT_TRANSLATE_NOOP("Widget", "直方图"),
    QT_TRANSLATE_NOOP("Widget", "手动"),
};

} // namespace

QDoubleSpinBox* RangeControl::temperatureBox(const char* name, QWidget* parent)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setRange(-500, 3000);
    // A value typed digit by digit would render every intermediate value; arrow keys and the
    // wheel still step it at once.
    box->setKeyboardTracking(false);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

RangeControl::RangeControl(Ui_Widget* ui, PhotographDocument* document, QWidget* parent)
  : QWidget(parent)
  , ui(ui)
  , document(document)
  , mode(new QComboBox(this))
  , high(temperatureBox("range_high", this))
  , low(temperatureBox("range_low", this))
  , keep(new QCheckBox(this))
{
    keep->setObjectName(QStringLiteral("range_keep"));
    setObjectName(QStringLiteral("range_control"));
    // The column beside the palette bar is 90 pixels wide; the longest mode name, in any of the
    // languages, fits beside the combo's arrow at this size.
    QFont small = font();
    small.setPixelSize(11);
    for (QWidget* part : std::initializer_list<QWidget*>{ mode, high, low, keep })
        part->setFont(small);
    mode->setObjectName(QStringLiteral("range_mode"));
    for (int i = 0; i < 4; ++i)
        mode->addItem(QString());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(mode);
    layout->addWidget(high);
    layout->addWidget(low);
    layout->addWidget(keep);
    retranslate();
    showRange();
    connect(mode, QOverload<int>::of(&QComboBox::activated), this, &RangeControl::onModeChosen);
    connect(high, &QDoubleSpinBox::editingFinished, this, &RangeControl::onEndsEdited);
    connect(low, &QDoubleSpinBox::editingFinished, this, &RangeControl::onEndsEdited);
    connect(keep, &QCheckBox::toggled, document, &PhotographDocument::setRangeHeld);
    ui->palette_image->installEventFilter(this);
    connect(document, &PhotographDocument::photographReplaced, this, &RangeControl::showRange);
    connect(document, &PhotographDocument::settingsChanged, this, &RangeControl::showRange);
}

void RangeControl::retranslate()
{
    for (int i = 0; i < 4; ++i)
        mode->setItemText(i, QCoreApplication::translate("Widget", modeNames[i]));
    mode->setToolTip(QCoreApplication::translate("Widget", "温度范围：调色板覆盖的温度"));
    high->setToolTip(QCoreApplication::translate("Widget", "范围上限（显示单位）"));
    low->setToolTip(QCoreApplication::translate("Widget", "范围下限（显示单位）"));
    keep->setText(QCoreApplication::translate("Widget", "保持"));
    ui->palette_image->setToolTip(QCoreApplication::translate(
      "Widget", "滚轮移动温度范围；拖动中间移动范围，拖动两端改变上下限"));
    keep->setToolTip(
      QCoreApplication::translate("Widget", "翻页时保持这个范围，以便在同一刻度上比较照片"));
}

int RangeControl::unit() const
{
    return document->settings().unit;
}

void RangeControl::showRange()
{
    const TemperatureRange& range = document->settings().range;
    const QSignalBlocker blockMode(mode);
    const QSignalBlocker blockHigh(high);
    const QSignalBlocker blockLow(low);
    const QSignalBlocker blockKeep(keep);
    mode->setCurrentIndex(int(range.mode));
    const bool manual = range.mode == TemperatureRange::Manual;
    high->setVisible(manual);
    low->setVisible(manual);
    keep->setVisible(manual);
    keep->setChecked(document->isRangeHeld());
    if (manual) {
        high->setValue(double(ImageEntity::convertTemperature(float(range.high), 0, unit())));
        low->setValue(double(ImageEntity::convertTemperature(float(range.low), 0, unit())));
    }
    setEnabled(document->isLoaded());
    if (document->isLoaded())
        DetailsPanel::showScaleEnds(ui, *document->photograph(), unit(), range);
}

void RangeControl::onModeChosen(int index)
{
    TemperatureRange range = document->settings().range;
    if (index == int(range.mode) || !document->isLoaded())
        return;
    range.mode = TemperatureRange::Mode(index);
    if (range.mode == TemperatureRange::Manual && !(range.high > range.low)) {
        // A typed range starts from the photograph's own, in whole tenths.
        double low = 0;
        double high = 0;
        TemperaturePicture::shownSpan(
          document->photograph()->temperatures(), document->photograph()->correction(), low, high);
        range.low = std::floor(low * 10 + 0.5) / 10;
        range.high = std::floor(high * 10 + 0.5) / 10;
        if (!(range.high > range.low))
            range.high = range.low + 1;
    }
    apply(range);
}

void RangeControl::onEndsEdited()
{
    TemperatureRange range = document->settings().range;
    if (range.mode != TemperatureRange::Manual)
        return;
    const double top = TemperatureRange::celsiusFrom(high->value(), unit());
    const double bottom = TemperatureRange::celsiusFrom(low->value(), unit());
    // A range with no span has no colours to spread; the ends stay as they were.
    if (!(top > bottom)) {
        showRange();
        return;
    }
    range.high = top;
    range.low = bottom;
    apply(range);
}

void RangeControl::apply(const TemperatureRange& range)
{
    document->setRange(range);
    document->render();
    showRange();
}

TemperatureRange RangeControl::shownRange() const
{
    TemperatureRange range = document->settings().range;
    if (range.mode == TemperatureRange::Manual)
        return range;
    const ImageEntity& photograph = *document->photograph();
    if (range.mode == TemperatureRange::Camera) {
        photograph.shownCelsius(double(photograph.details.feature.minPoint.temperature), range.low);
        photograph.shownCelsius(double(photograph.details.feature.maxPoint.temperature),
                                range.high);
    } else {
        TemperaturePicture::shownSpan(
          photograph.temperatures(), photograph.correction(), range.low, range.high);
    }
    if (!(range.high > range.low))
        range.high = range.low + 1;
    range.mode = TemperatureRange::Manual;
    return range;
}

void RangeControl::moveTo(double bottom, double top)
{
    // Whole tenths, as the ends are typed and shown; a span never below one tenth.
    bottom = std::round(bottom * 10) / 10;
    top = std::round(top * 10) / 10;
    if (!(top > bottom))
        return;
    TemperatureRange range = document->settings().range;
    range.mode = TemperatureRange::Manual;
    range.low = bottom;
    range.high = top;
    apply(range);
}

bool RangeControl::eventFilter(QObject* watched, QEvent* event)
{
    auto* bar = qobject_cast<QWidget*>(watched);
    if (!bar || bar->objectName() != QLatin1String("palette_image") || !document->isLoaded())
        return QWidget::eventFilter(watched, event);
    const int height = qMax(1, bar->height());
    switch (event->type()) {
        case QEvent::Wheel: {
            const auto* wheel = static_cast<QWheelEvent*>(event);
            const TemperatureRange range = shownRange();
            // A twentieth of the span a notch, warmer upwards.
            const double step = (range.high - range.low) / 20 * wheel->angleDelta().y() / 120.0;
            moveTo(range.low + step, range.high + step);
            return true;
        }
        case QEvent::MouseButtonPress: {
            const auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() != Qt::LeftButton)
                break;
            gripRange = shownRange();
            gripY = press->localPos().y();
            const double place = gripY / height;
            grip = place < 0.15 ? Grip::Top : place > 0.85 ? Grip::Bottom : Grip::Level;
            return true;
        }
        case QEvent::MouseMove: {
            if (grip == Grip::None)
                break;
            const auto* move = static_cast<QMouseEvent*>(event);
            // The bar's height is the span; dragging down moves temperatures down.
            const double shift =
              (gripY - move->localPos().y()) / height * (gripRange.high - gripRange.low);
            if (grip == Grip::Level)
                moveTo(gripRange.low + shift, gripRange.high + shift);
            else if (grip == Grip::Top)
                moveTo(gripRange.low, gripRange.high + shift);
            else
                moveTo(gripRange.low + shift, gripRange.high);
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (grip == Grip::None)
                break;
            grip = Grip::None;
            return true;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}
