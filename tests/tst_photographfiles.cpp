#include "app/photographfiles.h"

#include <QtTest>

#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

namespace {

// The folder stepped through: out of name order on disk, with files that are not photographs.
const char* const folderFiles[] = { "IMG_10.jpg", "IMG_2.JPG", "IMG_1.jpg",
                                    "notes.txt",  "site.jpeg", "IMG_9.png" };

} // namespace

class TestPhotographFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void naturalOrder_data();
    void naturalOrder();
    void neighbour_data();
    void neighbour();
    void droppedPhotograph_data();
    void droppedPhotograph();

private:
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    QTemporaryDir dir;
};

void TestPhotographFiles::initTestCase()
{
    QVERIFY(dir.isValid());
    for (const char* name : folderFiles) {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

void TestPhotographFiles::naturalOrder_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("IMG_9 before IMG_10") << "IMG_9.jpg"
                                         << "IMG_10.jpg";
    QTest::newRow("leading zeros do not make a number larger") << "IMG_9.jpg"
                                                               << "IMG_010.jpg";
    QTest::newRow("equal values: the shorter spelling first") << "IMG_9.jpg"
                                                              << "IMG_09.jpg";
    QTest::newRow("letters without regard to case") << "apple.jpg"
                                                    << "Banana.jpg";
    QTest::newRow("a shorter name that starts the longer one") << "IMG.jpg"
                                                               << "IMG_1.jpg";
    QTest::newRow("numbers further in the name") << "wall2-row9.jpg"
                                                 << "wall2-row10.jpg";
    QTest::newRow("digits before letters") << "1a.jpg"
                                           << "a1.jpg";
    QTest::newRow("a number longer than any integer") << "IMG_99999999999999999999.jpg"
                                                      << "IMG_100000000000000000000.jpg";
}

void TestPhotographFiles::naturalOrder()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QVERIFY(PhotographFiles::naturalLess(before, after));
    QVERIFY(!PhotographFiles::naturalLess(after, before));
    QVERIFY(!PhotographFiles::naturalLess(before, before));
}

void TestPhotographFiles::neighbour_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("expected");

    QTest::newRow("next in natural order") << "IMG_2.JPG" << 1 << "IMG_10.jpg";
    QTest::newRow("previous in natural order") << "IMG_10.jpg" << -1 << "IMG_2.JPG";
    QTest::newRow("past the last wraps to the first") << "site.jpeg" << 1 << "IMG_1.jpg";
    QTest::newRow("before the first wraps to the last") << "IMG_1.jpg" << -1 << "site.jpeg";
    QTest::newRow("a photograph removed since still has neighbours")
      << "IMG_5.jpg" << 1 << "IMG_10.jpg";
    QTest::newRow("backwards from a removed photograph") << "IMG_5.jpg" << -1 << "IMG_2.JPG";
}

void TestPhotographFiles::neighbour()
{
    QFETCH(QString, current);
    QFETCH(int, step);
    QFETCH(QString, expected);
    QCOMPARE(PhotographFiles::neighbour(dir.filePath(current), step), dir.filePath(expected));
}

void TestPhotographFiles::droppedPhotograph_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one photograph") << QStringList{ QStringLiteral("IMG_1.jpg") } << "IMG_1.jpg";
    QTest::newRow("a text file is refused")
      << QStringList{ QStringLiteral("notes.txt") } << QString();
    QTest::newRow("a picture of another kind is refused")
      << QStringList{ QStringLiteral("IMG_9.png") } << QString();
    QTest::newRow("several photographs: the first")
      << QStringList{ QStringLiteral("IMG_10.jpg"), QStringLiteral("IMG_1.jpg") } << "IMG_10.jpg";
    QTest::newRow("the first photograph among other files")
      << QStringList{ QStringLiteral("notes.txt"), QStringLiteral("site.jpeg") } << "site.jpeg";
    QTest::newRow("a photograph that is not there")
      << QStringList{ QStringLiteral("gone.jpg") } << QString();
}

void TestPhotographFiles::droppedPhotograph()
{
    QFETCH(QStringList, files);
    QFETCH(QString, expected);
    QList<QUrl> urls{ QUrl(QStringLiteral("https://example.com/IMG_1.jpg")) };
    for (const QString& file : files)
        urls << QUrl::fromLocalFile(dir.filePath(file));
    QMimeData data;
    data.setUrls(urls);
    QCOMPARE(PhotographFiles::droppedPhotograph(&data),
             expected.isEmpty() ? QString() : dir.filePath(expected));
}

QTEST_GUILESS_MAIN(TestPhotographFiles)
#include "tst_photographfiles.moc"
