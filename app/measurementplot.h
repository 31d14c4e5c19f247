#pragma once

#include "measure/regionmeasure.h"
#include "model/temperaturerange.h"

#include <QVector>
#include <QWidget>

// A picture of one measurement beside the table: a line's profile (temperature along the line,
// its hottest and coldest marked) or an area's histogram (how many cells at each temperature,
// with the range in force and the isotherm marked). Temperatures come in ℃ as shown and are
// written in the display unit.
class MeasurementPlot : public QWidget
{
    Q_OBJECT
public:
    explicit MeasurementPlot(QWidget* parent = nullptr);

    enum class Kind
    {
        None,
        Profile,
        Histogram,
    };
    Kind kind() const { return shown; }

    void showProfile(const QVector<RegionMeasure::Sample>& samples, int unit);
    void showHistogram(const QVector<int>& counts,
                       double low,
                       double high,
                       int unit,
                       const TemperatureRange& range,
                       const Isotherm& isotherm);
    void clear();

    const QVector<RegionMeasure::Sample>& profile() const { return samples; }
    const QVector<int>& histogram() const { return counts; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintProfile(QPainter& painter, const QRectF& area) const;
    void paintHistogram(QPainter& painter, const QRectF& area) const;
    QString temperatureText(double celsius) const;

    Kind shown = Kind::None;
    QVector<RegionMeasure::Sample> samples;
    QVector<int> counts;
    double low = 0;
    double high = 1;
    int unit = 0;
    TemperatureRange range;
    Isotherm isotherm;
};
