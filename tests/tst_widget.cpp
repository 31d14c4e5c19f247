#include "imageblendthread.h"
#include "imagedrawlabel.h"
#include "logcapture.h"
#include "radiometricfile.h"
#include "radiometricreader.h"
#include "settingstools.h"
#include "widget.h"

#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>

#include <functional>

namespace {

// Answers the next file dialog from inside its event loop.
class DialogAnswer : public QObject
{
public:
    // An empty path cancels the dialog.
    explicit DialogAnswer(const QString& path)
      : path(path)
    {
        timer.setInterval(50);
        connect(&timer, &QTimer::timeout, this, &DialogAnswer::poll);
        timer.start();
    }

    bool answered = false;
    QString directory;
    QString caption;
    QString proposed;
    QStringList filters;

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            // Only the save dialog asks, when the target exists: replace it.
            if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                QMetaObject::invokeMethod(yes, "click", Qt::QueuedConnection);
            else
                box->reject();
            return;
        }
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog)
            return;
        // The dialog may refuse an answer while its directory listing is still loading; it is
        // answered again until it closes.
        ++attempts;
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!answered) {
            directory = dialog->directory().absolutePath();
            caption = dialog->windowTitle();
            proposed = name ? name->text() : QString();
            filters = dialog->nameFilters();
        }
        answered = true;
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        // Typed into the name field as a user would: selectFile() leaves a focused field alone.
        if (!name)
            return;
        dialog->setDirectory(QFileInfo(path).absolutePath());
        name->setText(QFileInfo(path).fileName());
        // Queued, so that a question the dialog asks while accepting can be answered as well.
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    }

    QString path;
    QTimer timer;
    int attempts = 0;
};

template<typename T>
T* child(QWidget& window, const char* name)
{
    return window.findChild<T*>(QLatin1String(name));
}

QString samplePath(const QString& name)
{
    return QStringLiteral(KORVEX_SAMPLES_DIR "/") + name;
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
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

// The label's picture; the accessor changed its signature between Qt versions.
QPixmap shownPixmap(const QLabel* label)
{
#if QT_VERSION >= QT_VERSION_CHECK(5, 15, 0)
    return label->pixmap(Qt::ReturnByValue);
#else
    return label->pixmap() ? *label->pixmap() : QPixmap();
#endif
}

void drag(QWidget* surface, const QPoint& from, const QPoint& to)
{
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &move);
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, to);
}

} // namespace

class TestWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void initialState();
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
    void saveDialog();
    void saveRoundTrip_data();
    void saveRoundTrip();

private:
    bool open(Widget& window, const QString& path);

    QTemporaryDir dir;
};

void TestWidget::initTestCase()
{
    QVERIFY(dir.isValid());
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.1.25"));
}

void TestWidget::init()
{
    SettingsTools::setLanguage(0);
    // A folder that exists: the desktop the dialogs fall back to may not exist on a build machine.
    SettingsTools::setLastImagePath(dir.path());
    SettingsTools::setLastSavePath(dir.path());
}

