#include "app/isothermcontrol.h"

#include "app/rangecontrol.h"
#include "document/photographdocument.h"
#include "render/temperaturepicture.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The texts of the kinds, in the order of Isotherm::Kind.
const char* const kindNames[] = {
    QT_TRANSLATE_NOOP("Widget", "关闭"),
    QT_TRANSLATE_NOOP("Widget", "高于"),
    QT_TRANSLATE_NOOP("Widget", "低于"),
    QT_TRANSLATE_NOOP("Widget", "区间"),
};

double tenthsRounded(double celsius)
{
    return std::round(celsius * 10) / 10;
}

} // namespace

IsothermControl::IsothermControl(PhotographDocument* document, QWidget* parent)
  : QWidget(parent)
  , document(document)
  , caption(new QLabel(this))
  , kind(new QComboBox(this))
  , first(RangeControl::temperatureBox("isotherm_first", this))
  , second(RangeControl::temperatureBox("isotherm_second", this))
  , colour(new QToolButton(this))
  , translucent(new QCheckBox(this))
  , translucentText(new QLabel(this))
  , share(new QLabel(this))
{
    setObjectName(QStringLiteral("isotherm_control"));
    caption->setObjectName(QStringLiteral("isotherm_caption"));
    kind->setObjectName(QStringLiteral("isotherm_kind"));
    colour->setObjectName(QStringLiteral("isotherm_colour"));
    translucent->setObjectName(QStringLiteral("isotherm_translucent"));
    share->setObjectName(QStringLiteral("isotherm_share"));
    chooseColour = [this](const QColor& current) {
        return QColorDialog::getColor(
          current, this, QCoreApplication::translate("Widget", "等温线颜色"));
    };
    // The same size as the range control above, to fit the 90-pixel column.
    QFont small = font();
    small.setPixelSize(11);
    for (QWidget* part : std::initializer_list<QWidget*>{
           caption, kind, first, second, colour, translucent, translucentText, share })
        part->setFont(small);
    for (QLabel* label : { caption, translucentText, share })
        label->setStyleSheet(QStringLiteral("color: #ffffff;"));
    caption->setAlignment(Qt::AlignCenter);
    share->setAlignment(Qt::AlignCenter);
    translucentText->setObjectName(QStringLiteral("isotherm_translucent_text"));
    translucentText->installEventFilter(this);
    // The box without text takes its indicator's width alone, leaving the rest to the caption.
    translucent->setFixedWidth(
      style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, translucent));
    QFont smaller = small;
    smaller.setPixelSize(10);
    translucentText->setFont(smaller);
    colour->setFixedSize(22, 18);
    for (int i = 0; i < 4; ++i)
        kind->addItem(QString());
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(colour);
    row->addWidget(share, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(caption);
    layout->addWidget(kind);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addLayout(row);
    auto* translucentRow = new QHBoxLayout;
    translucentRow->setContentsMargins(0, 0, 0, 0);
    translucentRow->setSpacing(2);
    translucentRow->addWidget(translucent, 0, Qt::AlignTop);
    translucentRow->addWidget(translucentText, 1);
    layout->addLayout(translucentRow);
    retranslate();
    showIsotherm();
    connect(kind, QOverload<int>::of(&QComboBox::activated), this, &IsothermControl::onKindChosen);
    for (QDoubleSpinBox* box : { first, second })
        connect(box,
                QOverload<double>::of(&QDoubleSpinBox::valueChanged),
                this,
                &IsothermControl::onLimitEdited);
    connect(colour, &QToolButton::clicked, this, &IsothermControl::onColourClicked);
    connect(translucent, &QCheckBox::toggled, this, [this](bool on) {
        Isotherm isotherm = this->document->settings().isotherm;
        isotherm.translucent = on;
        apply(isotherm);
    });
    connect(
      document, &PhotographDocument::photographReplaced, this, &IsothermControl::showIsotherm);
    connect(document, &PhotographDocument::settingsChanged, this, &IsothermControl::showIsotherm);
}

void IsothermControl::retranslate()
{
    caption->setText(QCoreApplication::translate("Widget", "等温线"));
    for (int i = 0; i < 4; ++i)
        kind->setItemText(i, QCoreApplication::translate("Widget", kindNames[i]));
    kind->setToolTip(
      QCoreApplication::translate("Widget", "等温线：以醒目的颜色显示高于、低于或介于限值的温度"));
    first->setToolTip(QCoreApplication::translate("Widget", "等温线限值（显示单位）"));
    second->setToolTip(QCoreApplication::translate("Widget", "等温线的另一个限值（显示单位）"));
    colour->setToolTip(QCoreApplication::translate("Widget", "选择等温线颜色"));
    translucentText->setText(QCoreApplication::translate("Widget", "半透明"));
    translucent->setAccessibleName(translucentText->text());
    const QString through =
      QCoreApplication::translate("Widget", "让调色板的颜色透过等温线的颜色显示");
    translucent->setToolTip(through);
    translucentText->setToolTip(through);
    share->setToolTip(QCoreApplication::translate("Widget", "等温线覆盖的画面比例"));
}

