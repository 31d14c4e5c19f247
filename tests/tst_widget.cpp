#include "app/displaypreferences.h"
#include "app/measurementpane.h"
#include "app/measurementplot.h"
#include "app/previewreadthread.h"
#include "app/settingstools.h"
#include "app/surfacemenu.h"
#include "app/unsavedmeasurements.h"
#include "app/widget.h"
#include "app/windowfit.h"
#include "document/photographdocument.h"
#include "measure/measurementtable.h"
#include "model/csvexport.h"
#include "model/radiometricreader.h"
#include "render/blendscheduler.h"
#include "render/imageblendthread.h"
#include "support/logcapture.h"
#include "support/radiometricfile.h"
#include "support/windowdriver.h"
#include "surface/imagedrawlabel.h"

#include <QtTest>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QSlider>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTextLayout>
#include <QUndoStack>

#include <functional>
#include <numeric>

#include <unistd.h>

namespace {

QString samplePath(const QString& name)
{
    return QStringLiteral(KORVEX_SAMPLES_DIR "/") + name;
}

// A photograph with a 640 × 480 Screen image that the margin leaves whole.
QByteArray photograph(int palette, int unit, int emissivity)
{
    RadiometricFile file;
    file.jpegs[0] = RadiometricFile::jpeg(QSize(640, 480), QColor(200, 60, 20));
    file.device.palette = palette;
    file.device.unit = unit;
    file.device.emissivity = emissivity;
    return file.bytes();
}

// Waits until the operation panel has the width its contents ask for: a text just set has only
// posted its layout's request, and the panel's width moves the surface's area.
bool panelSettles(QWidget& window)
{
    auto* panel = child<QWidget>(window, "content_operation");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    return QTest::qWaitFor(
      [&] { return panel->width() == qMax(panel->minimumWidth(), panel->sizeHint().width()); },
      1000);
}

// The surface lies whole inside its area and fills it in one direction.
bool fillsItsArea(QWidget& window)
{
    const QRect surface = child<ImageDrawLabel>(window, "image_draw")->geometry();
    const QRect area = child<QWidget>(window, "content_image")->rect();
    return area.contains(surface) &&
           (surface.width() >= area.width() - 1 || surface.height() >= area.height() - 1);
}

// Characters of a text that come out blank: no glyph, or an empty one as in a font that claims a
// character it cannot draw.
QString blankCharacters(const QFont& font, const QString& text)
{
    QString blank;
    for (const QChar c : text) {
        if (!QFontMetrics(font).inFont(c))
            blank += c;
    }
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const quint32 space = run.rawFont().glyphIndexesForString(QStringLiteral(" ")).value(0);
        for (const quint32 glyph : run.glyphIndexes()) {
            if (glyph != space && run.rawFont().pathForGlyph(glyph).isEmpty())
                blank += QStringLiteral("#%1").arg(glyph);
        }
    }
    return blank;
}

bool readPhotograph(const QString& path, ImageEntity& entity)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && RadiometricReader::read(file.readAll(), entity);
}

} // namespace

class TestWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void measurementsSurviveSteppingAndAskAtClose_data();
    void measurementsSurviveSteppingAndAskAtClose();
    void rangeChosenUnderTheScale_data();
    void rangeChosenUnderTheScale();
    void wheelAndDragOnTheScale_data();
    void wheelAndDragOnTheScale();
    void isothermBesideTheScale_data();
    void isothermBesideTheScale();
    void displayChoicesKeptForAllPhotographs();
    void shapeOfItsOwnEmissivity();
    void measurementTableUnderThePhotograph();
    void shapesRenamedAndRemovedInTheTable();
    void profileAndHistogramBesideTheTable();
    void shapeSelectedOnTheSurfaceAndInTheTable();
    void objectParametersRecomputeWhatIsShown_data();
    void objectParametersRecomputeWhatIsShown();
    void initialState();
    void startupStyleSheets_data();
    void startupStyleSheets();
    void openShowsThePhotograph_data();
    void openShowsThePhotograph();
    void previewScalesIntoTheLabel();
    void cancelledOpenChangesNothing();
    void failedOpenKeepsTheDisplay();
    void languages_data();
    void languages();
    void toolButtons();
    void undoAndClear();
    void unitRewritesTheFields();
    void featureBoxBeforeAnyFile();
    void blendDragShowsTheLastValue();
    void paletteCommand();
    void saveDialog();
    void saveRoundTrip_data();
    void saveRoundTrip();
    void saveTakesThePhotographShown();
    void saveAfterTheFileChanged_data();
    void saveAfterTheFileChanged();
    void closingWaitsForTheSave();
    void closingWhileThreadsRun();
    void startupLanguage_data();
    void startupLanguage();
    void commandLine_data();
    void commandLine();
    void openWithoutTheDialog_data();
    void openWithoutTheDialog();
    void drops_data();
    void drops();
    void stepThroughTheFolder();
    void shortcuts();
    void toolTips_data();
    void toolTips();
    void surfaceMenu();
    void exportIntoALockedFolder();
    void saveFailureGivesTheSystemsReason_data();
    void saveFailureGivesTheSystemsReason();
    void surfaceFollowsItsArea();
    void previewIsThePictureSaved();
    void darkControlsAreReadable();
    void comboTextsHaveTheirGlyphs_data();
    void comboTextsHaveTheirGlyphs();
    void shapeTooSmallIsNoticed();

private:
    bool open(Widget& window, const QString& path);
    // Saves through the dialog; the save runs on when this returns.
    void startSave(Widget& window, const QString& target);

    QTemporaryDir dir;
};

void TestWidget::initTestCase()
{
    QVERIFY(dir.isValid());
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.1.25"));
    // The offscreen platform's one screen is 800 × 600; these tests see the window as it opens on
    // a desktop monitor, at the size it was laid out for.
    WindowFit::assumeAvailableSize(QSize(1920, 1040));
}

void TestWidget::init()
{
    SettingsTools::setLanguage(0);
    // A folder that exists: the desktop the dialogs fall back to may not exist on a build machine.
    SettingsTools::setLastImagePath(dir.path());
    SettingsTools::setLastSavePath(dir.path());
    for (auto choice : { SettingsTools::Kept::Unit,
                         SettingsTools::Kept::Palette,
                         SettingsTools::Kept::RangeMode })
        SettingsTools::setKeepsForAll(choice, false);
    SettingsTools::setThermalOnOpen(false);
    SettingsTools::setMeasurementsShown(false);
}

bool TestWidget::open(Widget& window, const QString& path)
{
    return openThroughDialog(window, path);
}

void TestWidget::measurementsSurviveSteppingAndAskAtClose_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");

    QTest::newRow("Cancel keeps the window and its measurements")
      << int(UnsavedMeasurements::Cancel) << false << false;
    QTest::newRow("Discard closes without writing a file")
      << int(UnsavedMeasurements::Discard) << true << false;
    QTest::newRow("Save all writes both photographs, then closes")
      << int(UnsavedMeasurements::SaveAll) << true << true;
}

// Shapes drawn on one photograph, Page Down to the next and another drawn there, Page Up back:
// nothing is lost on the way, and closing asks once about both photographs.
void TestWidget::measurementsSurviveSteppingAndAskAtClose()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    QTemporaryDir folder;
    const QString first = folder.filePath(QStringLiteral("IMG_1.jpg"));
    const QString second = folder.filePath(QStringLiteral("IMG_2.jpg"));
    QVERIFY(QFile::copy(samplePath(QStringLiteral("fuse-box.jpg")), first));
    QVERIFY(QFile::copy(samplePath(QStringLiteral("radiator.jpg")), second));
    for (const QString& path : { first, second })
        QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const auto bytesOf = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray firstBefore = bytesOf(first);

    auto* window = new Widget;
    QPointer<Widget> alive(window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* name = child<QLabel>(*window, "details_name");
    auto* notice = child<QLabel>(*window, "title_notice");
    auto* surface = child<ImageDrawLabel>(*window, "image_draw");
    QVERIFY(open(*window, first));
    QTest::mouseClick(child<QPushButton>(*window, "menu_line"), Qt::LeftButton);
    drag(surface, QPoint(20, 20), QPoint(200, 120));
    QVERIFY(QTest::qWaitFor([&] { return surface->pathList().size() == 2; }));

    QTest::keyClick(window, Qt::Key_PageDown);
    QVERIFY(QTest::qWaitFor([&] { return name->text() == QStringLiteral("IMG_2.jpg"); }));
    QVERIFY(notice->toolTip().isEmpty());
    const int secondStored = surface->pathList().size();
    drag(surface, QPoint(30, 40), QPoint(220, 160));
    QVERIFY(QTest::qWaitFor([&] { return surface->pathList().size() == secondStored + 1; }));

    QTest::keyClick(window, Qt::Key_PageUp);
    QVERIFY(QTest::qWaitFor([&] { return name->text() == QStringLiteral("IMG_1.jpg"); }));
    QCOMPARE(surface->pathList().size(), 2);
    QCOMPARE(surface->pathList().last().type, int(ShapeKind::Line));
    QCOMPARE(notice->toolTip(), QStringLiteral("这张照片有未保存的测量"));

    auto* guard = window->findChild<UnsavedMeasurements*>();
    QVERIFY(guard);
    QStringList asked;
    guard->ask = [&](const QStringList& files) {
        asked = files;
        return UnsavedMeasurements::Answer(answer);
    };
    window->close();
    QCOMPARE(asked.size(), 2);
    if (closes)
        QVERIFY(QTest::qWaitFor([&] { return alive.isNull(); }, 10000));
    else
        QVERIFY(window->isVisible());
    ImageEntity firstBack;
    QVERIFY(RadiometricReader::read(bytesOf(first), firstBack));
    ImageEntity secondBack;
    QVERIFY(RadiometricReader::read(bytesOf(second), secondBack));
    if (saved) {
        QCOMPARE(firstBack.image_drawpaths.size(), 2);
        QCOMPARE(secondBack.image_drawpaths.size(), secondStored + 1);
    } else {
        QCOMPARE(bytesOf(first), firstBefore);
        QCOMPARE(secondBack.image_drawpaths.size(), secondStored);
    }
    delete alive.data();
}

void TestWidget::rangeChosenUnderTheScale_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("bottom");
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("low");

    QTest::newRow("a range typed in Celsius") << 0 << "45"
                                              << "20" << 45.0 << 20.0;
    QTest::newRow("a range typed in Fahrenheit is kept in Celsius") << 1 << "113"
                                                                    << "68" << 45.0 << 20.0;
    QTest::newRow("a top typed below the bottom is refused, and the top stays")
      << 0 << "10"
      << "20" << 57.6 << 20.0;
}

// Under the scale: Manual from the keyboard, the ends typed in the unit on show; the picture is
// the matrix through that range, the scale's ends say it, and a save keeps it.
void TestWidget::rangeChosenUnderTheScale()
{
    QFETCH(int, unit);
    QFETCH(QString, top);
    QFETCH(QString, bottom);
    QFETCH(double, high);
    QFETCH(double, low);
    Widget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(open(window, samplePath(QStringLiteral("radiator.jpg"))));
    child<QComboBox>(window, "details_unit")->setCurrentIndex(unit);
    auto* mode = child<QComboBox>(window, "range_mode");
    auto* highBox = child<QDoubleSpinBox>(window, "range_high");
    auto* lowBox = child<QDoubleSpinBox>(window, "range_low");
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    QCOMPARE(mode->currentIndex(), int(TemperatureRange::Camera));
    QVERIFY(!highBox->isVisible());
    const QImage camera = surface->shownPixmap().toImage();

    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_End);
    QCOMPARE(mode->currentIndex(), int(TemperatureRange::Manual));
    QVERIFY(highBox->isVisible() && lowBox->isVisible());
    // The matrix's own range to start from: 9.5 to 57.6 ℃.
    QCOMPARE(highBox->text(),
             QString::number(double(ImageEntity::convertTemperature(57.6f, 0, unit)), 'f', 1));
    const auto type = [](QDoubleSpinBox* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    };
    type(lowBox, bottom);
    type(highBox, top);
    QVERIFY(QTest::qWaitFor([&] { return surface->shownPixmap().toImage() != camera; }));

    auto* topText = child<QLabel>(window, "palette_max");
    auto* bottomText = child<QLabel>(window, "palette_min");
    QCOMPARE(topText->text(), ImageEntity::temperatureText(float(high), 0, unit));
    QCOMPARE(bottomText->text(), ImageEntity::temperatureText(float(low), 0, unit));

    const QString target = dir.filePath(QStringLiteral("range-saved.jpg"));
    QFile::remove(target);
    startSave(window, target);
    QVERIFY(QTest::qWaitFor([&] { return QFileInfo(target).size() > 0; }, 10000));
    QTest::qWait(200);
    QVERIFY(open(window, target));
    QCOMPARE(mode->currentIndex(), int(TemperatureRange::Manual));
    QCOMPARE(topText->text(), ImageEntity::temperatureText(float(high), 0, unit));
}

