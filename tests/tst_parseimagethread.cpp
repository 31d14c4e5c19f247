#include "model/parseimagethread.h"
#include "model/radiometricreader.h"
#include "support/logcapture.h"
#include "support/radiometricfile.h"

#include <QtTest>

#include <unistd.h>

namespace {

// The entity as a previous photograph left it: every field the parse could touch is set.
ImageEntity previousPhotograph()
{
    ImageEntity entity;
    entity.featureImage = QImage(9, 9, QImage::Format_RGB32);
    entity.featureLength = 99;
    entity.screenImage = QImage(7, 7, QImage::Format_RGB32);
    entity.screenWidth = 7;
    entity.screenHeight = 7;
    entity.cameraImage = QImage(5, 5, QImage::Format_RGB32);
    entity.cameraLength = 55;
    entity.temperatureWidth = 1;
    entity.temperatureData = QByteArray(2, '\x10');
    entity.grayData = QByteArray(1, '\x20');
    entity.details.emissivity = 42;
    entity.details.featureShown = false;
    entity.image_drawpaths.append(ImageDrawPath());
    entity.loaded = true;
    return entity;
}

void checkUntouched(const ImageEntity& entity)
{
    QCOMPARE(entity.featureImage.size(), QSize(9, 9));
    QCOMPARE(entity.screenWidth, 7);
    QCOMPARE(entity.cameraLength, 55);
    QCOMPARE(entity.temperatureData, QByteArray(2, '\x10'));
    QCOMPARE(entity.details.emissivity, 42);
    QCOMPARE(entity.details.featureShown, false);
    QCOMPARE(entity.image_drawpaths.size(), 1);
    QVERIFY(entity.loaded);
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

struct Outcome
{
    int failed = 0;
    int succeeded = 0;
};

// Starts the thread the way the window does and waits until it has reported and deleted itself.
Outcome runToEnd(ParseImageThread* thread, bool viaLaunch = true)
{
    Outcome outcome;
    QObject::connect(thread, &ParseImageThread::parseFailed, [&] { ++outcome.failed; });
    QObject::connect(thread, &ParseImageThread::parseSucceed, [&] { ++outcome.succeeded; });
    QSignalSpy destroyed(thread, &QObject::destroyed);
    if (viaLaunch) {
        if (!thread->launch())
            return outcome;
    } else {
        QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        thread->start();
    }
    if (!destroyed.wait(10000))
        qWarning("parse thread did not finish");
    return outcome;
}

} // namespace

class TestParseImageThread : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void failures_data();
    void failures();
    void unreadableFile();
    void oversizedFileIsNotRead();
    void createRefusesNoEntity();
    void launchRefusesAnEmptyPath();
    void success();
    void handOverHappensOnTheCallersThread();
    void freshEntityDropsThePreviousImages();
    void bytesReadAreHandedOver_data();
    void bytesReadAreHandedOver();

private:
    QTemporaryDir dir;
    QString soundPath;
};

void TestParseImageThread::initTestCase()
{
    QVERIFY(dir.isValid());
    soundPath = writeFile(dir, QStringLiteral("sound.jpg"), RadiometricFile().bytes());
    QVERIFY(!soundPath.isEmpty());
}

void TestParseImageThread::failures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("expected"); // every line after "开始解析文件："

    const QString notImage = QStringLiteral("目标文件不是图片文件，解析失败");
    QTest::newRow("empty path") << QString()
                                << QStringList{ QStringLiteral("文件路径缺失"), notImage };
    QTest::newRow("missing file") << dir.filePath(QStringLiteral("missing.jpg"))
                                  << QStringList{ QStringLiteral("文件不存在，或文件不可用"),
                                                  notImage };
    QTest::newRow("empty file") << writeFile(dir, QStringLiteral("empty.jpg"), QByteArray())
                                << QStringList{ QStringLiteral("文件不存在，或文件不可用"),
                                                notImage };
    QTest::newRow("text file") << writeFile(dir, QStringLiteral("text.jpg"), "hello")
                               << QStringList{ notImage };
    QTest::newRow("two bytes of a JPEG")
      << writeFile(dir, QStringLiteral("two.jpg"), QByteArray("\xFF\xD8", 2))
      << QStringList{ notImage };
    QTest::newRow("FF D8 FF E1 only")
      << writeFile(dir, QStringLiteral("app1.jpg"), QByteArray("\xFF\xD8\xFF\xE1\0\0\xFF\xD9", 8))
      << QStringList{ QStringLiteral("图像解析失败长度为0，解析失败") };
    const QByteArray plain = RadiometricFile::jpeg(QSize(32, 16));
    QTest::newRow("plain JPEG")
      << writeFile(dir, QStringLiteral("plain.jpg"), plain)
      << QStringList{ QStringLiteral("查找到一张JPG： QPoint(0,%1)").arg(plain.size() - 1),
                      QStringLiteral("找到图片数据个数： 1"),
                      QStringLiteral("只有Screen图像数据"),
                      QStringLiteral("Screen范围： QPoint(0,%1) 长度： %2")
                        .arg(plain.size() - 1)
                        .arg(plain.size()),
                      QStringLiteral("温度数据宽高开始下标： %1").arg(plain.size()),
                      QStringLiteral("温度数据长宽错误，解析失败") };
}

