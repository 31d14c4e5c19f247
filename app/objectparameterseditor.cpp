#include "app/objectparameterseditor.h"

#include "document/photographdocument.h"

#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

QDoubleSpinBox* valueBox(const char* name, int decimals, double low, double high, QWidget* parent)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setDecimals(decimals);
    box->setRange(low, high);
    box->setSingleStep(decimals == 2 ? 0.01 : 1);
    // Typed digits wait for Enter; arrow keys step at once.
    box->setKeyboardTracking(false);
    box->setAlignment(Qt::AlignRight);
    return box;
}

// Field captions in their order in the panel.
const char* const captionTexts[] = {
    QT_TRANSLATE_NOOP("Widget", "发射率"),       QT_TRANSLATE_NOOP("Widget", "反射温度"),
    QT_TRANSLATE_NOOP("Widget", "距离 (m)"),     QT_TRANSLATE_NOOP("Widget", "空气温度"),
    QT_TRANSLATE_NOOP("Widget", "相对湿度 (%)"), QT_TRANSLATE_NOOP("Widget", "相机使用的值"),
    QT_TRANSLATE_NOOP("Widget", "反射温度"),     QT_TRANSLATE_NOOP("Widget", "距离 (m)"),
};

} // namespace

ObjectParametersEditor::ObjectParametersEditor(PhotographDocument* document, QWidget* anchor)
  : QFrame(anchor, Qt::Popup)
  , document(document)
  , anchor(anchor)
  , emissivity(valueBox("object_emissivity", 2, ObjectParameters::lowestEmissivity, 1, this))
  , reflected(valueBox("object_reflected", 1, -200, 2000, this))
  , distance(valueBox("object_distance", 1, 0, ObjectParameters::longestDistance, this))
  , air(valueBox("object_air", 1, -100, 200, this))
  , humidity(valueBox("object_humidity", 0, 0, 100, this))
  , cameraReflected(valueBox("object_camera_reflected", 1, -200, 2000, this))
  , cameraDistance(
      valueBox("object_camera_distance", 1, 0, ObjectParameters::longestDistance, this))
  , cameraValues(new QPushButton(this))
{
    setObjectName(QStringLiteral("object_parameters"));
    setFrameShape(QFrame::Box);
    // A popup is a window of its own: it takes the panel's dark look explicitly.
    setStyleSheet(QStringLiteral("QFrame#object_parameters{background: #404142; border: 1px solid "
                                 "#ffffff;} QLabel{color: #ffffff;}"));
    cameraValues->setObjectName(QStringLiteral("object_camera_values"));
    for (QLabel*& caption : captions)
        caption = new QLabel(this);
    auto* form = new QFormLayout(this);
    form->addRow(captions[0], emissivity);
    form->addRow(captions[1], reflected);
    form->addRow(captions[2], distance);
    form->addRow(captions[3], air);
    form->addRow(captions[4], humidity);
    form->addRow(captions[5]);
    form->addRow(captions[6], cameraReflected);
    form->addRow(captions[7], cameraDistance);
    form->addRow(cameraValues);
    for (QDoubleSpinBox* box :
         { emissivity, reflected, distance, air, humidity, cameraReflected, cameraDistance })
        connect(box, &QDoubleSpinBox::editingFinished, this, &ObjectParametersEditor::commit);
    connect(cameraValues, &QPushButton::clicked, this, &ObjectParametersEditor::takeCamerasValues);
    connect(document, &PhotographDocument::objectParametersChanged, this, [this] {
        if (isVisible())
            fill();
    });
    anchor->installEventFilter(this);
    retranslate();
}

void ObjectParametersEditor::retranslate()
{
    for (int i = 0; i < 8; ++i)
        captions[i]->setText(QCoreApplication::translate("Widget", captionTexts[i]));
    cameraValues->setText(QCoreApplication::translate("Widget", "恢复相机的值"));
    cameraValues->setToolTip(QCoreApplication::translate("Widget", "按相机拍摄时的参数显示温度"));
    anchor->setToolTip(QCoreApplication::translate(
      "Widget", "单击或按 Ctrl+E 修改发射率、反射温度和大气参数；所有温度随之重新计算"));
    emissivity->setToolTip(QCoreApplication::translate("Widget", "被测表面的发射率，0.01 到 1.00"));
    reflected->setToolTip(
      QCoreApplication::translate("Widget", "表面反射的环境的表观温度（显示单位）"));
    distance->setToolTip(QCoreApplication::translate("Widget", "相机到表面的距离；0 表示不计大气"));
}

int ObjectParametersEditor::unit() const
{
    return document->settings().unit;
}

void ObjectParametersEditor::open()
{
    if (!document->isLoaded())
        return;
    fill();
    adjustSize();
    move(anchor->mapToGlobal(QPoint(0, anchor->height())));
    show();
    emissivity->setFocus();
    emissivity->selectAll();
}

void ObjectParametersEditor::fill()
{
    const ObjectParameters& parameters = document->settings().object;
    const auto shown = [this](double celsius) {
        return double(ImageEntity::convertTemperature(float(celsius), 0, unit()));
    };
    const QSignalBlocker blocks[] = {
        QSignalBlocker(emissivity),    QSignalBlocker(reflected), QSignalBlocker(distance),
        QSignalBlocker(air),           QSignalBlocker(humidity),  QSignalBlocker(cameraReflected),
        QSignalBlocker(cameraDistance)
    };
    emissivity->setValue(parameters.emissivity);
    reflected->setValue(shown(parameters.reflected));
    distance->setValue(parameters.distance);
    air->setValue(shown(parameters.airTemperature));
    humidity->setValue(parameters.humidity);
    cameraReflected->setValue(shown(parameters.cameraReflected));
    cameraDistance->setValue(parameters.cameraDistance);
}

void ObjectParametersEditor::commit()
{
    ObjectParameters parameters = document->settings().object;
    const auto celsius = [this](const QDoubleSpinBox* box) {
        return TemperatureRange::celsiusFrom(box->value(), unit());
    };
    // A temperature shown in tenths of another unit comes back a hair off; one not edited stays.
    const auto take = [&](double& kept, const QDoubleSpinBox* box) {
        if (std::abs(double(ImageEntity::convertTemperature(float(kept), 0, unit())) -
                     box->value()) > 0.04)
            kept = celsius(box);
    };
    parameters.emissivity = emissivity->value();
    take(parameters.reflected, reflected);
    parameters.distance = distance->value();
    take(parameters.airTemperature, air);
    parameters.humidity = humidity->value();
    take(parameters.cameraReflected, cameraReflected);
    parameters.cameraDistance = cameraDistance->value();
    if (!parameters.isValid()) {
        fill();
        return;
    }
    document->setObjectParameters(parameters);
}

void ObjectParametersEditor::takeCamerasValues()
{
    ObjectParameters parameters = document->settings().object;
    parameters.emissivity = parameters.cameraEmissivity;
    parameters.reflected = parameters.cameraReflected;
    parameters.distance = parameters.cameraDistance;
    document->setObjectParameters(parameters);
    fill();
}

bool ObjectParametersEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == anchor && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        open();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}