void TestWidget::wheelAndDragOnTheScale_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");

    // The radiator's ends on show: 9.5 and 57.6 ℃, a span of 48.1.
    QTest::newRow("a wheel notch up warms both ends by a twentieth of the span")
      << "wheel" << 11.9 << 60.0;
    QTest::newRow("the middle dragged down a quarter of the bar cools both ends by a quarter")
      << "middle" << -2.5 << 45.6;
    QTest::newRow("the top dragged down a quarter of the bar lowers the top alone")
      << "top" << 9.5 << 45.6;
}

void TestWidget::wheelAndDragOnTheScale()
{
    QFETCH(QString, gesture);
    QFETCH(double, low);
    QFETCH(double, high);
    Widget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(open(window, samplePath(QStringLiteral("radiator.jpg"))));
    auto* bar = child<QLabel>(window, "palette_image");
    const int h = bar->height();
    const QPoint middle(bar->width() / 2, h / 2);
    if (gesture == QLatin1String("wheel")) {
        QWheelEvent wheel(middle,
                          bar->mapToGlobal(middle),
                          QPoint(),
                          QPoint(0, 120),
                          Qt::NoButton,
                          Qt::NoModifier,
                          Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(bar, &wheel);
    } else {
        const QPoint from(middle.x(), gesture == QLatin1String("top") ? h / 20 : h / 2);
        QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, from);
        QMouseEvent move(QEvent::MouseMove,
                         from + QPoint(0, h / 4),
                         Qt::LeftButton,
                         Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
        QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, from + QPoint(0, h / 4));
    }
    QCOMPARE(child<QComboBox>(window, "range_mode")->currentIndex(), int(TemperatureRange::Manual));
    // Within a tenth: the bar's height in pixels need not divide the span evenly.
    const auto near = [](const QString& text, double value) {
        return std::abs(text.toDouble() - value) <= 0.15;
    };
    QVERIFY2(near(child<QDoubleSpinBox>(window, "range_low")->text(), low),
             qPrintable(child<QDoubleSpinBox>(window, "range_low")->text()));
    QVERIFY2(near(child<QDoubleSpinBox>(window, "range_high")->text(), high),
             qPrintable(child<QDoubleSpinBox>(window, "range_high")->text()));
}

void TestWidget::isothermBesideTheScale_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    // The isotherm's limits in ℃.
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");

    QTest::newRow("cells at or above 30 ℃ take the isotherm's colour")
      << 0 << int(Isotherm::Above) << "30"
      << "" << 30.0 << 1000.0;
    QTest::newRow("a limit typed in Kelvin is taken in Celsius: at or below 293.2 K")
      << 2 << int(Isotherm::Below) << "293.2"
      << "" << -1000.0 << 20.05;
    QTest::newRow("between two limits typed the high one first, in Fahrenheit")
      << 1 << int(Isotherm::Between) << "104"
      << "68" << 20.0 << 40.0;
}

void TestWidget::isothermBesideTheScale()
{
    QFETCH(int, unit);
    QFETCH(int, kind);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(double, lower);
    QFETCH(double, upper);
    Widget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(open(window, samplePath(QStringLiteral("radiator.jpg"))));
    child<QComboBox>(window, "details_unit")->setCurrentIndex(unit);
    // The thermal picture alone, its range from the matrix, so the scale has ticks and a band.
    child<QSlider>(window, "details_blend")->setValue(100);
    auto* mode = child<QComboBox>(window, "range_mode");
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Down);
    QCOMPARE(mode->currentIndex(), int(TemperatureRange::Auto));

    auto* kindBox = child<QComboBox>(window, "isotherm_kind");
    kindBox->setFocus();
    for (int i = 0; i < kind; ++i)
        QTest::keyClick(kindBox, Qt::Key_Down);
    QCOMPARE(kindBox->currentIndex(), kind);
    const auto type = [](QDoubleSpinBox* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    };
    type(child<QDoubleSpinBox>(window, "isotherm_first"), first);
    if (!second.isEmpty())
        type(child<QDoubleSpinBox>(window, "isotherm_second"), second);

    // The share counted here from the matrix, cell by cell, limits included.
    ImageEntity photograph;
    QVERIFY(readPhotograph(samplePath(QStringLiteral("radiator.jpg")), photograph));
    const TemperatureMatrix cells = photograph.temperatures();
    qint64 covered = 0;
    for (int y = 0; y < cells.height(); ++y) {
        for (int x = 0; x < cells.width(); ++x) {
            const double t = cells.tenths(x, y) / 10.0;
            covered += t >= lower - 1e-9 && t <= upper + 1e-9;
        }
    }
    const double share = double(covered) / (double(cells.width()) * cells.height());
    QVERIFY2(share > 0.02 && share < 0.98,
             qPrintable(QStringLiteral("%1 of the cells: the row tells covered from uncovered "
                                       "cells apart too little")
                          .arg(share)));
    const QString shareText = child<QLabel>(window, "isotherm_share")->text();
    QVERIFY2(std::abs(QString(shareText).remove(QLatin1Char('%')).toDouble() - share * 100) < 0.051,
             qPrintable(shareText + QStringLiteral(" for %1").arg(share * 100)));

    // The picture on show carries the colour over about that share: only the edges of the
    // isotherm's areas are smoothed into their neighbours by the scaling.
    const QRgb green = Isotherm::defaultColour;
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    const auto greenShare = [&] {
        const QImage shown = surface->shownPixmap().toImage().convertToFormat(QImage::Format_RGB32);
        qint64 count = 0;
        for (int y = 0; y < shown.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
            for (int x = 0; x < shown.width(); ++x)
                count += (line[x] | 0xff000000u) == green;
        }
        return double(count) / (double(shown.width()) * shown.height());
    };
    QVERIFY(QTest::qWaitFor([&] { return std::abs(greenShare() - share) < 0.05; }));

    // The band beside the bar, in the same colour.
    auto* marks = window.findChild<QWidget*>(QStringLiteral("palette_marks"));
    QVERIFY(marks);
    const QImage column = marks->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int bandX = child<QLabel>(window, "palette_image")->x() - 4;
    int bandRows = 0;
    for (int y = 0; y < column.height(); ++y)
        bandRows += (column.pixel(bandX, y) | 0xff000000u) == green;
    QVERIFY2(bandRows > 0, "no isotherm band beside the bar");

    // Half transparent, no cell keeps the pure colour; the caption beside the box ticks it.
    QTest::mouseClick(child<QLabel>(window, "isotherm_translucent_text"), Qt::LeftButton);
    QVERIFY(child<QCheckBox>(window, "isotherm_translucent")->isChecked());
    QVERIFY(QTest::qWaitFor([&] { return greenShare() < 0.01; }));

    const QString target = dir.filePath(QStringLiteral("isotherm-saved.jpg"));
    QFile::remove(target);
    startSave(window, target);
    QVERIFY(QTest::qWaitFor([&] { return QFileInfo(target).size() > 0; }, 10000));
    QTest::qWait(200);
    QVERIFY(open(window, samplePath(QStringLiteral("fuse-box.jpg"))));
    QCOMPARE(kindBox->currentIndex(), int(Isotherm::None));
    QVERIFY(open(window, target));
    QCOMPARE(kindBox->currentIndex(), kind);
    QCOMPARE(child<QDoubleSpinBox>(window, "isotherm_first")->value(), first.toDouble());
    QVERIFY(child<QCheckBox>(window, "isotherm_translucent")->isChecked());
}

void TestWidget::displayChoicesKeptForAllPhotographs()
{
    // Ticks the choice in the control's context menu, or clears it.
    const auto choose = [](Widget& window, QWidget* control, const char* choice, bool on) {
        QMenu* menu = window.findChild<DisplayPreferences*>()->menuFor(control);
        auto* action = menu->findChild<QAction*>(QLatin1String(choice));
        QVERIFY(action && action->isCheckable());
        if (action->isChecked() != on)
            action->trigger();
    };
    const auto useForAll = [&](Widget& window, QWidget* control, bool on) {
        choose(window, control, "preference_use_for_all", on);
    };
    {
        Widget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(open(window, samplePath(QStringLiteral("radiator.jpg"))));
        auto* palette = child<QComboBox>(window, "details_palette");
        auto* unit = child<QComboBox>(window, "details_unit");
        auto* mode = child<QComboBox>(window, "range_mode");
        auto* blend = child<QSlider>(window, "details_blend");
        QCOMPARE(blend->value(), 0);
        useForAll(window, palette, true);
        useForAll(window, unit, true);
        useForAll(window, mode, true);
        palette->setCurrentIndex(int(PaletteIndex::WhiteHot));
        unit->setCurrentIndex(int(TemperatureUnit::Kelvin));
        mode->setFocus();
        QTest::keyClick(mode, Qt::Key_Down);
        QTest::keyClick(mode, Qt::Key_Down);
        QCOMPARE(mode->currentIndex(), int(TemperatureRange::Histogram));

        // fuse-box.jpg stores the iron palette, Celsius and the camera's range.
        QVERIFY(open(window, samplePath(QStringLiteral("fuse-box.jpg"))));
        QCOMPARE(palette->currentIndex(), int(PaletteIndex::WhiteHot));
        QCOMPARE(unit->currentIndex(), int(TemperatureUnit::Kelvin));
        QCOMPARE(mode->currentIndex(), int(TemperatureRange::Histogram));
        QVERIFY(child<QLabel>(window, "details_max")->text().endsWith(QStringLiteral("K")));

        useForAll(window, palette, false);
        choose(window, blend, "preference_thermal_on_open", true);
        QVERIFY(open(window, samplePath(QStringLiteral("coffee-mug.jpg"))));
        QCOMPARE(palette->currentIndex(), int(PaletteIndex::Iron));
        // Stored showing its visible picture alone, it opens on the thermal one.
        QCOMPARE(blend->value(), 100);
    }
    // Kept in the settings file, for the next run too.
    Widget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(open(window, samplePath(QStringLiteral("radiator.jpg"))));
    QCOMPARE(child<QComboBox>(window, "details_unit")->currentIndex(),
             int(TemperatureUnit::Kelvin));
    QCOMPARE(child<QComboBox>(window, "details_palette")->currentIndex(),
             int(PaletteIndex::Spectrum));
    QCOMPARE(child<QSlider>(window, "details_blend")->value(), 100);
}

void TestWidget::shapeOfItsOwnEmissivity()
{
    Widget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(open(window, samplePath(QStringLiteral("fuse-box.jpg"))));
    QVERIFY(panelSettles(window));
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    auto* document = window.findChild<PhotographDocument*>();
    auto* menus = window.findChild<SurfaceMenu*>();
    QVERIFY(menus);
    menus->askEmissivity = [](double& value) {
        value = 0.5;
        return true;
    };
    const auto choose = [&](const char* name) {
        QMenu* menu = menus->popUp(QPoint(surface->width() / 3, surface->height() / 2));
        QAction* action = menu ? menu->findChild<QAction*>(QLatin1String(name)) : nullptr;
        if (!action || !action->isEnabled())
            return false;
        action->trigger();
        menu->close();
        return true;
    };
    const QImage before = surface->savedPicture();

    // The stored rectangle, 26.0 to 72.7 ℃ as the camera measured it, is the newest shape.
    QVERIFY(choose("shape_emissivity"));
    const ImageDrawPath& shape = document->shapes().last();
    QVERIFY(shape.ownParameters);
    QCOMPARE(shape.emissivity, 0.5);
    ObjectParameters own = ObjectParameters::ofCamera(95);
    own.emissivity = 0.5;
    const TemperatureCorrection correction(own, 0, -1);
    double hottest = 0;
    double coldest = 0;
    QVERIFY(correction.celsius(72.7, hottest));
    QVERIFY(correction.celsius(26.0, coldest));
    QVERIFY(hottest > 80);
    QVERIFY(surface->savedPicture() != before);

    // Its export and the range fitted to it are in its own temperatures.
    const QList<QByteArray> line = CsvExport::shapes(document->shapes(), *document->photograph(), 0)
                                     .split('\n')
                                     .at(1)
                                     .split(',');
    QCOMPARE(line.at(5), QByteArray::number(hottest, 'f', 1));
    QVERIFY(choose("fit_range"));
    QCOMPARE(child<QLabel>(window, "palette_max")->text(),
             ImageEntity::temperatureText(float(hottest), 0, 0));
    QCOMPARE(child<QLabel>(window, "palette_min")->text(),
             ImageEntity::temperatureText(float(coldest), 0, 0));

    // Undone, the photograph's emissivity holds for it again; set anew, a save keeps it.
    document->undoStack()->undo();
    QVERIFY(!document->shapes().last().ownParameters);
    QVERIFY(choose("shape_emissivity"));
    const QString target = dir.filePath(QStringLiteral("own-emissivity.jpg"));
    QFile::remove(target);
    startSave(window, target);
    QVERIFY(QTest::qWaitFor([&] { return QFileInfo(target).size() > 0; }, 10000));
    QTest::qWait(200);
    ImageEntity saved;
    QVERIFY(readPhotograph(target, saved));
    QCOMPARE(saved.image_drawpaths.size(), 1);
    QVERIFY(saved.image_drawpaths.first().ownParameters);
    QCOMPARE(saved.image_drawpaths.first().emissivity, 0.5);
    QCOMPARE(saved.details.emissivity, 95);
}