int IsothermControl::unit() const
{
    return document->settings().unit;
}

void IsothermControl::showIsotherm()
{
    const Isotherm& isotherm = document->settings().isotherm;
    const QSignalBlocker blockKind(kind);
    const QSignalBlocker blockFirst(first);
    const QSignalBlocker blockSecond(second);
    const QSignalBlocker blockTranslucent(translucent);
    kind->setCurrentIndex(int(isotherm.kind));
    const bool on = isotherm.kind != Isotherm::None;
    first->setVisible(on);
    second->setVisible(isotherm.kind == Isotherm::Between);
    colour->setVisible(on);
    share->setVisible(on);
    translucent->setVisible(on);
    translucentText->setVisible(on);
    translucent->setChecked(isotherm.translucent);
    first->setValue(double(ImageEntity::convertTemperature(float(isotherm.first), 0, unit())));
    second->setValue(double(ImageEntity::convertTemperature(float(isotherm.second), 0, unit())));
    colour->setStyleSheet(QStringLiteral("QToolButton#isotherm_colour{background: %1; border: 1px "
                                         "solid #ffffff;}")
                            .arg(QColor::fromRgb(isotherm.colour).name()));
    setEnabled(document->isLoaded());
    if (on && document->isLoaded()) {
        const double covered = TemperaturePicture::coverage(
          document->photograph()->temperatures(), isotherm, document->photograph()->correction());
        share->setText(QCoreApplication::translate("Widget", "%1%")
                         .arg(QString::number(covered * 100, 'f', covered < 0.1 ? 2 : 1)));
    } else {
        share->clear();
    }
}

bool IsothermControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == translucentText && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && translucent->isEnabled()) {
        translucent->toggle();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void IsothermControl::onKindChosen(int index)
{
    Isotherm isotherm = document->settings().isotherm;
    if (index == int(isotherm.kind) || !document->isLoaded())
        return;
    const Isotherm::Kind was = isotherm.kind;
    isotherm.kind = Isotherm::Kind(index);
    if (was == Isotherm::None && isotherm.kind != Isotherm::None) {
        // A limit where it shows something: four fifths up the photograph's span, one fifth up,
        // or the fifth in its middle.
        double low = 0;
        double high = 0;
        TemperaturePicture::shownSpan(
          document->photograph()->temperatures(), document->photograph()->correction(), low, high);
        const double span = high - low;
        if (isotherm.kind == Isotherm::Above) {
            isotherm.first = tenthsRounded(low + span * 0.8);
        } else if (isotherm.kind == Isotherm::Below) {
            isotherm.first = tenthsRounded(low + span * 0.2);
        } else {
            isotherm.first = tenthsRounded(low + span * 0.4);
            isotherm.second = tenthsRounded(low + span * 0.6);
        }
    } else if (isotherm.kind == Isotherm::Between && was != Isotherm::Between) {
        // From one limit to two: the second a tenth of the photograph's span above the first.
        double low = 0;
        double high = 0;
        TemperaturePicture::shownSpan(
          document->photograph()->temperatures(), document->photograph()->correction(), low, high);
        isotherm.second = tenthsRounded(isotherm.first + qMax(0.1, (high - low) / 10));
    }
    apply(isotherm);
}

void IsothermControl::onLimitEdited()
{
    Isotherm isotherm = document->settings().isotherm;
    if (isotherm.kind == Isotherm::None)
        return;
    isotherm.first = TemperatureRange::celsiusFrom(first->value(), unit());
    if (isotherm.kind == Isotherm::Between)
        isotherm.second = TemperatureRange::celsiusFrom(second->value(), unit());
    apply(isotherm);
}

void IsothermControl::onColourClicked()
{
    Isotherm isotherm = document->settings().isotherm;
    const QColor chosen = chooseColour(QColor::fromRgb(isotherm.colour));
    if (!chosen.isValid())
        return;
    isotherm.colour = chosen.rgb();
    apply(isotherm);
}

void IsothermControl::apply(const Isotherm& isotherm)
{
    if (isotherm == document->settings().isotherm)
        return;
    document->setIsotherm(isotherm);
    document->render();
    showIsotherm();
}