void TestParseImageThread::failures()
{
    QFETCH(QString, path);
    QFETCH(QStringList, expected);

    ImageEntity entity = previousPhotograph();
    LogCapture log;
    // An empty path is refused by launch(), so the thread is started directly to see run() cope.
    const Outcome outcome =
      runToEnd(ParseImageThread::create(path, &entity), /*viaLaunch=*/!path.isEmpty());
    QCOMPARE(outcome.failed, 1);
    QCOMPARE(outcome.succeeded, 0);
    checkUntouched(entity);

    QStringList lines = log.lines();
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.takeFirst(), QStringLiteral("开始解析文件： \"%1\"").arg(path));
    QCOMPARE(lines.takeLast(), QStringLiteral("ParseImageThread析构"));
    QCOMPARE(lines, expected);
}

void TestParseImageThread::unreadableFile()
{
    QString path;
    if (geteuid() == 0) {
        // Root reads files whatever their permissions, but the kernel refuses to read a sysfs
        // attribute that can only be written.
        for (const char* candidate :
             { "/sys/bus/pci/rescan", "/sys/class/zram-control/hot_remove" }) {
            QFile file(QString::fromLatin1(candidate));
            if (file.size() > 0 && !file.open(QIODevice::ReadOnly))
                path = file.fileName();
        }
        if (path.isEmpty())
            QSKIP("no file here that root cannot read");
    } else {
        path = writeFile(dir, QStringLiteral("locked.jpg"), RadiometricFile().bytes());
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    }
    ImageEntity entity = previousPhotograph();
    LogCapture log;
    const Outcome outcome = runToEnd(ParseImageThread::create(path, &entity));
    QCOMPARE(outcome.failed, 1);
    checkUntouched(entity);
    QCOMPARE(log.linesStartingWith({ QStringLiteral("isImageFile()"), QStringLiteral("目标文件") }),
             (QStringList{ QStringLiteral("isImageFile()->文件打开失败"),
                           QStringLiteral("目标文件不是图片文件，解析失败") }));
}

void TestParseImageThread::oversizedFileIsNotRead()
{
    // A sparse file: it claims more than a gigabyte but takes no room on the disk.
    const QString path = writeFile(dir, QStringLiteral("huge.jpg"), RadiometricFile().bytes());
    QFile file(path);
    QVERIFY(file.resize(RadiometricReader::maximumFileSize + 1));
    ImageEntity entity = previousPhotograph();
    LogCapture log;
    const Outcome outcome = runToEnd(ParseImageThread::create(path, &entity));
    QCOMPARE(outcome.failed, 1);
    checkUntouched(entity);
    QVERIFY(log.contains(QStringLiteral("文件读取长度错误，解析失败")));
    QVERIFY(!log.contains(QStringLiteral("找到图片数据个数： 2")));
}

void TestParseImageThread::createRefusesNoEntity()
{
    QCOMPARE(ParseImageThread::create(QStringLiteral("photograph.jpg"), nullptr), nullptr);
}

void TestParseImageThread::launchRefusesAnEmptyPath()
{
    ImageEntity entity;
    LogCapture log;
    ParseImageThread* thread = ParseImageThread::create(QString(), &entity);
    QVERIFY(!thread->launch());
    QVERIFY(!thread->isRunning());
    QVERIFY(!thread->isFinished());
    // The caller owns a thread that did not launch.
    delete thread;
    QCOMPARE(log.lines(), QStringList{ QStringLiteral("ParseImageThread析构") });
}