void TestWidget::measurementTableUnderThePhotograph()
{
    const QString target = dir.filePath(QStringLiteral("table-saved.jpg"));
    QFile::remove(target);
    {
        Widget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(open(window, samplePath(QStringLiteral("fuse-box.jpg"))));
        auto* pane = window.findChild<MeasurementPane*>();
        auto* surface = child<ImageDrawLabel>(window, "image_draw");
        QVERIFY(pane && !pane->isVisible());
        const int fullHeight = surface->height();
        QTest::keyClick(&window, Qt::Key_F9);
        QVERIFY(pane->isVisible());
        // The photograph makes room for the pane rather than lying under it.
        QVERIFY(surface->height() < fullHeight);
        QVERIFY(surface->geometry().bottom() < pane->geometry().top());

        // The hottest, coldest and centre, then the stored rectangle, as the table model has them.
        auto* table = child<QTableWidget>(window, "measurement_table");
        const ImageEntity& photo = *window.findChild<PhotographDocument*>()->photograph();
        const QVector<MeasurementRow> rows = MeasurementTable::rows(photo);
        QCOMPARE(table->rowCount(), rows.size());
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(table->item(3, 0)->text(), QStringLiteral("Bx1"));
        QCOMPARE(table->item(3, 2)->text(), ImageEntity::temperatureText(72.7f, 0, 0));
        QCOMPARE(table->item(3, 3)->text(), ImageEntity::temperatureText(26.0f, 0, 0));
        QCOMPARE(table->item(3, 4)->text(),
                 ImageEntity::temperatureText(float(rows[3].mean), 0, 0));
        QVERIFY(table->item(3, 7)->text().isEmpty());

        // Against the surroundings (reflected 20 ℃): 52.7 K over, priority 1 over ambient.
        auto* reference = child<QComboBox>(window, "measurement_reference");
        auto* criterion = child<QComboBox>(window, "measurement_criterion");
        reference->setFocus();
        QTest::keyClick(reference, Qt::Key_Down);
        QTest::keyClick(criterion, Qt::Key_Down);
        QCOMPARE(table->item(3, 7)->text(), QStringLiteral("52.7"));
        const QString over = table->item(3, 8)->text();
        QVERIFY(!over.isEmpty());
        // Shown in Fahrenheit the difference is 1.8 times as large, the class the same.
        child<QComboBox>(window, "details_unit")->setCurrentIndex(1);
        QCOMPARE(table->item(3, 7)->text(), QStringLiteral("94.9"));
        QCOMPARE(table->item(3, 8)->text(), over);

        QTest::mouseClick(child<QPushButton>(window, "measurement_copy"), Qt::LeftButton);
        const QStringList lines =
          QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[3].split(QLatin1Char('\t')).size(), 10);
        QCOMPARE(lines[4].split(QLatin1Char('\t')).value(0), QStringLiteral("Bx1"));

        startSave(window, target);
        QVERIFY(QTest::qWaitFor([&] { return QFileInfo(target).size() > 0; }, 10000));
        QTest::qWait(200);
    }
    // The pane stays as it was left, and the file keeps what the figures are compared with.
    Widget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(open(window, target));
    QVERIFY(window.findChild<MeasurementPane*>()->isVisible());
    QCOMPARE(child<QComboBox>(window, "measurement_reference")->currentIndex(), 1);
    QCOMPARE(child<QComboBox>(window, "measurement_criterion")->currentIndex(),
             int(Criterion::OverAmbient));
}

void TestWidget::shapesRenamedAndRemovedInTheTable()
{
    Widget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(open(window, samplePath(QStringLiteral("fuse-box.jpg"))));
    QTest::keyClick(&window, Qt::Key_F9);
    auto* table = child<QTableWidget>(window, "measurement_table");
    auto* document = window.findChild<PhotographDocument*>();
    const auto typeInto = [&](int row, int column, const QString& text) {
        table->setFocus();
        table->setCurrentCell(row, column);
        table->editItem(table->item(row, column));
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (!editor)
            return false;
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits what was typed on a queued call.
        QCoreApplication::processEvents();
        return true;
    };
    // The photograph's own rows take no name.
    QVERIFY(!typeInto(0, 0, QStringLiteral("nothing")));

    QVERIFY(typeInto(3, 0, QStringLiteral("L1 phase A")));
    QCOMPARE(document->shapes().first().name, QStringLiteral("L1 phase A"));
    QVERIFY(typeInto(3, 9, QStringLiteral("lug loose, retorque")));
    QCOMPARE(document->shapes().first().note, QStringLiteral("lug loose, retorque"));
    QCOMPARE(table->item(3, 9)->text(), QStringLiteral("lug loose, retorque"));
    // A name typed empty is given the next free one of its kind again.
    QVERIFY(typeInto(3, 0, QString()));
    QCOMPARE(document->shapes().first().name, QStringLiteral("Bx1"));
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(table->item(3, 0)->text(), QStringLiteral("L1 phase A"));

    table->setFocus();
    table->setCurrentCell(3, 2);
    QTest::keyClick(table, Qt::Key_Delete);
    QVERIFY(document->shapes().isEmpty());
    QCOMPARE(table->rowCount(), 3);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(document->shapes().size(), 1);
    QCOMPARE(table->item(3, 0)->text(), QStringLiteral("L1 phase A"));
    QCOMPARE(table->item(3, 9)->text(), QStringLiteral("lug loose, retorque"));
}

void TestWidget::profileAndHistogramBesideTheTable()
{
    Widget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(open(window, samplePath(QStringLiteral("fuse-box.jpg"))));
    QTest::keyClick(&window, Qt::Key_F9);
    auto* table = child<QTableWidget>(window, "measurement_table");
    auto* plot = window.findChild<MeasurementPlot*>();
    auto* document = window.findChild<PhotographDocument*>();
    const ImageEntity& photo = *document->photograph();
    const RegionMeasure measure(photo.temperatures());

    // The hottest row: the whole photograph's histogram, every cell counted once.
    table->setCurrentCell(0, 0);
    QCOMPARE(plot->kind(), MeasurementPlot::Kind::Histogram);
    const QVector<int> whole = plot->histogram();
    QCOMPARE(std::accumulate(whole.cbegin(), whole.cend(), 0),
             photo.temperatureWidth * photo.temperatureHeight);

    // The stored rectangle: its own cells.
    table->setCurrentCell(3, 0);
    QCOMPARE(plot->kind(), MeasurementPlot::Kind::Histogram);
    const ImageDrawPath& box = document->shapes().first();
    RegionMeasure::Shown figures;
    QVERIFY(measure.shown(box, photo.correction(), figures));
    const QVector<int> boxCounts = plot->histogram();
    QCOMPARE(std::accumulate(boxCounts.cbegin(), boxCounts.cend(), 0), figures.cells);

    // A line across the hot fuse: its profile, sample for sample the line rule's cells.
    ImageDrawPath line;
    line.setKind(ShapeKind::Line);
    line.point(PointRole::Start) = PathPoint(0.2f, 0.45f, 0, 0);
    line.point(PointRole::End) = PathPoint(0.8f, 0.45f, 0, 0);
    document->addShape(line);
    table->setCurrentCell(4, 0);
    QCOMPARE(plot->kind(), MeasurementPlot::Kind::Profile);
    const QVector<RegionMeasure::Sample> expected =
      measure.profile(QPointF(0.2, 0.45), QPointF(0.8, 0.45), photo.correction());
    QCOMPARE(plot->profile().size(), expected.size());
    for (int k = 0; k < expected.size(); ++k) {
        QCOMPARE(plot->profile()[k].cell, expected[k].cell);
        QCOMPARE(plot->profile()[k].celsius, expected[k].celsius);
    }
    QTest::mouseClick(child<QPushButton>(window, "measurement_copy_plot"), Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->image().size(), plot->size());
}

void TestWidget::shapeSelectedOnTheSurfaceAndInTheTable()
{
    Widget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(open(window, samplePath(QStringLiteral("fuse-box.jpg"))));
    QTest::keyClick(&window, Qt::Key_F9);
    auto* table = child<QTableWidget>(window, "measurement_table");
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    auto* document = window.findChild<PhotographDocument*>();
    const QImage saved = surface->savedPicture();
    const QImage shown = surface->grab().toImage();

    // A click inside the stored rectangle, with no tool in hand, selects it in both places.
    const ImageDrawPath& box = document->shapes().first();
    const QPoint inside(
      int((box.point(PointRole::Start).x + box.point(PointRole::End).x) / 2 * surface->width()),
      int((box.point(PointRole::Start).y + box.point(PointRole::End).y) / 2 * surface->height()));
    QCOMPARE(surface->shapeAt(inside), 0);
    QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, inside);
    QCOMPARE(surface->selectedShape(), 0);
    QCOMPARE(table->currentRow(), 3);
    // The selection is drawn on screen, never into the picture a save writes.
    QVERIFY(surface->grab().toImage() != shown);
    QCOMPARE(surface->savedPicture(), saved);

    // A click where no shape is lets it go; a row chosen in the table selects again.
    QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QCOMPARE(surface->selectedShape(), -1);
    table->setCurrentCell(0, 0);
    QCOMPARE(surface->selectedShape(), -1);
    table->setCurrentCell(3, 0);
    QCOMPARE(surface->selectedShape(), 0);

    // Delete on the surface takes the selected shape away, and Undo brings it back.
    surface->setFocus();
    QTest::keyClick(surface, Qt::Key_Delete);
    QVERIFY(document->shapes().isEmpty());
    QCOMPARE(surface->selectedShape(), -1);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(document->shapes().size(), 1);
}

void TestWidget::objectParametersRecomputeWhatIsShown_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("emissivity");
    QTest::addColumn<QString>("reflected");

    QTest::newRow("a lower emissivity typed, in Celsius") << 0 << "0.6"
                                                          << "";
    QTest::newRow("emissivity and a warm reflection typed in Fahrenheit") << 1 << "0.8"
                                                                          << "104";
}

void TestWidget::objectParametersRecomputeWhatIsShown()
{
    QFETCH(int, unit);
    QFETCH(QString, emissivity);
    QFETCH(QString, reflected);
    Widget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(open(window, samplePath(QStringLiteral("radiator.jpg"))));
    child<QComboBox>(window, "details_unit")->setCurrentIndex(unit);
    auto* maximum = child<QLabel>(window, "details_max");
    auto* emissivityText = child<QLabel>(window, "details_emissivity");
    const QString storedMaximum = maximum->text();
    QCOMPARE(emissivityText->text(), QStringLiteral("0.95"));

    QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
    auto* editor = window.findChild<QFrame*>(QStringLiteral("object_parameters"));
    QVERIFY(editor && editor->isVisible());
    const auto type = [](QDoubleSpinBox* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    };
    type(editor->findChild<QDoubleSpinBox*>(QStringLiteral("object_emissivity")), emissivity);
    if (!reflected.isEmpty())
        type(editor->findChild<QDoubleSpinBox*>(QStringLiteral("object_reflected")), reflected);

    // The hottest cell as the correction gives it, worked out here from the file.
    ImageEntity photograph;
    QVERIFY(readPhotograph(samplePath(QStringLiteral("radiator.jpg")), photograph));
    ObjectParameters parameters = ObjectParameters::ofCamera(95);
    parameters.emissivity = emissivity.toDouble();
    if (!reflected.isEmpty())
        parameters.reflected = TemperatureRange::celsiusFrom(reflected.toDouble(), unit);
    photograph.setObjectParameters(parameters);
    const QString expected =
      photograph.shownText(double(photograph.details.feature.maxPoint.temperature), unit);
    QCOMPARE(maximum->text(), expected);
    QVERIFY(maximum->text() != storedMaximum);
    // Both, two decimals each, in the window's language (the tests run in Chinese).
    QCOMPARE(emissivityText->text(),
             QStringLiteral("%1（相机 0.95）").arg(emissivity.toDouble(), 0, 'f', 2));

    // The readout over the matrix's hottest cell shows what the details do.
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    const TemperatureMatrix cells = photograph.temperatures();
    QPoint hottest;
    for (int y = 0; y < cells.height(); ++y) {
        for (int x = 0; x < cells.width(); ++x) {
            if (cells.tenths(x, y) > cells.tenths(hottest.x(), hottest.y()))
                hottest = QPoint(x, y);
        }
    }
    const QPoint pixel(int((hottest.x() + 0.5) * surface->width() / cells.width()),
                       int((hottest.y() + 0.5) * surface->height() / cells.height()));
    QCOMPARE(surface->temperatureTextAt(pixel),
             photograph.shownText(cells.tenths(hottest.x(), hottest.y()) / 10.0, unit));
    QCOMPARE(float(cells.tenths(hottest.x(), hottest.y())) / 10.0f,
             photograph.details.feature.maxPoint.temperature);

    // Undone, the camera's temperatures are back; a save keeps what is in force.
    editor->hide();
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    if (!reflected.isEmpty())
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(maximum->text(), storedMaximum);
    QCOMPARE(emissivityText->text(), QStringLiteral("0.95"));
    window.findChild<PhotographDocument*>()->setObjectParameters(parameters);
    QCOMPARE(maximum->text(), expected);
    const QString target = dir.filePath(QStringLiteral("parameters-saved.jpg"));
    QFile::remove(target);
    startSave(window, target);
    QVERIFY(QTest::qWaitFor([&] { return QFileInfo(target).size() > 0; }, 10000));
    QTest::qWait(200);
    QVERIFY(open(window, samplePath(QStringLiteral("fuse-box.jpg"))));
    QVERIFY(open(window, target));
    QCOMPARE(maximum->text(), expected);
    // The file keeps the camera's figures for every other reader.
    ImageEntity saved;
    QVERIFY(readPhotograph(target, saved));
    QCOMPARE(saved.details.emissivity, 95);
    QCOMPARE(saved.temperatureData, photograph.temperatureData);
    QCOMPARE(saved.details.feature.maxPoint.temperature,
             photograph.details.feature.maxPoint.temperature);
}

