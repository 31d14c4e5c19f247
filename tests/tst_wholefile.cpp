#include "model/wholefile.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestWholeFile : public QObject
{
    Q_OBJECT

private slots:
    void writes_data();
    void writes();
};

void TestWholeFile::writes_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<qint64>("sizeLimit");
    QTest::addColumn<QString>("reason");

    QTest::newRow("a file over an older one")
      << QStringLiteral("kept.csv") << qint64(0) << QString();
    QTest::newRow("a folder that is not there") << QStringLiteral("gone/kept.csv") << qint64(0)
                                                << QStringLiteral("No such file or directory");
    QTest::newRow("a file where the folder would be")
      << QStringLiteral("older.csv/kept.csv") << qint64(0) << QStringLiteral("Not a directory");
    // The first write stops short without an error; only the next meets the system's reason.
    QTest::newRow("a file size limit reached part way")
      << QStringLiteral("kept.csv") << qint64(40000) << QStringLiteral("File too large");
    QTest::newRow("a file size limit reached at once")
      << QStringLiteral("kept.csv") << qint64(1) << QStringLiteral("File too large");
}

void TestWholeFile::writes()
{
    QFETCH(QString, target);
    QFETCH(qint64, sizeLimit);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray older("an older export\n");
    for (const char* name : { "kept.csv", "older.csv" }) {
        QFile file(dir.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(older) == older.size());
    }
    // Larger than Qt's write buffer, so that the bytes go to the system in one write.
    QByteArray bytes;
    for (int row = 0; row < 10000; ++row)
        bytes += QByteArray::number(row) + ",21.5,22.0,22.5\n";
    QVERIFY(bytes.size() > 100000);

    rlimit previous{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &previous) == 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (sizeLimit > 0) {
        rlimit limited = previous;
        limited.rlim_cur = rlim_t(sizeLimit);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
    }
    QString error = QStringLiteral("not set");

    const bool written = WholeFile::write(dir.filePath(target), bytes, &error);

    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    QCOMPARE(written, reason.isEmpty());
    QCOMPARE(readAll(dir.filePath(QStringLiteral("kept.csv"))), written ? bytes : older);
    if (!written)
        QCOMPARE(error, reason);
    // Nothing half-written is left beside the files.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{ QStringLiteral("kept.csv"), QStringLiteral("older.csv") }));
}

QTEST_APPLESS_MAIN(TestWholeFile)
#include "tst_wholefile.moc"
