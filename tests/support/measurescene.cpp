#include "support/measurescene.h"

#include <QRandomGenerator>

#include <cmath>

QByteArray MeasureScene::matrix(const QVector<qint16>& cells)
{
    QByteArray bytes(cells.size() * 2, Qt::Uninitialized);
    for (int i = 0; i < cells.size(); ++i) {
        bytes[2 * i] = char(cells[i] & 0xff);
        bytes[2 * i + 1] = char((cells[i] >> 8) & 0xff);
    }
    return bytes;
}

ImageEntity MeasureScene::landscape(int width, int height, quint32 seed, const QSize& screenSize)
{
    QRandomGenerator random(seed);
    struct Hill
    {
        double x, y, radius, height;
    };
    QVector<Hill> hills;
    for (int i = 0; i < 12; ++i) {
        hills.append({ random.bounded(double(width)),
                       random.bounded(double(height)),
                       8 + random.bounded(width / 6.0),
                       random.bounded(240.0) - 100 });
    }
    QVector<qint16> cells(width * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double value = 250 + 60 * std::sin(x / 53.0) * std::cos(y / 37.0);
            for (const Hill& hill : qAsConst(hills)) {
                const double dx = (x - hill.x) / hill.radius;
                const double dy = (y - hill.y) / hill.radius;
                value += hill.height * std::exp(-(dx * dx + dy * dy));
            }
            value += random.bounded(7) - 3;
            cells[y * width + x] = qint16(std::lround(value));
        }
    }
    for (int i = 0; i < 6; ++i) {
        const int left = random.bounded(width);
        const int top = random.bounded(height);
        const int right = qMin(width, left + 4 + random.bounded(qMax(1, width / 8)));
        const int bottom = qMin(height, top + 4 + random.bounded(qMax(1, height / 8)));
        const auto level = qint16(200 + random.bounded(120));
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x)
                cells[y * width + x] = level;
        }
    }

    int hottest = 0;
    int coldest = 0;
    for (int i = 1; i < cells.size(); ++i) {
        if (cells[i] > cells[hottest])
            hottest = i;
        if (cells[i] < cells[coldest])
            coldest = i;
    }

    ImageEntity photo;
    photo.temperatureWidth = width;
    photo.temperatureHeight = height;
    photo.temperatureData = matrix(cells);
    photo.screenWidth = screenSize.width();
    photo.screenHeight = screenSize.height();
    auto place = [&](FeaturePoint& point, int cell, float temperature) {
        point.x = quint16((cell % width) * screenSize.width() / width);
        point.y = quint16((cell / width) * screenSize.height() / height);
        point.temperature = temperature;
    };
    ImageFeature& feature = photo.details.feature;
    place(feature.maxPoint, hottest, (cells[hottest] - 25) / 10.0f);
    place(feature.minPoint, coldest, (cells[coldest] + 25) / 10.0f);
    feature.centrePoint.x = quint16(screenSize.width() / 2);
    feature.centrePoint.y = quint16(screenSize.height() / 2);
    feature.centrePoint.temperature = photo.temperatureAt(width / 2, height / 2);
    photo.loaded = true;
    return photo;
}

ImageEntity MeasureScene::uniform(int width, int height, qint16 tenths)
{
    ImageEntity photo;
    photo.temperatureWidth = width;
    photo.temperatureHeight = height;
    photo.temperatureData = matrix(QVector<qint16>(width * height, tenths));
    photo.screenWidth = width;
    photo.screenHeight = height;
    photo.details.feature.maxPoint.temperature = 1000;
    photo.details.feature.minPoint.temperature = -1000;
    photo.loaded = true;
    return photo;
}

ImageEntity MeasureScene::featureMarkers()
{
    ImageEntity photo = uniform(160, 120, 250);
    photo.screenWidth = 1280;
    photo.screenHeight = 960;
    photo.details.feature.maxPoint.x = 200;
    photo.details.feature.maxPoint.y = 200;
    photo.details.feature.minPoint.x = 1080;
    photo.details.feature.minPoint.y = 200;
    return photo;
}