void TestWidget::initialState()
{
    Widget window;
    window.show();
    QCOMPARE(window.minimumSize(), QSize(1280, 800));
    window.resize(800, 600);
    QVERIFY(window.width() >= 1280 && window.height() >= 800);
    QCOMPARE(child<QLabel>(window, "title_version")->text(), QStringLiteral("V 1.0.1.25"));
    QCOMPARE(child<QLabel>(window, "title_text")->text(), QStringLiteral("Korvex"));
    QCOMPARE(child<QLabel>(window, "image_label")->text(), QStringLiteral("请打开文件"));
    for (const char* name : { "details_name",
                              "details_emissivity",
                              "details_max",
                              "details_min",
                              "details_spot",
                              "details_time",
                              "palette_max",
                              "palette_min" })
        QVERIFY2(child<QLabel>(window, name)->text().isEmpty(), name);
    QVERIFY(child<QCheckBox>(window, "details_feature")->isChecked());
    QCOMPARE(child<QSlider>(window, "details_blend")->value(), 0);
    auto* save = child<QPushButton>(window, "menu_save");
    QVERIFY(!save->isEnabled());
    QVERIFY(save->styleSheet().contains(QStringLiteral("background-color: #EEEEEE;")));
    QVERIFY(!child<QPushButton>(window, "menu_free")->isVisible());
}

void TestWidget::startupStyleSheets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sheet");

    const auto row = [](const char* name, const char* sheet) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(sheet);
    };
    row("Widget", "QWidget#Widget{background-color: #000000}");
    row("widget_title_bar",
        "QComboBox#title_language QAbstractItemView{background-color: #000000;color: "
        "#ffffff;selection-background-color: #0099FF;selection-color: "
        "#ffffff;}QComboBox#title_language::item:selected{background-color: #0099FF;color: "
        "#ffffff;}");
    row("title_icon", "QPushButton#title_icon{border:0px}");
    row("title_text", "QLabel#title_text{font-size: 25px;color: #FFFFFF;font-weight: bold}");
    row("title_version", "QLabel#title_version{color: #FFFFFF;font-weight: normal}");
    row("title_language",
        "QComboBox#title_language{background-color: #000000;color: #ffffff;border: 1px solid "
        "#ffffff;}");
    row("widget_menu_bar", "QWidget#widget_menu_bar{background-color: #404142}");
    row("menu_open",
        "QPushButton#menu_open{min-width: 200px;min-height: 32px;border-radius: "
        "4px;background-color: #0099FF;color: #FFFFFF;font-size: "
        "14px;}QPushButton#menu_open:hover{background-color: #00AAFF;}");
    row("menu_save",
        "QPushButton#menu_save{min-width: 200px;min-height: 32px;border-radius: "
        "4px;background-color: #EEEEEE;color: #000000;font-size: "
        "14px;}QPushButton#menu_save:hover{background-color: #E3E3E3;}");
    row("menu_clear",
        "QPushButton#menu_clear{border:0px;}QPushButton#menu_clear:hover{background-color: "
        "#000000;}");
    row("widget_content", "QWidget#widget_content{background-color: #000000;}");
    row("palette_max", "QLabel#palette_max{color: #ffffff;}");
    row("palette_min", "QLabel#palette_min{color: #ffffff;}");
    row("content_palette", "QWidget#content_palette{background-color: #404142}");
    row("content_operation", "QWidget#content_operation{background-color: #404142}");
    row("operation_details",
        "QLabel{color: #ffffff;}QCheckBox#details_feature::indicator{width: 14px;height: "
        "14px;border: 1px solid #ffffff;background-color: "
        "#000000;}QCheckBox#details_feature::indicator:checked{background-color: "
        "#0099FF;}QCheckBox#details_feature::indicator:hover{border: 1px solid #00AAFF;}");
    row("details_feature", "color: rgb(255, 255, 255);");
    row("image_label",
        "QLabel#image_label{font-size: 20px;color: #FFFFFF;font-weight: "
        "bold;background-color: #000000;}");
}

void TestWidget::startupStyleSheets()
{
    QFETCH(QString, name);
    QFETCH(QString, sheet);
    Widget window;
    window.show();
    QWidget* widget = name == QLatin1String("Widget") ? &window : window.findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->styleSheet(), sheet);
}

void TestWidget::openShowsThePhotograph_data()
{
    QTest::addColumn<int>("palette");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("emissivity");
    QTest::addColumn<QString>("emissivityText");
    QTest::addColumn<QString>("maxText");

    QTest::newRow("iron, Celsius")
      << 1 << 0 << 95 << QStringLiteral("0.95") << QStringLiteral("39.1℃");
    QTest::newRow("black hot, Fahrenheit")
      << 4 << 1 << 100 << QStringLiteral("1") << QStringLiteral("102.4℉");
    // Unknown codes select the first entries, and the temperatures show in the unit selected.
    QTest::newRow("unknown palette and unit")
      << 7 << 5 << 95 << QStringLiteral("0.95") << QStringLiteral("39.1℃");
}

void TestWidget::openShowsThePhotograph()
{
    QFETCH(int, palette);
    QFETCH(int, unit);
    QFETCH(int, emissivity);
    QFETCH(QString, emissivityText);
    QFETCH(QString, maxText);

    const QString path =
      writeFile(dir.filePath(QStringLiteral("open-%1-%2.jpg").arg(palette).arg(unit)),
                photograph(palette, unit, emissivity));
    Widget window;
    window.show();
    LogCapture log;
    QVERIFY(open(window, path));

    QCOMPARE(child<QLabel>(window, "details_name")->text(), QFileInfo(path).fileName());
    QCOMPARE(child<QLabel>(window, "details_emissivity")->text(), emissivityText);
    QCOMPARE(child<QLabel>(window, "details_max")->text(), maxText);
    QCOMPARE(child<QLabel>(window, "palette_max")->text(), maxText);
    QCOMPARE(child<QLabel>(window, "details_time")->text(), QStringLiteral("2026-11-05 09:41:12"));
    const int shownPalette = palette <= 4 ? palette : 0;
    QCOMPARE(child<QComboBox>(window, "details_palette")->currentIndex(), shownPalette);
    QCOMPARE(child<QComboBox>(window, "details_unit")->currentIndex(), unit <= 2 ? unit : 0);
    const QPixmap bar = shownPixmap(child<QLabel>(window, "palette_image"));
    if (palette <= 4) {
        const char* const names[] = { "spectrum", "iron", "cool", "whitehot", "blackhot" };
        QCOMPARE(bar.toImage(),
                 QImage(QStringLiteral(":/icon/res/icon/ic_palette_%1.png")
                          .arg(QLatin1String(names[palette]))));
    } else {
        QVERIFY(bar.isNull());
    }
    QVERIFY(child<QPushButton>(window, "menu_save")->isEnabled());
    QVERIFY(child<QPushButton>(window, "menu_save")
              ->styleSheet()
              .contains(QStringLiteral("background-color: #0099FF;")));
    QCOMPARE(SettingsTools::getLastImagePath(), QFileInfo(path).path());

    // The surface shows the rendered photograph fitted into its area.
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    auto* area = child<QWidget>(window, "content_image");
    QVERIFY(!surface->shownPixmap().isNull());
    QVERIFY(surface->width() == area->width() || surface->height() == area->height());
    QVERIFY(log.contains(QStringLiteral("图片文件解析成功")));
    QVERIFY(log.contains(QStringLiteral("图像合成成功")));
}

void TestWidget::previewScalesIntoTheLabel()
{
    const QString path =
      writeFile(dir.filePath(QStringLiteral("preview.jpg")), photograph(1, 0, 95));
    Widget window;
    window.show();
    auto* preview = child<QLabel>(window, "image_label");
    preview->setFixedSize(280, 300);
    QVERIFY(open(window, path));
    QCOMPARE(shownPixmap(preview).size(), QSize(280, 210));
}

void TestWidget::cancelledOpenChangesNothing()
{
    const QString folder = dir.path();
    SettingsTools::setLastImagePath(folder);
    Widget window;
    window.show();
    DialogAnswer answer{ QString() };
    QTest::mouseClick(child<QPushButton>(window, "menu_open"), Qt::LeftButton);
    QVERIFY(answer.answered);
    QCOMPARE(answer.directory, QDir(folder).absolutePath());
    QCOMPARE(SettingsTools::getLastImagePath(), folder);
    QVERIFY(child<QLabel>(window, "details_name")->text().isEmpty());
    QVERIFY(!child<QPushButton>(window, "menu_save")->isEnabled());
}

void TestWidget::failedOpenKeepsTheDisplay()
{
    SettingsTools::setLanguage(1);
    Widget window;
    window.show();
    // Stored shapes and a Feature image: everything the open command could have reset.
    QVERIFY(open(window, samplePath(QStringLiteral("fuse-box.jpg"))));
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    auto* preview = child<QLabel>(window, "image_label");
    const QString path =
      writeFile(dir.filePath(QStringLiteral("holiday.jpg")), RadiometricFile::jpeg(QSize(20, 20)));
    LogCapture log;
    DialogAnswer answer(path);
    QTest::mouseClick(child<QPushButton>(window, "menu_open"), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return log.contains(QStringLiteral("图片文件解析失败")); }));
    QCOMPARE(child<QLabel>(window, "details_name")->text(), QStringLiteral("fuse-box.jpg"));
    QVERIFY(child<QPushButton>(window, "menu_save")->isEnabled());
    QVERIFY(!surface->shownPixmap().isNull());
    QCOMPARE(surface->pathList().size(), 1);
    auto* shownNotice = child<QLabel>(window, "title_notice");
    QVERIFY(shownNotice->isVisible());
    QCOMPARE(shownNotice->toolTip(), QStringLiteral("Not a radiometric photograph: holiday.jpg"));
    // The notice lives in the title band, so a snapshot of the surface cannot hold it.
    QVERIFY(!surface->isAncestorOf(shownNotice));

    // A language switch refills the preview from the photograph still shown, which prefers its
    // Feature image to its Screen image.
    child<QComboBox>(window, "title_language")->setCurrentIndex(2);
    ImageEntity fuseBox;
    QVERIFY(readPhotograph(samplePath(QStringLiteral("fuse-box.jpg")), fuseBox));
    const QImage shown = shownPixmap(preview).toImage();
    const auto scaled = [&](const QImage& image) {
        return QPixmap::fromImage(image)
          .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
          .toImage();
    };
    QCOMPARE(shown, scaled(fuseBox.featureImage));
    QVERIFY(shown != scaled(fuseBox.screenImage));
    QVERIFY(!shownNotice->isVisible());
}

