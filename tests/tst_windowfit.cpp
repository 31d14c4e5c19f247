#include "app/settingstools.h"
#include "app/widget.h"
#include "app/windowfit.h"
#include "support/windowdriver.h"
#include "surface/imagedrawlabel.h"
#include "ui_widget.h"

#include <QtTest>

#include <QLabel>

Q_DECLARE_METATYPE(QMargins)

namespace {

const QSize designed(1280, 800);

QString samplePath(const QString& name)
{
    return QStringLiteral(KORVEX_SAMPLES_DIR "/") + name;
}

QRect inWindow(const QWidget* widget, const QWidget* window)
{
    return QRect(widget->mapTo(window, QPoint()), widget->size());
}

// What a user sees of a widget: its rectangle, cut by every widget it lies in and by the window.
QRect seenPart(const QWidget* widget, const QWidget* window)
{
    QRect seen = inWindow(widget, window) & window->rect();
    for (const QWidget* outer = widget->parentWidget(); outer && outer != window;
         outer = outer->parentWidget())
        seen &= inWindow(outer, window);
    return seen;
}

QString describe(const QRect& rect)
{
    return QStringLiteral("%1,%2 %3×%4")
      .arg(rect.x())
      .arg(rect.y())
      .arg(rect.width())
      .arg(rect.height());
}

// The form's widgets on screen that a user sees only part of, the bands and panels as well as
// the controls in them; the styles' own inner parts have no names.
QStringList cutWidgets(QWidget& window)
{
    QStringList cut;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty() || widget->isWindow() || !widget->isVisible())
            continue;
        const QRect whole = inWindow(widget, &window);
        const QRect seen = seenPart(widget, &window);
        if (seen != whole)
            cut << QStringLiteral("%1 at %2 is cut to %3")
                     .arg(widget->objectName(), describe(whole), describe(seen));
    }
    return cut;
}

// The operation panel's two parts have the sizes the form gives them.
bool panelAsInTheForm(QWidget& window)
{
    QWidget formWindow;
    Ui_Widget form;
    form.setupUi(&formWindow);
    return child<QWidget>(window, "operation_image")->minimumSize() ==
             form.operation_image->minimumSize() &&
           child<QWidget>(window, "operation_details")->sizePolicy() ==
             form.operation_details->sizePolicy();
}

// The least size the window can be given, frame included.
bool fitsAtItsLeast(Widget& window, const QSize& available)
{
    window.resize(1, 1);
    const QSize outer = window.frameGeometry().size();
    return outer.width() <= available.width() && outer.height() <= available.height();
}

} // namespace

class TestWindowFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void fittedSize_data();
    void fittedSize();
    void everythingShowsOnASmallScreen_data();
    void everythingShowsOnASmallScreen();
    void designedLayoutOnALargeScreen_data();
    void designedLayoutOnALargeScreen();
    void anotherScreen_data();
    void anotherScreen();

private:
    // The window fitted to a free area, shown with a photograph.
    bool showPhotograph(Widget& window);
    QTemporaryDir dir;
};

void TestWindowFit::initTestCase()
{
    QVERIFY(dir.isValid());
    // The drawing surface notes its destruction and the window its parse and blend.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

void TestWindowFit::init()
{
    SettingsTools::setLanguage(0);
    SettingsTools::setLastImagePath(dir.path());
}

void TestWindowFit::cleanupTestCase()
{
    WindowFit::assumeAvailableSize(QSize());
}

bool TestWindowFit::showPhotograph(Widget& window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    return window.openPhotograph(samplePath(QStringLiteral("fuse-box.jpg"))) &&
           QTest::qWaitFor([&] { return !surface->shownPixmap().isNull(); }, 10000);
}

void TestWindowFit::fittedSize_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QSize>("fitted");

    const QMargins noFrame;
    const QMargins titleBar(0, 30, 0, 0);
    QTest::newRow("a large monitor keeps the designed size")
      << QSize(1920, 1040) << noFrame << designed;
    QTest::newRow("a frame on a large monitor changes nothing")
      << QSize(1920, 1040) << QMargins(4, 30, 4, 4) << designed;
    QTest::newRow("a free area of just the designed size keeps it")
      << QSize(1280, 800) << noFrame << designed;
    QTest::newRow("a laptop below its panel gives its height")
      << QSize(1366, 728) << noFrame << QSize(1280, 728);
    QTest::newRow("the frame's title bar takes from that height")
      << QSize(1366, 728) << titleBar << QSize(1280, 698);
    QTest::newRow("a narrow tall screen gives its width")
      << QSize(1024, 1240) << noFrame << QSize(1024, 800);
    QTest::newRow("a screen smaller both ways gives both")
      << QSize(1024, 576) << titleBar << QSize(1024, 546);
    QTest::newRow("a screen that tells no size leaves the designed one")
      << QSize() << noFrame << designed;
    QTest::newRow("a frame that would leave nothing is not believed")
      << QSize(1024, 576) << QMargins(0, 600, 0, 0) << QSize(1024, 576);
}

void TestWindowFit::fittedSize()
{
    QFETCH(QSize, available);
    QFETCH(QMargins, frame);
    QFETCH(QSize, fitted);

    QCOMPARE(WindowFit::fittedSize(available, frame), fitted);
}

