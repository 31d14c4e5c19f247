#include "app/detailspanel.h"

#include "model/imageentity.h"
#include "render/temperaturepicture.h"
#include "ui_widget.h"

#include <QCoreApplication>

namespace {

const char* const paletteBars[] = {
    ":/icon/res/icon/ic_palette_spectrum.png", ":/icon/res/icon/ic_palette_iron.png",
    ":/icon/res/icon/ic_palette_cool.png",     ":/icon/res/icon/ic_palette_whitehot.png",
    ":/icon/res/icon/ic_palette_blackhot.png",
};

} // namespace

QPixmap DetailsPanel::paletteBar(int palette)
{
    if (palette < int(PaletteIndex::Spectrum) || palette > int(PaletteIndex::BlackHot))
        return QPixmap();
    return QPixmap(QLatin1String(paletteBars[palette]));
}

QString DetailsPanel::emissivityText(int emissivity)
{
    return QString::number(double(emissivity) / 100, 'g', 6);
}

QString DetailsPanel::emissivityText(const ImageEntity& photograph)
{
    const ObjectParameters& parameters = photograph.objectParameters();
    if (parameters.emissivity == parameters.cameraEmissivity)
        return emissivityText(photograph.details.emissivity);
    // Two decimals each, so the two read as a pair: "0.80 (camera 0.95)".
    return QCoreApplication::translate("Widget", "%1（相机 %2）")
      .arg(QString::number(parameters.emissivity, 'f', 2),
           QString::number(parameters.cameraEmissivity, 'f', 2));
}

void DetailsPanel::showTexts(Ui_Widget* ui,
                             const ImageEntity& photograph,
                             int unit,
                             const TemperatureRange& range)
{
    ui->details_emissivity->setText(emissivityText(photograph));
    showFeatureTexts(ui, photograph, unit, range);
    ui->details_time->setText(photograph.details.captureTime);
}

void DetailsPanel::showFeatureTexts(Ui_Widget* ui,
                                    const ImageEntity& photograph,
                                    int unit,
                                    const TemperatureRange& range)
{
    const ImageFeature& feature = photograph.details.feature;
    const QString highest = photograph.featureTemperatureText(feature.maxPoint, unit);
    const QString lowest = photograph.featureTemperatureText(feature.minPoint, unit);
    ui->details_max->setText(highest);
    ui->details_min->setText(lowest);
    ui->details_spot->setText(photograph.featureTemperatureText(feature.centrePoint, unit));
    showScaleEnds(ui, photograph, unit, range);
}

void DetailsPanel::showScaleEnds(Ui_Widget* ui,
                                 const ImageEntity& photograph,
                                 int unit,
                                 const TemperatureRange& range)
{
    const ImageFeature& feature = photograph.details.feature;
    if (range.mode == TemperatureRange::Camera || !photograph.loaded) {
        ui->palette_max->setText(photograph.featureTemperatureText(feature.maxPoint, unit));
        ui->palette_min->setText(photograph.featureTemperatureText(feature.minPoint, unit));
        return;
    }
    double low = range.low;
    double high = range.high;
    if (range.mode != TemperatureRange::Manual)
        TemperaturePicture::shownSpan(
          photograph.temperatures(), photograph.correction(), low, high);
    ui->palette_max->setText(ImageEntity::temperatureText(float(high), 0, unit));
    ui->palette_min->setText(ImageEntity::temperatureText(float(low), 0, unit));
}