void TestWidget::languages_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("fahrenheit");
    QTest::addColumn<QString>("prompt");

    QTest::newRow("中文") << 0 << QStringLiteral("打开") << QStringLiteral("华氏度℉")
                          << QStringLiteral("请打开文件");
    QTest::newRow("English") << 1 << QStringLiteral("Open File")
                             << QStringLiteral("Fahrenheit（℉）")
                             << QStringLiteral("Please open the file");
    QTest::newRow("Deutsch") << 2 << QStringLiteral("Datei öffnen")
                             << QStringLiteral("Fahrenheit (℉)")
                             << QStringLiteral("Bitte öffnen Sie die Datei");
    QTest::newRow("Français") << 3 << QStringLiteral("Fichier ouvert")
                              << QStringLiteral("Fahrenheit（℉）")
                              << QStringLiteral("Veuillez ouvrir le fichier");
    QTest::newRow("Italiano") << 4 << QStringLiteral("Apri il file")
                              << QStringLiteral("Fahrenheit（℉）")
                              << QStringLiteral("Si prega di aprire il file");
    QTest::newRow("Español") << 5 << QStringLiteral("Abrir Archivo")
                             << QStringLiteral("Fahrenheit（℉）")
                             << QStringLiteral("Por favor abre el archivo");
    QTest::newRow("日本語") << 6 << QStringLiteral("ファイルを開く") << QStringLiteral("華氏（℉）")
                            << QStringLiteral("ファイルを開いてください");
    QTest::newRow("Русский") << 7 << QStringLiteral("Открыть файл")
                             << QStringLiteral("Фаренгейты（℉）")
                             << QStringLiteral("Пожалуйста, откройте файл");
    QTest::newRow("한국인") << 8 << QStringLiteral("파일 열기") << QStringLiteral("화씨(℉)")
                            << QStringLiteral("파일을 열어주세요");
}

void TestWidget::languages()
{
    QFETCH(int, index);
    QFETCH(QString, open);
    QFETCH(QString, fahrenheit);
    QFETCH(QString, prompt);

    // Start in another language, so that the switch has something to change.
    SettingsTools::setLanguage(index == 1 ? 0 : 1);
    Widget window;
    window.show();
    QCOMPARE(child<QLabel>(window, "image_label")->text().isEmpty(), false);
    auto* language = child<QComboBox>(window, "title_language");
    language->setCurrentIndex(index);
    QCOMPARE(SettingsTools::getLanguage(), index);
    QCOMPARE(child<QPushButton>(window, "menu_open")->text(), open);
    QCOMPARE(child<QComboBox>(window, "details_unit")->itemText(1), fahrenheit);
    QCOMPARE(child<QLabel>(window, "image_label")->text(), prompt);
    QCOMPARE(child<QLabel>(window, "title_text")->text(), QStringLiteral("Korvex"));
    QCOMPARE(child<QLabel>(window, "title_version")->text(), QStringLiteral("V 1.0.1.25"));

    // With a photograph open, the details survive a switch and keep the chosen unit.
    QVERIFY(this->open(window, samplePath(QStringLiteral("radiator.jpg"))));
    child<QComboBox>(window, "details_unit")->setCurrentIndex(1);
    const QString highest = child<QLabel>(window, "details_max")->text();
    QVERIFY(highest.endsWith(QStringLiteral("℉")));
    language->setCurrentIndex(index == 1 ? 2 : 1);
    QCOMPARE(child<QLabel>(window, "details_name")->text(), QStringLiteral("radiator.jpg"));
    QCOMPARE(child<QLabel>(window, "details_emissivity")->text(), QStringLiteral("0.95"));
    QCOMPARE(child<QLabel>(window, "details_max")->text(), highest);
    QCOMPARE(child<QLabel>(window, "palette_max")->text(), highest);
    QVERIFY(!child<QLabel>(window, "details_time")->text().isEmpty());
    QVERIFY(!shownPixmap(child<QLabel>(window, "image_label")).isNull());
}

void TestWidget::toolButtons()
{
    Widget window;
    window.show();
    auto* point = child<QPushButton>(window, "menu_point");
    auto* line = child<QPushButton>(window, "menu_line");
    const QString selected = QStringLiteral(
      "QPushButton#%1{border:0px;background-color: #000000;}QPushButton#%1:hover{background-color: "
      "#000000;}");
    const QString unselected =
      QStringLiteral("QPushButton#%1{border:0px;}QPushButton#%1:hover{background-color: #000000;}");
    QTest::mouseClick(point, Qt::LeftButton);
    QCOMPARE(point->styleSheet(), selected.arg(QStringLiteral("menu_point")));
    QTest::mouseClick(line, Qt::LeftButton);
    QCOMPARE(point->styleSheet(), unselected.arg(QStringLiteral("menu_point")));
    QCOMPARE(line->styleSheet(), selected.arg(QStringLiteral("menu_line")));
    QTest::mouseClick(line, Qt::LeftButton);
    QCOMPARE(line->styleSheet(), unselected.arg(QStringLiteral("menu_line")));

    // A tool chosen before any photograph draws on the first photograph loaded.
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    QTest::mouseClick(point, Qt::LeftButton);
    QVERIFY(open(window, samplePath(QStringLiteral("coffee-mug.jpg"))));
    QCOMPARE(surface->drawMode(), 0);
    drag(surface, QPoint(40, 40), QPoint(40, 40));
    QVERIFY(QTest::qWaitFor([&] { return surface->pathList().size() == 1; }));
    QCOMPARE(point->styleSheet(), selected.arg(QStringLiteral("menu_point")));
    QTest::mouseClick(child<QPushButton>(window, "menu_rect"), Qt::LeftButton);
    QCOMPARE(surface->drawMode(), 2);
    QTest::mouseClick(child<QPushButton>(window, "menu_rect"), Qt::LeftButton);
    QCOMPARE(surface->drawMode(), 4);
}

void TestWidget::undoAndClear()
{
    Widget window;
    window.show();
    auto* back = child<QPushButton>(window, "menu_back");
    auto* clear = child<QPushButton>(window, "menu_clear");
    // Nothing to undo before a photograph; the commands must not touch the surface.
    QTest::mouseClick(back, Qt::LeftButton);
    QTest::mouseClick(clear, Qt::LeftButton);

    QVERIFY(open(window, samplePath(QStringLiteral("fuse-box.jpg"))));
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    QCOMPARE(surface->pathList().size(), 1);
    QTest::mouseClick(child<QPushButton>(window, "menu_line"), Qt::LeftButton);
    drag(surface, QPoint(20, 20), QPoint(200, 120));
    QVERIFY(QTest::qWaitFor([&] { return surface->pathList().size() == 2; }));
    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(surface->pathList().size(), 1);
    // The shape read from the file is the one left.
    QCOMPARE(surface->pathList().first().type, 2);
    QTest::mouseClick(clear, Qt::LeftButton);
    QVERIFY(surface->pathList().isEmpty());
    // Undo after Clear brings the cleared shapes back; the next Undo takes the last of them.
    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(surface->pathList().size(), 1);
    QTest::mouseClick(back, Qt::LeftButton);
    QVERIFY(surface->pathList().isEmpty());
}

void TestWidget::unitRewritesTheFields()
{
    Widget window;
    window.show();
    auto* unit = child<QComboBox>(window, "details_unit");
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    // Without a photograph only the surface's unit changes.
    unit->setCurrentIndex(2);
    QCOMPARE(surface->displayUnit(), 2);
    QVERIFY(child<QLabel>(window, "details_max")->text().isEmpty());

    QVERIFY(
      open(window, writeFile(dir.filePath(QStringLiteral("unit.jpg")), photograph(1, 0, 95))));
    QCOMPARE(unit->currentIndex(), 0);
    unit->setCurrentIndex(1);
    // 39.1 ℃, 20.0 ℃ and 29.6 ℃ in Fahrenheit.
    QCOMPARE(child<QLabel>(window, "details_max")->text(), QStringLiteral("102.4℉"));
    QCOMPARE(child<QLabel>(window, "palette_max")->text(), QStringLiteral("102.4℉"));
    QCOMPARE(child<QLabel>(window, "details_min")->text(), QStringLiteral("68.0℉"));
    QCOMPARE(child<QLabel>(window, "palette_min")->text(), QStringLiteral("68.0℉"));
    QCOMPARE(child<QLabel>(window, "details_spot")->text(), QStringLiteral("85.3℉"));
    QCOMPARE(surface->displayUnit(), 1);
}

void TestWidget::featureBoxBeforeAnyFile()
{
    Widget window;
    window.show();
    LogCapture log;
    child<QCheckBox>(window, "details_feature")->setChecked(false);
    QVERIFY(log.contains(QStringLiteral("显示框状态变化： false")));
    QVERIFY(!child<ImageDrawLabel>(window, "image_draw")->featureVisible());
}

void TestWidget::blendDragShowsTheLastValue()
{
    Widget window;
    window.show();
    QVERIFY(open(window, samplePath(QStringLiteral("coffee-mug.jpg"))));
    auto* slider = child<QSlider>(window, "details_blend");
    LogCapture log;
    for (int value = 1; value <= 60; ++value)
        slider->setValue(value);
    QCOMPARE(log.linesStartingWith({ QStringLiteral("融合度变化事件：") }).size(), 60);

    QByteArray bytes;
    ImageEntity photo;
    QVERIFY(readPhotograph(samplePath(QStringLiteral("coffee-mug.jpg")), photo));
    const QImage palette =
      ImageBlendThread::renderPaletteImage(photo.grayData, photo.grayWidth, photo.grayHeight, 1);
    const QImage expected = ImageBlendThread::blendImages(palette, photo.cameraImage, 0.6f);
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    // Whatever blends ran in between, the last value decides what stays on screen.
    QVERIFY(QTest::qWaitFor([&] {
        return surface->shownPixmap().toImage().convertToFormat(expected.format()) == expected;
    }));
}

void TestWidget::paletteCommand()
{
    Widget window;
    window.show();
    QVERIFY(open(window, samplePath(QStringLiteral("coffee-mug.jpg"))));
    child<QSlider>(window, "details_blend")->setValue(50);
    child<QComboBox>(window, "details_palette")->setCurrentIndex(3);
    QCOMPARE(shownPixmap(child<QLabel>(window, "palette_image")).toImage(),
             QImage(QStringLiteral(":/icon/res/icon/ic_palette_whitehot.png")));

    ImageEntity photo;
    QVERIFY(readPhotograph(samplePath(QStringLiteral("coffee-mug.jpg")), photo));
    const QImage expected = ImageBlendThread::blendImages(
      ImageBlendThread::renderPaletteImage(photo.grayData, photo.grayWidth, photo.grayHeight, 3),
      photo.cameraImage,
      0.5f);
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    QVERIFY2(QTest::qWaitFor([&] {
                 return surface->shownPixmap().toImage().convertToFormat(expected.format()) ==
                        expected;
             }),
             "the white hot rendering never showed");
}

void TestWidget::saveDialog()
{
    const QString folder = dir.filePath(QStringLiteral("saves"));
    QVERIFY(QDir().mkpath(folder));
    SettingsTools::setLastSavePath(folder);
    LogCapture log;
    {
        Widget window;
        window.show();
        QVERIFY(open(window, samplePath(QStringLiteral("coffee-mug.jpg"))));

        // A cancelled dialog writes nothing and keeps the last save folder.
        DialogAnswer cancel{ QString() };
        const QDateTime before = QDateTime::currentDateTime();
        QTest::mouseClick(child<QPushButton>(window, "menu_save"), Qt::LeftButton);
        const QDateTime after = QDateTime::currentDateTime();
        QVERIFY(cancel.answered);
        QCOMPARE(cancel.caption, QStringLiteral("Save picture"));
        QCOMPARE(cancel.directory, QDir(folder).absolutePath());
        QCOMPARE(cancel.filters, QStringList{ QStringLiteral("JPEG(*.jpg)") });
        // The proposed name is the time of the click to the millisecond.
        const QDateTime stamp = QDateTime::fromString(cancel.proposed.chopped(4),
                                                      QStringLiteral("yyyy-MM-dd-hh-mm-ss-zzz"));
        QVERIFY2(stamp.isValid() && cancel.proposed.endsWith(QStringLiteral(".jpg")),
                 qPrintable(cancel.proposed));
        QVERIFY(stamp >= before.addMSecs(-1) && stamp <= after);
        QCOMPARE(SettingsTools::getLastSavePath(), folder);
    }
    // The window waits for its saves when it closes, so a save the cancel started has ended.
    QVERIFY(!log.contains(QStringLiteral("文件保存成功")));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
}

void TestWidget::saveRoundTrip_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("sameFile");
    QTest::addColumn<int>("storedShapes");

    QTest::newRow("one JPEG") << QStringLiteral("radiator.jpg") << false << 0;
    QTest::newRow("two JPEGs") << QStringLiteral("coffee-mug.jpg") << false << 0;
    QTest::newRow("three JPEGs with shapes") << QStringLiteral("fuse-box.jpg") << false << 1;
    QTest::newRow("saved over itself") << QStringLiteral("fuse-box.jpg") << true << 1;
}