void TestWindowFit::everythingShowsOnASmallScreen_data()
{
    QTest::addColumn<QSize>("available");
    // The size the window is given; none, its least.
    QTest::addColumn<QSize>("size");

    QTest::newRow("a 1366 × 768 laptop below its panel, the window at its least")
      << QSize(1366, 728) << QSize();
    QTest::newRow("the same laptop, the window as large as the free area")
      << QSize(1366, 728) << QSize(1366, 728);
    QTest::newRow("the same laptop, the window full screen at the screen's size")
      << QSize(1366, 728) << QSize(1366, 768);
    QTest::newRow("a 1366 × 768 laptop below a tall panel, the window at its least")
      << QSize(1366, 698) << QSize();
    QTest::newRow("a 1024 × 600 netbook below its panel, the window at its least")
      << QSize(1024, 576) << QSize();
}

void TestWindowFit::everythingShowsOnASmallScreen()
{
    QFETCH(QSize, available);
    QFETCH(QSize, size);

    WindowFit::assumeAvailableSize(available);
    Widget window;
    QVERIFY(window.width() <= available.width() && window.height() <= available.height());
    QVERIFY(showPhotograph(window));
    QVERIFY(fitsAtItsLeast(window, available));
    if (size.isValid())
        window.resize(size);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(window.size(), size.isValid() ? size : window.minimumSize());

    QCOMPARE(cutWidgets(window), QStringList());

    // The photograph is fitted into the whole of its area, not into a sliver of it.
    const auto* surface = child<ImageDrawLabel>(window, "image_draw");
    const QRect area = inWindow(child<QWidget>(window, "content_image"), &window);
    const QRect photograph = inWindow(surface, &window);
    QVERIFY(area.contains(photograph));
    QVERIFY(photograph.width() >= area.width() - 1 || photograph.height() >= area.height() - 1);

    // The scale's two values are there in full, as tall as their text needs.
    for (const char* name : { "palette_max", "palette_min" }) {
        const auto* value = child<QLabel>(window, name);
        QVERIFY2(!value->text().isEmpty(), name);
        QVERIFY2(value->height() >= value->sizeHint().height(), name);
        QVERIFY2(value->fontMetrics().horizontalAdvance(value->text()) <= value->width(), name);
    }
    // The preview is what gives: the details above it keep the rows they ask for, neither
    // squeezed nor spread.
    const auto* details = child<QWidget>(window, "operation_details");
    QCOMPARE(details->height(), details->sizeHint().height());
    const auto* preview = child<QLabel>(window, "image_label");
    QVERIFY(!shownPixmap(preview).isNull());
    QVERIFY(preview->height() >= preview->minimumSizeHint().height());
}

void TestWindowFit::designedLayoutOnALargeScreen_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QSize>("size");

    QTest::newRow("a 1920 × 1080 monitor, the window as it opens") << QSize(1920, 1040) << QSize();
    QTest::newRow("a 1920 × 1080 monitor, the window full screen")
      << QSize(1920, 1040) << QSize(1920, 1080);
    QTest::newRow("a 1440 × 900 monitor, the window as it opens") << QSize(1440, 870) << QSize();
}

void TestWindowFit::designedLayoutOnALargeScreen()
{
    QFETCH(QSize, available);
    QFETCH(QSize, size);

    WindowFit::assumeAvailableSize(available);
    Widget window;
    QCOMPARE(window.size(), designed);
    QVERIFY(showPhotograph(window));
    QCOMPARE(window.minimumSize(), designed);
    QCOMPARE(window.size(), designed);
    if (size.isValid())
        window.resize(size);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

    // The operation panel is laid out as the form has it.
    QVERIFY(panelAsInTheForm(window));
    const auto* preview = child<QWidget>(window, "operation_image");
    if (!size.isValid())
        QCOMPARE(preview->height(), preview->minimumHeight());
}

void TestWindowFit::anotherScreen_data()
{
    QTest::addColumn<QSize>("first");
    QTest::addColumn<QSize>("then");

    QTest::newRow("from a laptop to a large monitor the form's layout comes back")
      << QSize(1366, 728) << QSize(1920, 1040);
    QTest::newRow("from a large monitor to a laptop the window shrinks into the free area")
      << QSize(1920, 1040) << QSize(1366, 728);
}

void TestWindowFit::anotherScreen()
{
    QFETCH(QSize, first);
    QFETCH(QSize, then);

    WindowFit::assumeAvailableSize(first);
    Widget window;
    QVERIFY(showPhotograph(window));
    window.hide();
    WindowFit::assumeAvailableSize(then);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

    const QSize outer = window.frameGeometry().size();
    QVERIFY2(outer.width() <= then.width() && outer.height() <= then.height(),
             qPrintable(describe(window.frameGeometry())));
    const bool large = then.height() > designed.height() + 100;
    QCOMPARE(window.minimumSize() == designed, large);
    QCOMPARE(panelAsInTheForm(window), large);
    if (large)
        QCOMPARE(window.size(), designed);
    else
        QCOMPARE(cutWidgets(window), QStringList());
}

QTEST_MAIN(TestWindowFit)
#include "tst_windowfit.moc"
