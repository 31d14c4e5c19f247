#include "model/objectparameters.h"

#include <QtTest>

#include <cmath>
#include <functional>

namespace {

constexpr double zeroCelsius = 273.15;

// The radiance a flat 8–14 µm band receives from a blackbody, by Simpson's rule over Planck's
// law, to an arbitrary factor: what the camera's closed form stands in for.
double planckBand(double kelvin)
{
    constexpr double c2 = 14387.77; // µm·K
    constexpr int steps = 2000;
    constexpr double from = 8;
    constexpr double to = 14;
    const double h = (to - from) / steps;
    const auto planck = [&](double lambda) {
        return 1 / (std::pow(lambda, 5) * std::expm1(c2 / (lambda * kelvin)));
    };
    double sum = planck(from) + planck(to);
    for (int i = 1; i < steps; ++i)
        sum += planck(from + i * h) * (i % 2 ? 4 : 2);
    return sum * h / 3;
}

// The temperature whose band radiance is this, by bisection.
double planckBandKelvin(double radiance)
{
    double low = 100;
    double high = 2000;
    for (int i = 0; i < 100; ++i) {
        const double middle = (low + high) / 2;
        (planckBand(middle) < radiance ? low : high) = middle;
    }
    return (low + high) / 2;
}

ObjectParameters parameters(double emissivity, double reflected, double distance = 0)
{
    ObjectParameters result = ObjectParameters::ofCamera(95);
    result.emissivity = emissivity;
    result.reflected = reflected;
    result.distance = distance;
    return result;
}

} // namespace

class TestObjectParameters : public QObject
{
    Q_OBJECT
private slots:
    void radianceFollowsThePlanckBand();
    void correctionAgainstThePlanckBand_data();
    void correctionAgainstThePlanckBand();
    void cameraValuesGiveTheStoredTemperaturesBack_data();
    void cameraValuesGiveTheStoredTemperaturesBack();
    void noRadianceLeftIsNoTemperature_data();
    void noRadianceLeftIsNoTemperature();
    void correctionKeepsTheOrderOfTemperatures();
    void transmission_data();
    void transmission();
    void storedParameters_data();
    void storedParameters();
};

void TestObjectParameters::radianceFollowsThePlanckBand()
{
    // Between the nodes of its table too: every 0.37 K from −130 to 1500 ℃, the radiance and
    // the temperature it is turned back into.
    double worst = 0;
    for (double celsius = -130; celsius <= 1500; celsius += 0.37) {
        const double reference = planckBand(celsius + zeroCelsius);
        const double radiance = Radiance::ofKelvin(celsius + zeroCelsius);
        // Steepest at the cold end, where a half kelvin multiplies the radiance by 1.04.
        QVERIFY2(std::fabs(radiance - reference) <= reference * 5e-4,
                 qPrintable(QString::number(celsius)));
        double kelvin = 0;
        QVERIFY(Radiance::kelvinOf(reference, kelvin));
        worst = std::max(worst, std::fabs(kelvin - zeroCelsius - celsius));
    }
    QVERIFY2(worst <= 0.005, qPrintable(QString::number(worst)));
    double kelvin = 0;
    QVERIFY(!Radiance::kelvinOf(0, kelvin));
    QVERIFY(!Radiance::kelvinOf(-1e-9, kelvin));
    QVERIFY(!Radiance::kelvinOf(std::nan(""), kelvin));
}

void TestObjectParameters::correctionAgainstThePlanckBand_data()
{
    QTest::addColumn<double>("stored");
    QTest::addColumn<double>("emissivity");
    QTest::addColumn<double>("reflected");
    QTest::addColumn<double>("distance");

    for (double stored : { -20.0, 0.0, 35.0, 100.0, 250.0, 500.0 }) {
        for (double emissivity : { 0.95, 0.5, 0.3 }) {
            for (double reflected : { -20.0, 20.0, 60.0 }) {
                const QString name =
                  QStringLiteral("%1 ℃ taken at ε 0.95 is recomputed for ε %2 reflecting %3 ℃")
                    .arg(stored)
                    .arg(emissivity)
                    .arg(reflected);
                QTest::newRow(qPrintable(name)) << stored << emissivity << reflected << 0.0;
            }
        }
    }
    QTest::newRow("a target 20 m away through humid air, its emissivity halved")
      << 80.0 << 0.5 << 20.0 << 20.0;
    QTest::newRow("a target 150 m away, the camera's own emissivity")
      << 300.0 << 0.95 << 20.0 << 150.0;
}

void TestObjectParameters::correctionAgainstThePlanckBand()
{
    QFETCH(double, stored);
    QFETCH(double, emissivity);
    QFETCH(double, reflected);
    QFETCH(double, distance);
    ObjectParameters set = parameters(emissivity, reflected, distance);
    set.humidity = 80;
    set.airTemperature = 25;
    const TemperatureCorrection correction(set, -400, 6000);
    double corrected = 0;
    const int tenths = int(std::lround(stored * 10));
    const bool known = correction.celsius(tenths, corrected);

    // The same balance of radiance, worked out with the band's integral.
    // The camera, with no distance set, took its reading as all the object's and its reflection.
    const double tau = Radiance::transmission(distance, 25, 80);
    const double air = planckBand(25 + zeroCelsius);
    const double signal =
      0.95 * planckBand(stored + zeroCelsius) + 0.05 * planckBand(20 + zeroCelsius);
    const double object =
      (signal - (1 - emissivity) * tau * planckBand(reflected + zeroCelsius) - (1 - tau) * air) /
      (emissivity * tau);
    if (!(object > 0)) {
        QVERIFY(!known);
        return;
    }
    QVERIFY(known);
    const double reference = planckBandKelvin(object) - zeroCelsius;
    QVERIFY2(std::fabs(corrected - reference) <= 0.1,
             qPrintable(QStringLiteral("%1 against %2").arg(corrected).arg(reference)));
}