void TestWidget::saveRoundTrip()
{
    QFETCH(QString, sample);
    QFETCH(bool, sameFile);
    QFETCH(int, storedShapes);

    const QString source = dir.filePath(QStringLiteral("source-") + sample);
    QFile::remove(source);
    QVERIFY(QFile::copy(samplePath(sample), source));
    const QString target = sameFile ? source : dir.filePath(QStringLiteral("saved-%1").arg(sample));
    if (!sameFile)
        QFile::remove(target);

    Widget window;
    window.show();
    QVERIFY(open(window, source));
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    QCOMPARE(surface->pathList().size(), storedShapes);

    const int w = surface->width();
    const int h = surface->height();
    const char* tools[] = { "menu_point", "menu_line", "menu_rect", "menu_oval" };
    for (int kind = 0; kind < 4; ++kind) {
        QTest::mouseClick(child<QPushButton>(window, tools[kind]), Qt::LeftButton);
        drag(
          surface, QPoint(w / 5 + kind * 10, h / 4), QPoint(w / 2 + kind * 20, h / 2 + kind * 10));
        QVERIFY(
          QTest::qWaitFor([&] { return surface->pathList().size() == storedShapes + kind + 1; }));
    }
    child<QComboBox>(window, "details_palette")->setCurrentIndex(3);
    child<QComboBox>(window, "details_unit")->setCurrentIndex(2);
    child<QSlider>(window, "details_blend")->setValue(40);
    child<QCheckBox>(window, "details_feature")->setChecked(false);
    const QList<ImageDrawPath> drawn = surface->pathList();
    // Let the blends of the new settings land: each may refit the surface.
    auto* blends = window.findChild<BlendScheduler*>();
    QVERIFY(blends);
    QVERIFY(QTest::qWaitFor([&] { return !blends->isRunning() && !blends->hasPending(); }, 10000));

    // The snapshot is the saved picture as it is when saving: 640 wide for these 640 pixel Screen
    // images, 4:3 as their renderings, and the scale beside it.
    const QSize snapshot = surface->savedPicture().size();
    QVERIFY2(snapshot.width() > 640 && snapshot.height() == 480,
             qPrintable(QStringLiteral("%1 × %2").arg(snapshot.width()).arg(snapshot.height())));
    LogCapture log;
    DialogAnswer answer(target);
    QTest::mouseClick(child<QPushButton>(window, "menu_save"), Qt::LeftButton);
    QVERIFY(answer.answered);
    QCOMPARE(answer.caption, QStringLiteral("Save picture"));
    QVERIFY(QTest::qWaitFor([&] { return log.contains(QStringLiteral("文件保存成功")); }, 10000));
    QCOMPARE(SettingsTools::getLastSavePath(), QFileInfo(target).path());

    ImageEntity back;
    QVERIFY(readPhotograph(target, back));
    QCOMPARE(back.details.palette, 3);
    QCOMPARE(back.details.unit, 2);
    // The degree itself, not the nearest step of 25 that the device block holds.
    QCOMPARE(back.details.blend, 40);
    QCOMPARE(back.details.featureShown, false);
    QCOMPARE(back.details.emissivity, 95);
    // The snapshot comes first, as the Feature image in front of the Screen and Camera images.
    if (sample == QStringLiteral("radiator.jpg")) {
        // Without a Camera image the save leaves the snapshot out: in front of the Screen image
        // it would be read as the thermal picture.
        QVERIFY(back.featureImage.isNull());
        QCOMPARE(QSize(back.screenWidth, back.screenHeight), QSize(640, 480));
        QVERIFY(back.cameraImage.isNull());
    } else {
        QCOMPARE(back.featureImage.size(), snapshot);
        QCOMPARE(back.cameraImage.size(), QSize(1280, 960));
    }

    QCOMPARE(back.image_drawpaths.size(), drawn.size());
    // Saved shapes come back grouped by kind, in drawing order within a kind.
    QList<ImageDrawPath> expected;
    for (int kind = 0; kind < 4; ++kind) {
        for (const ImageDrawPath& shape : drawn) {
            if (shape.type == kind)
                expected.append(shape);
        }
    }
    for (int i = 0; i < expected.size(); ++i) {
        const ImageDrawPath& want = expected[i];
        const ImageDrawPath& got = back.image_drawpaths[i];
        QCOMPARE(got.type, want.type);
        const QList<int> points = want.type == 0 ? QList<int>{ 3 } : QList<int>{ 0, 1, 3, 4 };
        for (int p : points) {
            // Stored to the nearest step, as the one-decimal texts on screen round.
            QCOMPARE(got.points[p].x,
                     float(std::round(double(want.points[p].x) * 10000)) / 10000.0f);
            QCOMPARE(got.points[p].y,
                     float(std::round(double(want.points[p].y) * 10000)) / 10000.0f);
            if (p >= 3)
                QCOMPARE(ImageEntity::temperatureText(got.points[p].value, 0, 0),
                         ImageEntity::temperatureText(want.points[p].value, 0, 0));
        }
    }

    // The file now holds a new Feature picture in front of the same photograph, which a second
    // save over it must still take for the one on screen.
    if (sameFile) {
        answer.answered = false;
        QTest::mouseClick(child<QPushButton>(window, "menu_save"), Qt::LeftButton);
        QVERIFY(answer.answered);
        QVERIFY(QTest::qWaitFor(
          [&] { return log.lines().count(QStringLiteral("文件保存成功")) == 2; }, 10000));
    }
}

void TestWidget::startSave(Widget& window, const QString& target)
{
    DialogAnswer answer(target);
    QTest::mouseClick(child<QPushButton>(window, "menu_save"), Qt::LeftButton);
    QVERIFY(answer.answered);
}

void TestWidget::saveFailureGivesTheSystemsReason_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("reason");

    QTest::newRow("a folder that is not there")
      << QStringLiteral("gone") << QStringLiteral("No such file or directory");
    QTest::newRow("a file where the folder would be")
      << QStringLiteral("notes.txt") << QStringLiteral("Not a directory");
}

void TestWidget::saveFailureGivesTheSystemsReason()
{
    QFETCH(QString, folder);
    QFETCH(QString, reason);
    SettingsTools::setLanguage(1);
    writeFile(dir.filePath(QStringLiteral("notes.txt")), QByteArray("a note"));
    Widget window;
    window.show();
    QVERIFY(open(window, samplePath(QStringLiteral("coffee-mug.jpg"))));
    startSave(window, dir.filePath(folder + QStringLiteral("/mug.jpg")));
    auto* notice = child<QLabel>(window, "title_notice");
    const QString expected =
      QStringLiteral("Could not save: mug.jpg could not be written (%1)").arg(reason);
    QVERIFY2(QTest::qWaitFor([&] { return notice->toolTip() == expected; }, 10000),
             qPrintable(notice->toolTip()));
}

void TestWidget::saveAfterTheFileChanged_data()
{
    QTest::addColumn<QString>("change");

    QTest::newRow("the opened file was deleted") << QStringLiteral("delete");
    QTest::newRow("the opened file was replaced by another photograph")
      << QStringLiteral("replace");
}

void TestWidget::saveAfterTheFileChanged()
{
    QFETCH(QString, change);
    SettingsTools::setLanguage(1);
    const QString source = dir.filePath(QStringLiteral("job1.jpg"));
    QFile::remove(source);
    QVERIFY(QFile::copy(samplePath(QStringLiteral("coffee-mug.jpg")), source));
    Widget window;
    window.show();
    QVERIFY(open(window, source));
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    QTest::mouseClick(child<QPushButton>(window, "menu_rect"), Qt::LeftButton);
    drag(surface, QPoint(30, 30), QPoint(surface->width() / 2, surface->height() / 2));
    QVERIFY(QTest::qWaitFor([&] { return surface->pathList().size() == 1; }));
    ImageEntity opened;
    QVERIFY(readPhotograph(source, opened));

    QVERIFY(QFile::remove(source));
    if (change == QLatin1String("replace"))
        QVERIFY(QFile::copy(samplePath(QStringLiteral("radiator.jpg")), source));
    const QString target = dir.filePath(QStringLiteral("job1-annotated.jpg"));
    QFile::remove(target);
    startSave(window, target);
    auto* notice = child<QLabel>(window, "title_notice");
    QVERIFY2(
      QTest::qWaitFor(
        [&] { return notice->toolTip() == QStringLiteral("Saved job1-annotated.jpg"); }, 10000),
      qPrintable(notice->toolTip()));
    ImageEntity back;
    QVERIFY(readPhotograph(target, back));
    QCOMPARE(back.temperatureData, opened.temperatureData);
    QCOMPARE(back.image_drawpaths.size(), 1);
    QCOMPARE(back.image_drawpaths.first().type, 2);
}

void TestWidget::saveTakesThePhotographShown()
{
    SettingsTools::setLanguage(1);
    Widget window;
    window.show();
    QVERIFY(open(window, samplePath(QStringLiteral("coffee-mug.jpg"))));
    auto* openButton = child<QPushButton>(window, "menu_open");
    auto* save = child<QPushButton>(window, "menu_save");
    const QString broken =
      writeFile(dir.filePath(QStringLiteral("plain.jpg")), RadiometricFile::jpeg(QSize(20, 20)));
    LogCapture log;
    {
        DialogAnswer answer(broken);
        QTest::mouseClick(openButton, Qt::LeftButton);
        QVERIFY(answer.answered);
    }
    // While the parse runs neither command reacts, and both look it.
    for (QPushButton* button : { openButton, save }) {
        QVERIFY2(!button->isEnabled(), qPrintable(button->objectName()));
        QVERIFY2(button->styleSheet().contains(QStringLiteral("background-color: #EEEEEE;")),
                 qPrintable(button->objectName()));
    }
    QVERIFY(QTest::qWaitFor([&] { return log.contains(QStringLiteral("图片文件解析失败")); }));
    QVERIFY(openButton->isEnabled() && save->isEnabled());

    // The save writes the mug still on screen, not the file that failed to open.
    const QString target = dir.filePath(QStringLiteral("mug-after-failure.jpg"));
    QFile::remove(target);
    startSave(window, target);
    auto* notice = child<QLabel>(window, "title_notice");
    QVERIFY(QTest::qWaitFor(
      [&] { return notice->toolTip() == QStringLiteral("Saved mug-after-failure.jpg"); }, 10000));
    ImageEntity back;
    QVERIFY(readPhotograph(target, back));
    ImageEntity original;
    QVERIFY(readPhotograph(samplePath(QStringLiteral("coffee-mug.jpg")), original));
    QCOMPARE(back.temperatureData, original.temperatureData);
    QCOMPARE(back.grayData, original.grayData);

    // A source that has gone since it was opened is saved all the same, from the bytes read.
    const QString copy = dir.filePath(QStringLiteral("mug-copy.jpg"));
    QFile::remove(copy);
    QVERIFY(QFile::copy(samplePath(QStringLiteral("coffee-mug.jpg")), copy));
    QVERIFY(open(window, copy));
    QVERIFY(QFile::remove(copy));
    const QString kept = dir.filePath(QStringLiteral("kept.jpg"));
    QFile::remove(kept);
    startSave(window, kept);
    QVERIFY(QTest::qWaitFor([&] { return notice->toolTip() == QStringLiteral("Saved kept.jpg"); },
                            10000));
    ImageEntity keptBack;
    QVERIFY(readPhotograph(kept, keptBack));
    QCOMPARE(keptBack.temperatureData, original.temperatureData);
}

void TestWidget::closingWaitsForTheSave()
{
    const QString target = dir.filePath(QStringLiteral("saved-while-closing.jpg"));
    QFile::remove(target);
    auto* window = new Widget;
    window->show();
    QVERIFY(open(*window, samplePath(QStringLiteral("fuse-box.jpg"))));
    startSave(*window, target);
    delete window;
    QFile saved(target);
    QVERIFY2(saved.open(QIODevice::ReadOnly), "the window closed before its save was written");
    ImageEntity back;
    QVERIFY(RadiometricReader::read(saved.readAll(), back));
    QCOMPARE(back.image_drawpaths.size(), 1);
}

void TestWidget::closingWhileThreadsRun()
{
    LogCapture log;
    {
        Widget window;
        window.show();
        QVERIFY(open(window, samplePath(QStringLiteral("fuse-box.jpg"))));
        // A blend and a parse still running when the window goes; their hand-overs come later.
        child<QComboBox>(window, "details_palette")->setCurrentIndex(2);
        DialogAnswer answer(samplePath(QStringLiteral("coffee-mug.jpg")));
        QTest::mouseClick(child<QPushButton>(window, "menu_open"), Qt::LeftButton);
        QVERIFY(answer.answered);
    }
    QVERIFY(QTest::qWaitFor([&] {
        return log.contains(QStringLiteral("ParseImageThread析构")) &&
               log.contains(QStringLiteral("~ImageBlendThread()"));
    }));
}