bool TestWidget::open(Widget& window, const QString& path)
{
    auto* name = child<QLabel>(window, "details_name");
    const QString before = name->text();
    DialogAnswer answer(path);
    QTest::mouseClick(child<QPushButton>(window, "menu_open"), Qt::LeftButton);
    if (!answer.answered)
        return false;
    // The parse runs on its own thread; wait for its result and the first blend.
    return QTest::qWaitFor([&] {
        return child<QPushButton>(window, "menu_open")->isEnabled() &&
               !child<ImageDrawLabel>(window, "image_draw")->shownPixmap().isNull();
    });
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
    // Unknown codes select the first entries; the temperatures cannot be shown in them.
    QTest::newRow("unknown palette and unit")
      << 7 << 5 << 95 << QStringLiteral("0.95") << QStringLiteral("N.A");
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
    QVERIFY(open(window, path));
    const QPixmap shown = shownPixmap(preview);
    const double scale = qMin(preview->width() / 640.0, preview->height() / 480.0);
    QCOMPARE(shown.size(), QSize(int(640 * scale), int(480 * scale)));
    // The label as laid out in the window.
    if (preview->size() == QSize(280, 300))
        QCOMPARE(shown.size(), QSize(280, 210));
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
    Widget window;
    window.show();
    QVERIFY(open(window, samplePath(QStringLiteral("coffee-mug.jpg"))));
    const QString broken =
      writeFile(dir.filePath(QStringLiteral("broken.jpg")), RadiometricFile::jpeg(QSize(20, 20)));
    LogCapture log;
    DialogAnswer answer(broken);
    QTest::mouseClick(child<QPushButton>(window, "menu_open"), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return log.contains(QStringLiteral("图片文件解析失败")); }));
    QCOMPARE(child<QLabel>(window, "details_name")->text(), QStringLiteral("coffee-mug.jpg"));
    QVERIFY(child<QPushButton>(window, "menu_save")->isEnabled());
    QVERIFY(!child<ImageDrawLabel>(window, "image_draw")->shownPixmap().isNull());
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

    // A tool chosen before any photograph reaches the surface at the first click after loading.
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    QTest::mouseClick(point, Qt::LeftButton);
    QCOMPARE(surface->drawMode(), 4);
    QVERIFY(open(window, samplePath(QStringLiteral("coffee-mug.jpg"))));
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
    QFile file(samplePath(QStringLiteral("coffee-mug.jpg")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    ImageEntity photo;
    QVERIFY(RadiometricReader::read(file.readAll(), photo));
    const QImage palette =
      ImageBlendThread::renderPaletteImage(photo.grayData, photo.grayWidth, photo.grayHeight, 1);
    const QImage expected = ImageBlendThread::blendImages(palette, photo.cameraImage, 0.6f);
    auto* surface = child<ImageDrawLabel>(window, "image_draw");
    // Whatever blends ran in between, the last value decides what stays on screen.
    QVERIFY(QTest::qWaitFor([&] {
        return surface->shownPixmap().toImage().convertToFormat(expected.format()) == expected;
    }));
}

void TestWidget::saveDialog()
{
    const QString folder = dir.filePath(QStringLiteral("saves"));
    QVERIFY(QDir().mkpath(folder));
    SettingsTools::setLastSavePath(folder);
    Widget window;
    window.show();
    QVERIFY(open(window, samplePath(QStringLiteral("coffee-mug.jpg"))));

    // A cancelled dialog writes nothing and keeps the last save folder.
    LogCapture log;
    DialogAnswer cancel{ QString() };
    const QDateTime before = QDateTime::currentDateTime();
    QTest::mouseClick(child<QPushButton>(window, "menu_save"), Qt::LeftButton);
    const QDateTime after = QDateTime::currentDateTime();
    QVERIFY(cancel.answered);
    QCOMPARE(cancel.caption, QStringLiteral("Save picture"));
    QCOMPARE(cancel.directory, QDir(folder).absolutePath());
    QCOMPARE(cancel.filters, QStringList{ QStringLiteral("JPEG(*.jpg)") });
    // The proposed name is the time of the click to the millisecond.
    const QDateTime stamp =
      QDateTime::fromString(cancel.proposed.chopped(4), QStringLiteral("yyyy-MM-dd-hh-mm-ss-zzz"));
    QVERIFY2(stamp.isValid() && cancel.proposed.endsWith(QStringLiteral(".jpg")),
             qPrintable(cancel.proposed));
    QVERIFY(stamp >= before.addMSecs(-1) && stamp <= after);
    QCOMPARE(SettingsTools::getLastSavePath(), folder);
    QTest::qWait(200);
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

    int w = surface->width();
    int h = surface->height();
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
    QTest::qWait(500);

    // The snapshot is the surface as it is when saving.
    w = surface->width();
    h = surface->height();
    LogCapture log;
    DialogAnswer answer(target);
    QTest::mouseClick(child<QPushButton>(window, "menu_save"), Qt::LeftButton);
    QVERIFY(answer.answered);
    QCOMPARE(answer.caption, QStringLiteral("Save picture"));
    QVERIFY(QTest::qWaitFor([&] { return log.contains(QStringLiteral("文件保存成功")); }, 10000));
    QCOMPARE(SettingsTools::getLastSavePath(), QFileInfo(target).path());

    QFile saved(target);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    ImageEntity back;
    QVERIFY(RadiometricReader::read(saved.readAll(), back));
    QCOMPARE(back.details.palette, 3);
    QCOMPARE(back.details.unit, 2);
    QCOMPARE(back.details.blend, 50);
    QCOMPARE(back.details.featureShown, false);
    QCOMPARE(back.details.emissivity, 95);
    // The snapshot comes first: the Feature image when two JPEGs follow it, else the Screen image
    // (whose size is kept before the margin is cropped).
    if (sample == QStringLiteral("radiator.jpg")) {
        QVERIFY(back.featureImage.isNull());
        QCOMPARE(QSize(back.screenWidth, back.screenHeight), QSize(w, h));
        QCOMPARE(back.cameraImage.size(), QSize(640, 480));
    } else {
        QCOMPARE(back.featureImage.size(), QSize(w, h));
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
            QCOMPARE(got.points[p].x, float(quint16(want.points[p].x * 10000)) / 10000.0f);
            QCOMPARE(got.points[p].y, float(quint16(want.points[p].y * 10000)) / 10000.0f);
            if (p >= 3)
                QCOMPARE(got.points[p].value, float(qint32(want.points[p].value * 10)) / 10.0f);
        }
    }
}

QTEST_MAIN(TestWidget)
#include "tst_widget.moc"