void TestParseImageThread::success()
{
    ImageEntity entity = previousPhotograph();
    LogCapture log;
    ParseImageThread* thread = ParseImageThread::create(soundPath, &entity);
    QVERIFY(QMetaType::type("ImageEntity") != QMetaType::UnknownType);
    const Outcome outcome = runToEnd(thread);
    QCOMPARE(outcome.succeeded, 1);
    QCOMPARE(outcome.failed, 0);

    QVERIFY(entity.loaded);
    QCOMPARE(entity.screenImage.size(), QSize(64, 48));
    QCOMPARE(entity.cameraImage.size(), QSize(80, 60));
    QCOMPARE(entity.temperatureData.size(), 2 * 16 * 12);
    QCOMPARE(entity.details.emissivity, 95);

    const QStringList lines = log.lines();
    QCOMPARE(lines.first(), QStringLiteral("开始解析文件： \"%1\"").arg(soundPath));
    QCOMPARE(lines.at(lines.size() - 2), QStringLiteral("文件信息解析完成"));
    QCOMPARE(lines.last(), QStringLiteral("ParseImageThread析构"));
}

void TestParseImageThread::handOverHappensOnTheCallersThread()
{
    ImageEntity entity = previousPhotograph();
    ParseImageThread* thread = ParseImageThread::create(soundPath, &entity);
    bool filledAtSignal = false;
    QThread* signalThread = nullptr;
    connect(thread, &ParseImageThread::parseSucceed, [&] {
        filledAtSignal = entity.cameraImage.size() == QSize(80, 60);
        signalThread = QThread::currentThread();
    });
    QSignalSpy destroyed(thread, &QObject::destroyed);
    QVERIFY(thread->launch());
    // The parse has run to its end, but until the GUI thread takes the result the window's
    // entity must still be the previous photograph, whole.
    QVERIFY(thread->wait(10000));
    checkUntouched(entity);
    QVERIFY(destroyed.wait(10000));
    QVERIFY(filledAtSignal);
    QCOMPARE(signalThread, QThread::currentThread());
}

void TestParseImageThread::freshEntityDropsThePreviousImages()
{
    RadiometricFile file;
    file.jpegs.removeLast();
    file.trailer = RadiometricFile::featureBlock(1);
    const QString path = writeFile(dir, QStringLiteral("screen-only.jpg"), file.bytes());

    ImageEntity entity = previousPhotograph();
    QCOMPARE(runToEnd(ParseImageThread::create(path, &entity)).succeeded, 1);
    QCOMPARE(entity.screenImage.size(), QSize(64, 48));
    QVERIFY(entity.cameraImage.isNull());
    QCOMPARE(entity.cameraLength, 0);
    QVERIFY(entity.featureImage.isNull());
    QCOMPARE(entity.featureLength, 0);
    QVERIFY(entity.image_drawpaths.isEmpty());
    QCOMPARE(entity.details.featureShown, true);
}

void TestParseImageThread::bytesReadAreHandedOver_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("handed");
    QTest::newRow("a photograph that opens hands over its bytes")
      << RadiometricFile().bytes() << true;
    QTest::newRow("a file that does not open hands over nothing")
      << RadiometricFile().bytes().left(300) << false;
}

void TestParseImageThread::bytesReadAreHandedOver()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, handed);
    const QString path = writeFile(dir, QStringLiteral("handed.jpg"), bytes);
    ImageEntity entity;
    ParseImageThread* thread = ParseImageThread::create(path, &entity);
    QByteArray reported;
    int reports = 0;
    connect(thread, &ParseImageThread::parseSucceed, this, [&] {
        reported = thread->sourceBytes();
        ++reports;
        // The file may go once the photograph is open; the bytes stay.
        QFile::remove(path);
    });
    connect(thread, &ParseImageThread::parseFailed, this, [&] {
        reported = thread->sourceBytes();
        ++reports;
    });

    runToEnd(thread);

    QCOMPARE(reports, 1);
    QCOMPARE(reported, handed ? bytes : QByteArray());
}

QTEST_GUILESS_MAIN(TestParseImageThread)
#include "tst_parseimagethread.moc"