void TestWidget::startupLanguage_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("open");

    QTest::newRow("first run on a German system")
      << QVariant() << QLocale(QLocale::German, QLocale::Germany) << 2
      << QStringLiteral("Datei öffnen");
    QTest::newRow("a restart comes back in the language chosen")
      << QVariant(7) << QLocale(QLocale::German, QLocale::Germany) << 7
      << QStringLiteral("Открыть файл");
    // Nothing to load: the source texts show, and the title stays the program's name.
    QTest::newRow("a stored language the program does not have")
      << QVariant(12) << QLocale(QLocale::French, QLocale::France) << 12 << QStringLiteral("打开");
}

void TestWidget::startupLanguage()
{
    QFETCH(QVariant, stored);
    QFETCH(QLocale, locale);
    QFETCH(int, language);
    QFETCH(QString, open);

    {
        // The same file as the program's own settings object; unsaved values are shared.
        QSettings settings(QStringLiteral("./Korvex.ini"), QSettings::IniFormat);
        if (stored.isValid())
            settings.setValue(QStringLiteral("language/value"), stored);
        else
            settings.remove(QStringLiteral("language/value"));
    }
    QCOMPARE(SettingsTools::getLanguage(), stored.isValid() ? stored.toInt() : -1);
    QLocale::setDefault(locale);
    Widget window;
    QLocale::setDefault(QLocale::c());
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("Korvex"));
    QCOMPARE(child<QPushButton>(window, "menu_open")->text(), open);
    QCOMPARE(SettingsTools::getLanguage(), language);
    if (language < SettingsTools::languageCount)
        QCOMPARE(child<QComboBox>(window, "title_language")->currentIndex(), language);
}

void TestWidget::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");

    QTest::newRow("the version") << QStringList{ QStringLiteral("--version") } << 0
                                 << QStringLiteral("korvex 1.0.1.25");
    QTest::newRow("the help names the photograph")
      << QStringList{ QStringLiteral("--help") } << 0 << QStringLiteral("[photograph]");
    QTest::newRow("two photographs are refused")
      << QStringList{ QStringLiteral("a.jpg"), QStringLiteral("b.jpg") } << 1
      << QStringLiteral("one photograph at a time");
    // The window stays open; the parse's own log lines tell what the open came to.
    QTest::newRow("a photograph opens at start")
      << QStringList{ samplePath(QStringLiteral("fuse-box.jpg")) } << -1
      << QStringLiteral("图片文件解析成功");
    QTest::newRow("a missing photograph fails as from the dialog")
      << QStringList{ QStringLiteral("no-such-photograph.jpg") } << -1
      << QStringLiteral("图片文件解析失败");
}

void TestWidget::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);

    QProcess program;
    // Its own settings file, in a folder of its own.
    program.setWorkingDirectory(dir.path());
    program.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KORVEX_PROGRAM), arguments);
    QVERIFY(program.waitForStarted());
    QString text;
    const bool seen = QTest::qWaitFor(
      [&] {
          program.waitForReadyRead(50);
          text += QString::fromUtf8(program.readAll());
          return text.contains(output) && (exitCode < 0 || program.state() == QProcess::NotRunning);
      },
      20000);
    if (program.state() != QProcess::NotRunning) {
        program.kill();
        program.waitForFinished();
    }
    QVERIFY2(seen, qPrintable(text));
    if (exitCode >= 0)
        QCOMPARE(program.exitCode(), exitCode);
}

void TestWidget::openWithoutTheDialog_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("notice");

    QTest::newRow("a photograph") << samplePath(QStringLiteral("radiator.jpg"))
                                  << QStringLiteral("radiator.jpg") << QString();
    QTest::newRow("a file that is not there")
      << dir.filePath(QStringLiteral("gone.jpg")) << QString()
      << QStringLiteral("Could not open: gone.jpg");
    QTest::newRow("a file that is not a photograph")
      << dir.filePath(QStringLiteral("notes.jpg")) << QString()
      << QStringLiteral("Not a radiometric photograph: notes.jpg");
}

void TestWidget::openWithoutTheDialog()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QFETCH(QString, notice);
    writeFile(dir.filePath(QStringLiteral("notes.jpg")), QByteArray("a note"));
    SettingsTools::setLanguage(1);
    SettingsTools::setLastImagePath(QString());
    Widget window;
    window.show();
    LogCapture log;
    QVERIFY(window.openPhotograph(path));
    // One parse at a time.
    QVERIFY(!window.openPhotograph(samplePath(QStringLiteral("coffee-mug.jpg"))));
    QVERIFY(QTest::qWaitFor([&] {
        return log.contains(QStringLiteral("图片文件解析成功")) ||
               log.contains(QStringLiteral("图片文件解析失败"));
    }));
    QCOMPARE(child<QLabel>(window, "details_name")->text(), name);
    QCOMPARE(child<QLabel>(window, "title_notice")->toolTip(), notice);
    QCOMPARE(SettingsTools::getLastImagePath(), QFileInfo(path).path());
}

void TestWidget::drops_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("accepted");

    const QString mug = samplePath(QStringLiteral("coffee-mug.jpg"));
    QTest::newRow("a photograph") << QStringList{ mug } << true;
    QTest::newRow("several files: the first photograph") << QStringList{
        samplePath(QStringLiteral("../README.md")), mug, samplePath(QStringLiteral("radiator.jpg"))
    } << true;
    QTest::newRow("another kind of file")
      << QStringList{ samplePath(QStringLiteral("../README.md")) } << false;
}

void TestWidget::drops()
{
    QFETCH(QStringList, files);
    QFETCH(bool, accepted);
    Widget window;
    window.show();
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files)
        urls << QUrl::fromLocalFile(file);
    data.setUrls(urls);
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    const QPoint over = surface->geometry().center();
    QDragEnterEvent enter(over, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QCOMPARE(enter.isAccepted(), accepted);
    QDropEvent drop(over, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QCOMPARE(drop.isAccepted(), accepted);
    if (!accepted) {
        // An opening disables the open command until its parse has ended.
        QVERIFY(child<QPushButton>(window, "menu_open")->isEnabled());
        QVERIFY(child<QLabel>(window, "details_name")->text().isEmpty());
        return;
    }
    QVERIFY(QTest::qWaitFor([&] {
        return child<QLabel>(window, "details_name")->text() == QStringLiteral("coffee-mug.jpg");
    }));
}

void TestWidget::stepThroughTheFolder()
{
    const QString folder = dir.filePath(QStringLiteral("site"));
    QVERIFY(QDir().mkpath(folder));
    const QDir site(folder);
    for (const auto& copy : { std::make_pair("IMG_2.jpg", "coffee-mug.jpg"),
                              std::make_pair("IMG_10.jpg", "radiator.jpg"),
                              std::make_pair("IMG_11.jpg", "fuse-box.jpg") }) {
        QFile::remove(site.filePath(QLatin1String(copy.first)));
        QVERIFY(QFile::copy(samplePath(QLatin1String(copy.second)),
                            site.filePath(QLatin1String(copy.first))));
    }
    writeFile(site.filePath(QStringLiteral("IMG_9.jpg")), RadiometricFile::jpeg(QSize(20, 20)));
    SettingsTools::setLanguage(1);
    Widget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* name = child<QLabel>(window, "details_name");
    auto* notice = child<QLabel>(window, "title_notice");
    QVERIFY(open(window, site.filePath(QStringLiteral("IMG_2.jpg"))));
    const auto stepTo = [&](Qt::Key key, const QString& expected) {
        QTest::keyClick(&window, key);
        return QTest::qWaitFor([&] { return name->text() == expected; });
    };
    // The broken IMG_9 is passed over, and says so.
    QVERIFY(stepTo(Qt::Key_PageDown, QStringLiteral("IMG_10.jpg")));
    QCOMPARE(notice->toolTip(), QStringLiteral("Not a radiometric photograph: IMG_9.jpg"));
    QVERIFY(stepTo(Qt::Key_PageDown, QStringLiteral("IMG_11.jpg")));
    QVERIFY(notice->toolTip().isEmpty());
    QVERIFY(stepTo(Qt::Key_PageDown, QStringLiteral("IMG_2.jpg")));
    QVERIFY(stepTo(Qt::Key_PageUp, QStringLiteral("IMG_11.jpg")));

    // The arrows step from the drawing surface, but not in the middle of a drag.
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    surface->setFocus();
    QVERIFY(stepTo(Qt::Key_Left, QStringLiteral("IMG_10.jpg")));
    QTest::mouseClick(child<QPushButton>(window, "menu_line"), Qt::LeftButton);
    surface->setFocus();
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::keyClick(surface, Qt::Key_Right);
    // A step disables the open command until its parse has ended.
    QVERIFY(child<QPushButton>(window, "menu_open")->isEnabled());
    QCOMPARE(name->text(), QStringLiteral("IMG_10.jpg"));
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QVERIFY(stepTo(Qt::Key_Right, QStringLiteral("IMG_11.jpg")));
}

void TestWidget::shortcuts()
{
    Widget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    {
        // Nothing to save before a photograph: no dialog comes.
        DialogAnswer answer{ QString() };
        // The dialog would open, and be answered, inside the key press.
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!answer.answered);
    }
    {
        DialogAnswer answer(samplePath(QStringLiteral("coffee-mug.jpg")));
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(answer.answered);
    }
    QVERIFY(QTest::qWaitFor([&] { return !surface->shownPixmap().isNull(); }));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    const std::pair<Qt::Key, int> tools[] = {
        { Qt::Key_P, 0 }, { Qt::Key_L, 1 }, { Qt::Key_R, 2 }, { Qt::Key_O, 3 }, { Qt::Key_O, 4 }
    };
    for (const auto& tool : tools) {
        QTest::keyClick(&window, tool.first);
        QCOMPARE(surface->drawMode(), tool.second);
    }
    QTest::keyClick(&window, Qt::Key_L);
    QTest::keyClick(&window, Qt::Key_Escape);
    QCOMPARE(surface->drawMode(), 4);

    // Escape in a drag drops the shape, and keeps the tool.
    QTest::keyClick(&window, Qt::Key_L);
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    // Only a measurement thread could add the shape later.
    QCOMPARE(surface->measurementThreads(), 0);
    QVERIFY(surface->pathList().isEmpty());
    QCOMPARE(surface->drawMode(), 1);

    for (int i = 0; i < 2; ++i) {
        drag(surface, QPoint(20 + 30 * i, 20), QPoint(300, 200));
        QVERIFY(QTest::qWaitFor([&] { return surface->pathList().size() == i + 1; }));
    }
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(surface->pathList().size(), 1);
    QTest::keyClick(&window, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(surface->pathList().isEmpty());

    {
        DialogAnswer answer{ QString() };
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(answer.answered);
    }
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F11);
    QVERIFY(window.windowState() & Qt::WindowFullScreen);
    QTest::keyClick(&window, Qt::Key_F11);
    QVERIFY(!(window.windowState() & Qt::WindowFullScreen));
}

void TestWidget::toolTips_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("point");
    QTest::addColumn<QString>("clear");

    QTest::newRow("English") << 1 << QStringLiteral("Point measurement (P)")
                             << QStringLiteral("Clear all measurements (Ctrl+Shift+Del)");
    QTest::newRow("Deutsch") << 2 << QStringLiteral("Punktmessung (P)")
                             << QStringLiteral("Alle Messungen löschen (Ctrl+Shift+Del)");
}

void TestWidget::toolTips()
{
    QFETCH(int, language);
    QFETCH(QString, point);
    QFETCH(QString, clear);
    // Set at start and after a switch of language.
    SettingsTools::setLanguage(language == 1 ? 2 : 1);
    Widget window;
    child<QComboBox>(window, "title_language")->setCurrentIndex(language);
    QCOMPARE(child<QPushButton>(window, "menu_point")->toolTip(), point);
    QCOMPARE(child<QPushButton>(window, "menu_clear")->toolTip(), clear);
    for (const char* name :
         { "menu_open", "menu_save", "menu_line", "menu_rect", "menu_oval", "menu_back" })
        QVERIFY2(!child<QPushButton>(window, name)->toolTip().isEmpty(), name);
}

