#pragma once

#include "model/findings.h"
#include "model/imagedetails.h"
#include "model/imagedrawpath.h"
#include "model/objectparameters.h"
#include "model/temperaturematrix.h"

#include <QByteArray>
#include <QImage>
#include <QJsonObject>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>

// One radiometric photograph. Images, matrices and the shape list are implicitly shared, so a
// copy is cheap and a worker can own one while the window goes on with its own.
class ImageEntity : public QObject
{
    Q_OBJECT
public:
    explicit ImageEntity(QObject* parent = nullptr);
    ImageEntity(const ImageEntity& other);
    ImageEntity& operator=(const ImageEntity& other);

    // Units are 0 Celsius, 1 Fahrenheit, 2 Kelvin. A value converts to 0 and reads "N.A" in any
    // other target unit; only Celsius and Fahrenheit are known as a source.
    static float convertTemperature(float value, int fromUnit, int toUnit);
    static QString temperatureText(float value, int fromUnit, int toUnit);
    // A feature point's temperature in a unit; 0 and "N.A" until a photograph is loaded.
    float featureTemperature(const FeaturePoint& point, int unit) const;
    QString featureTemperatureText(const FeaturePoint& point, int unit) const;
    // The temperature of one matrix cell in ℃, as the file stores it; 0 off the matrix or for a
    // photograph without temperatures.
    float temperatureAt(int cx, int cy) const;
    // The temperature matrix over temperatureData, sharing its bytes.
    TemperatureMatrix temperatures() const;

    // The object parameters temperatures are shown with, and the map they make from a stored
    // temperature to a shown one; the camera's own until set. Setting them builds the map over
    // the matrix's span, so set them once the matrix is in place.
    const ObjectParameters& objectParameters() const { return object; }
    void setObjectParameters(const ObjectParameters& parameters);
    const TemperatureCorrection& correction() const { return corrected; }
    // The map for one shape's values: its own emissivity's when it has one, which is worked out
    // for each value asked, else the photograph's.
    TemperatureCorrection correctionFor(const ImageDrawPath& shape) const
    {
        return shape.ownParameters ? TemperatureCorrection(shape.parametersOver(object), 0, -1)
                                   : corrected;
    }
    // A stored temperature in ℃ as shown with the parameters in force; false where the object
    // has no temperature with them.
    bool shownCelsius(double stored, double& shown) const
    {
        return corrected.celsius(stored, shown);
    }
    // The same as text in a unit, "N.A" where there is none.
    QString shownText(double stored, int unit) const;

    QImage featureImage;
    int featureLength = 0;
    QImage screenImage;
    int screenWidth = 0;
    int screenHeight = 0;
    int screenLength = 0;
    QImage cameraImage;
    int cameraLength = 0;
    int temperatureWidth = 0;
    int temperatureHeight = 0;
    QImage paletteImage;
    QByteArray temperatureData;
    int grayWidth = 0;
    int grayHeight = 0;
    QByteArray grayData;
    ImageDetails details;
    QList<ImageDrawPath> image_drawpaths;
    bool loaded = false;
    // The JSON object of the extension block behind the feature block, as read; empty without
    // one. Keys this program does not know are written back unchanged on every save.
    QJsonObject extension;
    // What the measurement table compares the shapes against, as read from that block.
    MeasurementSettings measurement;

private:
    ObjectParameters object;
    TemperatureCorrection corrected;
};

Q_DECLARE_METATYPE(ImageEntity)
