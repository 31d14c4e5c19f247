#include "model/imageentity.h"

#include <QtTest>

namespace {

const QString notAvailable = QStringLiteral("N.A");
const float kelvinOffset = 273.15f;

} // namespace

// The unit conversions and temperature texts of ImageEntity.
class TestTemperatureUnits : public QObject
{
    Q_OBJECT
private slots:
    void convertTemperature_data();
    void convertTemperature();
    void temperatureText_data();
    void temperatureText();
    void featureTemperature_data();
    void featureTemperature();
};

void TestTemperatureUnits::convertTemperature_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("fromUnit");
    QTest::addColumn<int>("toUnit");
    QTest::addColumn<float>("expected");

    QTest::newRow("celsius stays celsius") << 36.5f << 0 << 0 << 36.5f;
    QTest::newRow("boiling water in fahrenheit") << 100.0f << 0 << 1 << 212.0f;
    QTest::newRow("minus forty is the same in both") << -40.0f << 0 << 1 << -40.0f;
    QTest::newRow("freezing in kelvin uses the float offset") << 0.0f << 0 << 2 << kelvinOffset;
    QTest::newRow("fahrenheit back to celsius") << 212.0f << 1 << 0 << 100.0f;
    QTest::newRow("fahrenheit stays fahrenheit") << 97.9f << 1 << 1 << 97.9f;
    QTest::newRow("fahrenheit freezing in kelvin") << 32.0f << 1 << 2 << kelvinOffset;
    QTest::newRow("an unknown target unit gives zero") << 25.0f << 0 << 3 << 0.0f;
    QTest::newRow("a negative target unit gives zero") << 25.0f << 1 << -1 << 0.0f;
    QTest::newRow("kelvin is not known as a source") << 300.0f << 2 << 0 << 0.0f;
    QTest::newRow("an unknown source unit gives zero") << 25.0f << 7 << 1 << 0.0f;
}

void TestTemperatureUnits::convertTemperature()
{
    QFETCH(float, value);
    QFETCH(int, fromUnit);
    QFETCH(int, toUnit);
    QFETCH(float, expected);
    QCOMPARE(ImageEntity::convertTemperature(value, fromUnit, toUnit), expected);
}

void TestTemperatureUnits::temperatureText_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("fromUnit");
    QTest::addColumn<int>("toUnit");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one decimal and the celsius sign") << 36.5f << 0 << 0 << QStringLiteral("36.5℃");
    QTest::newRow("a whole number keeps its decimal") << -4.0f << 0 << 0 << QStringLiteral("-4.0℃");
    // The single-precision 273.15 lies just below 273.15.
    QTest::newRow("freezing reads 273.1 kelvin") << 0.0f << 0 << 2 << QStringLiteral("273.1K");
    QTest::newRow("room temperature reads 298.1 kelvin")
      << 25.0f << 0 << 2 << QStringLiteral("298.1K");
    QTest::newRow("boiling reads 212 fahrenheit") << 100.0f << 0 << 1 << QStringLiteral("212.0℉");
    QTest::newRow("body temperature in fahrenheit") << 37.0f << 0 << 1 << QStringLiteral("98.6℉");
    QTest::newRow("fahrenheit shown in celsius") << 212.0f << 1 << 0 << QStringLiteral("100.0℃");
    QTest::newRow("an unknown source reads zero") << 300.0f << 2 << 0 << QStringLiteral("0.0℃");
    QTest::newRow("unit code three reads N.A") << 25.0f << 0 << 3 << notAvailable;
    QTest::newRow("a negative unit code reads N.A") << 25.0f << 1 << -1 << notAvailable;
}

void TestTemperatureUnits::temperatureText()
{
    QFETCH(float, value);
    QFETCH(int, fromUnit);
    QFETCH(int, toUnit);
    QFETCH(QString, expected);
    QCOMPARE(ImageEntity::temperatureText(value, fromUnit, toUnit), expected);
}

void TestTemperatureUnits::featureTemperature_data()
{
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<int>("unit");
    QTest::addColumn<float>("expected");
    QTest::addColumn<QString>("expectedText");

    QTest::newRow("loaded, in celsius") << true << 0 << 25.0f << QStringLiteral("25.0℃");
    QTest::newRow("loaded, in fahrenheit") << true << 1 << 77.0f << QStringLiteral("77.0℉");
    QTest::newRow("loaded, in kelvin")
      << true << 2 << 25.0f + kelvinOffset << QStringLiteral("298.1K");
    QTest::newRow("loaded, unknown unit") << true << 3 << 0.0f << notAvailable;
    QTest::newRow("not loaded, in celsius") << false << 0 << 0.0f << notAvailable;
    QTest::newRow("not loaded, in fahrenheit") << false << 1 << 0.0f << notAvailable;
    QTest::newRow("not loaded, in kelvin") << false << 2 << 0.0f << notAvailable;
}

void TestTemperatureUnits::featureTemperature()
{
    QFETCH(bool, loaded);
    QFETCH(int, unit);
    QFETCH(float, expected);
    QFETCH(QString, expectedText);
    ImageEntity entity;
    entity.loaded = loaded;
    FeaturePoint point;
    point.temperature = 25.0f;
    entity.details.feature.maxPoint = point;
    QCOMPARE(entity.featureTemperature(entity.details.feature.maxPoint, unit), expected);
    QCOMPARE(entity.featureTemperatureText(entity.details.feature.maxPoint, unit), expectedText);
}

QTEST_APPLESS_MAIN(TestTemperatureUnits)
#include "tst_temperatureunits.moc"