void TestWidget::surfaceMenu()
{
    SettingsTools::setLanguage(1);
    const QString folder = dir.filePath(QStringLiteral("exports"));
    QVERIFY(QDir().mkpath(folder));
    SettingsTools::setLastSavePath(folder);
    Widget window;
    window.show();
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    // What the platform sends on a right-click.
    const auto rightClick = [surface](const QPoint& point) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, point, surface->mapToGlobal(point));
        QApplication::sendEvent(surface, &event);
    };
    // Nothing to offer before a photograph.
    rightClick(QPoint(5, 5));
    QVERIFY(!window.findChild<QMenu*>(QStringLiteral("surface_menu")));
    QVERIFY(open(window, samplePath(QStringLiteral("fuse-box.jpg"))));
    child<QComboBox>(window, "details_unit")->setCurrentIndex(1);
    // The surface follows the panel's width, which the details just shown may still change.
    QVERIFY(panelSettles(window));
    ImageEntity fuseBox;
    QVERIFY(readPhotograph(samplePath(QStringLiteral("fuse-box.jpg")), fuseBox));
    const QPoint at(surface->width() / 3, surface->height() / 2);
    const auto choose = [&](const char* name) {
        rightClick(at);
        QPointer<QMenu> menu = window.findChild<QMenu*>(QStringLiteral("surface_menu"));
        QAction* action = menu ? menu->findChild<QAction*>(QLatin1String(name)) : nullptr;
        if (!action || !action->isEnabled())
            return false;
        action->trigger();
        // A dialog closes the menu as it opens; the next right-click must find a new one.
        if (menu)
            menu->close();
        return QTest::qWaitFor([&menu] { return menu.isNull(); });
    };

    // The stored rectangle spans 26.0 to 72.7 ℃: the range fits it, and the scale says so.
    QVERIFY(choose("fit_range"));
    QCOMPARE(child<QComboBox>(window, "range_mode")->currentIndex(), int(TemperatureRange::Manual));
    QCOMPARE(child<QLabel>(window, "palette_max")->text(),
             ImageEntity::temperatureText(72.7f, 0, 1));
    QCOMPARE(child<QLabel>(window, "palette_min")->text(),
             ImageEntity::temperatureText(26.0f, 0, 1));

    QVERIFY(choose("copy_temperature"));
    QCOMPARE(QApplication::clipboard()->text(), surface->temperatureTextAt(at));
    QVERIFY(QApplication::clipboard()->text().endsWith(QStringLiteral("℉")));
    QVERIFY(choose("copy_image"));
    QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
             surface->savedPicture());

    const auto exported = [&](const char* action, const QString& name, QByteArray& text) {
        DialogAnswer answer(QDir(folder).filePath(name));
        if (!choose(action) || !answer.answered)
            return QString();
        QFile file(QDir(folder).filePath(name));
        text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        return answer.proposed;
    };
    QByteArray text;
    QCOMPARE(exported("export_temperatures", QStringLiteral("matrix.csv"), text),
             QStringLiteral("fuse-box.csv"));
    QCOMPARE(text, CsvExport::temperatures(fuseBox, 1));
    QCOMPARE(child<QLabel>(window, "title_notice")->toolTip(),
             QStringLiteral("Exported matrix.csv"));
    QCOMPARE(exported("export_shapes", QStringLiteral("shapes.csv"), text),
             QStringLiteral("fuse-box-shapes.csv"));
    QCOMPARE(text, CsvExport::shapes(fuseBox.image_drawpaths, fuseBox, 1));
    QVERIFY(text.contains("rectangle,"));
}

void TestWidget::exportIntoALockedFolder()
{
    SettingsTools::setLanguage(1);
    Widget window;
    window.show();
    QVERIFY(open(window, samplePath(QStringLiteral("coffee-mug.jpg"))));
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    const QString locked = dir.filePath(QStringLiteral("locked-exports"));
    const QByteArray standIn("not a folder");
    if (geteuid() == 0) {
        // Permissions do not bind the superuser, but nobody creates a file inside a file.
        QVERIFY(!writeFile(locked, standIn).isEmpty());
    } else {
        QVERIFY(QDir().mkpath(locked));
        QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QVERIFY(!QFileInfo(locked).isWritable());
    }
    DialogAnswer refused(QDir(locked).filePath(QStringLiteral("refused.csv")));
    QContextMenuEvent click(
      QContextMenuEvent::Mouse, QPoint(10, 10), surface->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(surface, &click);
    auto* menu = window.findChild<QMenu*>(QStringLiteral("surface_menu"));
    QVERIFY(menu);
    menu->findChild<QAction*>(QStringLiteral("export_temperatures"))->trigger();
    QVERIFY(refused.answered);
    // The system's own reason, not a guess from the folder's permissions.
    const QString reason =
      geteuid() == 0 ? QStringLiteral("Not a directory") : QStringLiteral("Permission denied");
    QCOMPARE(child<QLabel>(window, "title_notice")->toolTip(),
             QStringLiteral("Could not export: refused.csv could not be written (%1)").arg(reason));
    if (QFileInfo(locked).isFile()) {
        QFile file(locked);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), standIn);
    } else {
        QVERIFY(QDir(locked).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
}

void TestWidget::surfaceFollowsItsArea()
{
    SettingsTools::setLanguage(1);
    const QString name =
      QStringLiteral("substation-7-panel-B-north-wall-breaker-row-3-inspection-2026.jpg");
    const QString path = dir.filePath(name);
    QFile::remove(path);
    QVERIFY(QFile::copy(samplePath(QStringLiteral("fuse-box.jpg")), path));
    Widget window;
    window.show();
    auto* panel = child<QWidget>(window, "content_operation");
    QVERIFY(open(window, samplePath(QStringLiteral("fuse-box.jpg"))));
    QVERIFY(panelSettles(window));
    const int width = panel->width();

    // A long name is elided instead of widening the panel, and shown whole in the tooltip.
    QVERIFY(open(window, path));
    QVERIFY(panelSettles(window));
    QCOMPARE(panel->width(), width);
    auto* fileName = child<QLabel>(window, "details_name");
    QCOMPARE(fileName->toolTip(), name);
    QVERIFY2(fileName->text().contains(QChar(0x2026)), qPrintable(fileName->text()));
    QVERIFY(fileName->fontMetrics().horizontalAdvance(fileName->text()) <= fileName->width());

    // Whatever widens the panel, as longer captions do, narrows the area without a resize of the
    // window; the surface follows it there and back.
    auto* time = child<QLabel>(window, "details_time");
    const QString capture = time->text();
    time->setText(capture + QStringLiteral(" (UTC+01:00, camera clock)"));
    QVERIFY(panelSettles(window));
    QVERIFY(panel->width() > width);
    QVERIFY(fillsItsArea(window));
    time->setText(capture);
    QVERIFY(panelSettles(window));
    QCOMPARE(panel->width(), width);
    QVERIFY(fillsItsArea(window));
}

void TestWidget::previewIsThePictureSaved()
{
    const QString source = dir.filePath(QStringLiteral("preview-source.jpg"));
    const QString target = dir.filePath(QStringLiteral("preview-saved.jpg"));
    QFile::remove(source);
    QFile::remove(target);
    QVERIFY(QFile::copy(samplePath(QStringLiteral("fuse-box.jpg")), source));
    Widget window;
    window.show();
    auto* preview = child<QLabel>(window, "image_label");
    const auto save = [&] {
        const QImage before = shownPixmap(preview).toImage();
        startSave(window, target);
        return QTest::qWaitFor([&] { return shownPixmap(preview).toImage() != before; }, 10000);
    };
    // The saved file's picture, as the preview label shows it.
    const auto savedPicture = [&](const QSize& size) {
        QFile file(target);
        return file.open(QIODevice::ReadOnly)
                 ? PreviewReadThread::previewPicture(file.readAll())
                     .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                 : QImage();
    };

    QVERIFY(open(window, source));
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    QTest::mouseClick(child<QPushButton>(window, "menu_rect"), Qt::LeftButton);
    drag(surface, QPoint(40, 40), QPoint(surface->width() / 2, surface->height() / 2));
    QVERIFY(QTest::qWaitFor([&] { return surface->pathList().size() == 2; }));
    QVERIFY(save());
    const QImage annotated = shownPixmap(preview).toImage();
    QCOMPARE(annotated, savedPicture(annotated.size()));
    const auto frontSize = [&] {
        QFile file(target);
        return file.open(QIODevice::ReadOnly)
                 ? PreviewReadThread::previewPicture(file.readAll()).size()
                 : QSize();
    };
    // The photograph's part and the scale beside it, whatever size the window has.
    const QSize saved = frontSize();
    QVERIFY2(saved.width() > 640 && saved.height() >= 480,
             qPrintable(QStringLiteral("%1 × %2").arg(saved.width()).arg(saved.height())));
    {
        // The picture that opening the saved file shows.
        Widget other;
        other.show();
        QVERIFY(open(other, target));
        const QImage opened = shownPixmap(child<QLabel>(other, "image_label")).toImage();
        QCOMPARE(opened, savedPicture(opened.size()));
    }

    // Cleared and saved over: the shapes of the first save are gone from the preview, also after
    // a retranslation has put it back. The window is larger by then; the picture saved is not.
    const QSize surfaceBefore = surface->size();
    window.resize(window.size() + QSize(240, 180));
    QVERIFY(QTest::qWaitFor([&] { return surface->size() != surfaceBefore; }));
    QTest::mouseClick(child<QPushButton>(window, "menu_clear"), Qt::LeftButton);
    QVERIFY(save());
    QCOMPARE(frontSize(), saved);
    child<QComboBox>(window, "title_language")->setCurrentIndex(2);
    const QImage cleared = shownPixmap(preview).toImage();
    QCOMPARE(cleared, savedPicture(cleared.size()));
}

void TestWidget::darkControlsAreReadable()
{
    Widget window;
    window.show();
    // The box is black inside a white frame, and blue once checked.
    auto* feature = child<QCheckBox>(window, "details_feature");
    QStyleOptionButton option;
    option.initFrom(feature);
    const QRect box =
      feature->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, feature);
    for (const bool checked : { false, true }) {
        feature->setChecked(checked);
        const QImage shot = feature->grab().toImage();
        QCOMPARE(QColor(shot.pixel(box.center())).name(),
                 checked ? QStringLiteral("#0099ff") : QStringLiteral("#000000"));
        QCOMPARE(QColor(shot.pixel(box.left(), box.center().y())).name(),
                 QStringLiteral("#ffffff"));
    }

    // The language list: white names on black, the current one on blue. The list's frame shows
    // between the items, so the popup is looked at whole.
    auto* language = child<QComboBox>(window, "title_language");
    language->showPopup();
    QAbstractItemView* list = language->view();
    QWidget* popup = list->window();
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    const QImage shot = popup->grab().toImage();
    for (const int index : { 1, language->currentIndex() }) {
        // An item's rectangle may run on past the list's right edge.
        QRect row = list->visualRect(language->model()->index(index, 0)) & list->viewport()->rect();
        row.moveTopLeft(list->viewport()->mapTo(popup, row.topLeft()));
        const QRgb background = shot.pixel(row.right() - 2, row.center().y());
        QVERIFY2(index == language->currentIndex() ? QColor(background) == QColor(0x00, 0x99, 0xff)
                                                   : qGray(background) < 64,
                 qPrintable(QColor(background).name()));
        int white = 0;
        for (int x = row.left(); x < row.right(); ++x)
            white += qGray(shot.pixel(x, row.center().y())) > 200;
        QVERIFY2(white > 3, "the name is drawn white");
    }
    language->hidePopup();
}

void TestWidget::comboTextsHaveTheirGlyphs_data()
{
    QTest::addColumn<int>("language");

    const char* const names[] = { "Chinese", "English",  "German",  "French", "Italian",
                                  "Spanish", "Japanese", "Russian", "Korean" };
    for (int index = 0; index < 9; ++index)
        QTest::newRow(names[index]) << index;
}

void TestWidget::comboTextsHaveTheirGlyphs()
{
    QFETCH(int, language);

    SettingsTools::setLanguage(language == 1 ? 0 : 1);
    Widget window;
    window.show();
    child<QComboBox>(window, "title_language")->setCurrentIndex(language);
    for (const char* name : { "title_language", "details_palette", "details_unit" }) {
        auto* combo = child<QComboBox>(window, name);
        for (int i = 0; i < combo->count(); ++i) {
            const QString blank = blankCharacters(combo->font(), combo->itemText(i));
            QVERIFY2(blank.isEmpty(),
                     qPrintable(combo->itemText(i) + QStringLiteral(" lacks ") + blank));
        }
    }
}

void TestWidget::shapeTooSmallIsNoticed()
{
    SettingsTools::setLanguage(1);
    Widget window;
    window.show();
    QVERIFY(open(window, samplePath(QStringLiteral("radiator.jpg"))));
    const auto* notice = child<QLabel>(window, "title_notice");
    QTest::mouseClick(child<QPushButton>(window, "menu_line"), Qt::LeftButton);
    drag(child<ImageDrawLabel>(window, "image_draw"), QPoint(100, 100), QPoint(103, 100));
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->toolTip(), QStringLiteral("Shape too small to measure"));
}

QTEST_MAIN(TestWidget)
#include "tst_widget.moc"