void TestObjectParameters::cameraValuesGiveTheStoredTemperaturesBack_data()
{
    QTest::addColumn<int>("emissivityByte");
    QTest::addColumn<double>("distance");

    QTest::newRow("the camera's emissivity, reflection and distance") << 95 << 0.0;
    QTest::newRow("a camera that measured at 12 m, the same distance again") << 80 << 12.0;
    QTest::newRow("a damaged emissivity byte reads as a blackbody") << 250 << 0.0;
}

void TestObjectParameters::cameraValuesGiveTheStoredTemperaturesBack()
{
    QFETCH(int, emissivityByte);
    QFETCH(double, distance);
    ObjectParameters set = ObjectParameters::ofCamera(emissivityByte);
    set.distance = distance;
    set.cameraDistance = distance;
    const TemperatureCorrection correction(set, -500, 3000);
    QVERIFY(correction.isIdentity());
    for (int tenths = -600; tenths <= 3100; ++tenths) {
        double corrected = 0;
        QVERIFY(correction.celsius(tenths, corrected));
        QCOMPARE(corrected, tenths / 10.0);
    }
}

void TestObjectParameters::noRadianceLeftIsNoTemperature_data()
{
    QTest::addColumn<double>("stored");
    QTest::addColumn<double>("emissivity");
    QTest::addColumn<double>("reflected");

    QTest::newRow("a cold surface said to reflect a hot room almost wholly")
      << -20.0 << 0.05 << 60.0;
    QTest::newRow("the coldest the camera stores, of emissivity 0.01, reflecting 20 ℃")
      << -40.0 << 0.01 << 20.0;
}

void TestObjectParameters::noRadianceLeftIsNoTemperature()
{
    QFETCH(double, stored);
    QFETCH(double, emissivity);
    QFETCH(double, reflected);
    const int tenths = int(std::lround(stored * 10));
    const TemperatureCorrection correction(parameters(emissivity, reflected), tenths, tenths);
    double corrected = 12345;
    QVERIFY(!correction.celsius(tenths, corrected));
    QVERIFY(std::isfinite(corrected));
    int rounded = 0;
    QVERIFY(!correction.tenths(tenths, rounded));
    // Asked outside its table, the correction works it out the same way.
    const TemperatureCorrection narrow(parameters(emissivity, reflected), 5000, 5001);
    QVERIFY(!narrow.celsius(tenths, corrected));
}

void TestObjectParameters::correctionKeepsTheOrderOfTemperatures()
{
    const TemperatureCorrection correction(parameters(0.3, 35, 40), -400, 6000);
    double previous = -1e9;
    int known = 0;
    for (int tenths = -400; tenths <= 6000; ++tenths) {
        double corrected = 0;
        if (!correction.celsius(tenths, corrected))
            continue;
        QVERIFY2(corrected > previous, qPrintable(QString::number(tenths)));
        previous = corrected;
        ++known;
    }
    QVERIFY(known > 5000);
}

void TestObjectParameters::transmission_data()
{
    QTest::addColumn<double>("air");
    QTest::addColumn<double>("humidity");

    QTest::newRow("freezing dry air") << -40.0 << 0.0;
    QTest::newRow("a mild day") << 20.0 << 50.0;
    QTest::newRow("hot saturated air, the model's hardest case") << 60.0 << 100.0;
}

void TestObjectParameters::transmission()
{
    QFETCH(double, air);
    QFETCH(double, humidity);
    QCOMPARE(Radiance::transmission(0, air, humidity), 1.0);
    double previous = 1;
    for (double distance = 1; distance <= ObjectParameters::longestDistance; distance += 1) {
        const double tau = Radiance::transmission(distance, air, humidity);
        QVERIFY2(tau < previous && tau > 0.25, qPrintable(QString::number(distance)));
        previous = tau;
    }
    // Wetter air lets less through.
    if (humidity < 100)
        QVERIFY(Radiance::transmission(50, air, 100) < Radiance::transmission(50, air, humidity));
}

void TestObjectParameters::storedParameters_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<double>("emissivity");
    QTest::addColumn<double>("reflected");

    QTest::newRow("values kept come back")
      << QByteArray(R"({"emissivity":0.3,"reflected":-5.5})") << 0.3 << -5.5;
    QTest::newRow("an emissivity of 0 is the camera's")
      << QByteArray(R"({"emissivity":0})") << 0.95 << 20.0;
    QTest::newRow("a reflection below absolute zero is the default")
      << QByteArray(R"({"emissivity":0.5,"reflected":-300})") << 0.5 << 20.0;
    QTest::newRow("text where a number belongs is the default")
      << QByteArray(R"({"emissivity":"high","reflected":"warm"})") << 0.95 << 20.0;
}

void TestObjectParameters::storedParameters()
{
    QFETCH(QByteArray, json);
    QFETCH(double, emissivity);
    QFETCH(double, reflected);
    const ObjectParameters read =
      ObjectParameters::fromJson(QJsonDocument::fromJson(json).object(), 95);
    QVERIFY(read.isValid());
    QCOMPARE(read.emissivity, emissivity);
    QCOMPARE(read.reflected, reflected);
    QCOMPARE(read.cameraEmissivity, 0.95);
    QCOMPARE(ObjectParameters::fromJson(read.toJson(), 95), read);
}

QTEST_APPLESS_MAIN(TestObjectParameters)
#include "tst_objectparameters.moc"
