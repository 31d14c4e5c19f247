#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

// lupdate reads the code and the form as a translator's tools would, and every language file must
// hold exactly the texts it finds, each one translated.

namespace {

const QStringList languageFiles = {
    QStringLiteral("chinese.ts"),  QStringLiteral("english.ts"), QStringLiteral("german.ts"),
    QStringLiteral("french.ts"),   QStringLiteral("italian.ts"), QStringLiteral("spanish.ts"),
    QStringLiteral("japanese.ts"), QStringLiteral("russian.ts"), QStringLiteral("korean.ts"),
};

// The folders whose texts the window shows.
const QStringList translatedFolders = { QStringLiteral("app"),
                                        QStringLiteral("surface"),
                                        QStringLiteral("measure") };

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type;

    QString key() const { return context + QStringLiteral(" / ") + source; }
};

struct TsFile
{
    QList<Message> messages;
    QString error;
};

TsFile readTsFile(const QString& path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = path + QStringLiteral(": ") + file.errorString();
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("context")) {
            context.clear();
        } else if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message();
            message.context = context;
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            ts.messages << message;
        }
    }
    if (xml.hasError())
        ts.error = path + QStringLiteral(": ") + xml.errorString();
    return ts;
}

// What a file still offers to translate; texts the file keeps only as history are left out.
QList<Message> current(const QList<Message>& messages)
{
    QList<Message> kept;
    for (const Message& message : messages) {
        if (message.type != QLatin1String("obsolete") && message.type != QLatin1String("vanished"))
            kept << message;
    }
    return kept;
}

QStringList sortedKeys(const QList<Message>& messages)
{
    QStringList keys;
    for (const Message& message : messages)
        keys << message.key();
    keys.sort();
    return keys;
}

QStringList without(const QStringList& list, const QStringList& removed)
{
    QStringList left;
    for (const QString& item : list) {
        if (!removed.contains(item))
            left << item;
    }
    return left;
}

void addLanguageRows()
{
    QTest::addColumn<QString>("file");
    for (const QString& file : languageFiles)
        QTest::newRow(qPrintable(QStringLiteral("the file %1").arg(file))) << file;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void languageFolderHoldsTheNineFiles();
    void fileHoldsExactlyTheTextsOfTheCode_data() { addLanguageRows(); }
    void fileHoldsExactlyTheTextsOfTheCode();
    void fileTranslatesEveryText_data() { addLanguageRows(); }
    void fileTranslatesEveryText();
    void sourceLanguageFileShowsEveryTextAsWritten();

private:
    QList<Message> codeTexts;
};

void TestTranslations::initTestCase()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QDir root(QStringLiteral(KORVEX_SOURCE_DIR));
    QStringList arguments{ QStringLiteral("-silent"),
                           QStringLiteral("-no-obsolete"),
                           QStringLiteral("-locations"),
                           QStringLiteral("none"),
                           // The code includes its headers by folder, from the root.
                           QStringLiteral("-I"),
                           root.absolutePath() };
    for (const QString& folder : translatedFolders)
        arguments << root.absoluteFilePath(folder);
    const QString extracted = work.filePath(QStringLiteral("code.ts"));
    arguments << QStringLiteral("-ts") << extracted;

    QProcess lupdate;
    lupdate.start(QStringLiteral(KORVEX_LUPDATE), arguments);
    QVERIFY2(lupdate.waitForFinished(60000), qPrintable(lupdate.errorString()));
    const QString errors = QString::fromLocal8Bit(lupdate.readAllStandardError());
    QCOMPARE(lupdate.exitStatus(), QProcess::NormalExit);
    QVERIFY2(lupdate.exitCode() == 0, qPrintable(errors));
    // A warning names a text lupdate could not read, which no file would then translate.
    QVERIFY2(errors.trimmed().isEmpty(), qPrintable(errors));

    const TsFile ts = readTsFile(extracted);
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    codeTexts = current(ts.messages);
    QVERIFY2(!codeTexts.isEmpty(), "lupdate found no texts in the code");
}

void TestTranslations::languageFolderHoldsTheNineFiles()
{
    QStringList found = QDir(QStringLiteral(KORVEX_LANGUAGE_DIR))
                          .entryList({ QStringLiteral("*.ts") }, QDir::Files, QDir::Name);
    QStringList expected = languageFiles;
    expected.sort();
    QCOMPARE(found, expected);
}

void TestTranslations::fileHoldsExactlyTheTextsOfTheCode()
{
    QFETCH(QString, file);

    const TsFile ts = readTsFile(QStringLiteral(KORVEX_LANGUAGE_DIR "/") + file);
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    const QStringList held = sortedKeys(current(ts.messages));
    const QStringList wanted = sortedKeys(codeTexts);

    QStringList twice;
    for (int i = 1; i < held.size(); ++i) {
        if (held.at(i) == held.at(i - 1))
            twice << held.at(i);
    }
    QVERIFY2(twice.isEmpty(),
             qPrintable(QStringLiteral("twice: ") + twice.join(QLatin1String(", "))));
    const QStringList missing = without(wanted, held);
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("in the code, not in the file: ") +
                        missing.join(QLatin1String(", "))));
    const QStringList stale = without(held, wanted);
    QVERIFY2(stale.isEmpty(),
             qPrintable(QStringLiteral("in the file, no longer in the code: ") +
                        stale.join(QLatin1String(", "))));
}

void TestTranslations::fileTranslatesEveryText()
{
    QFETCH(QString, file);

    const TsFile ts = readTsFile(QStringLiteral(KORVEX_LANGUAGE_DIR "/") + file);
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    const QList<Message> messages = current(ts.messages);
    QVERIFY(!messages.isEmpty());
    for (const Message& message : messages) {
        QVERIFY2(message.type.isEmpty(),
                 qPrintable(message.key() + QStringLiteral(" is ") + message.type));
        QVERIFY2(!message.translation.trimmed().isEmpty(), qPrintable(message.key()));
        // A lost or doubled placeholder drops the file name or shows "%1" in the title bar.
        QVERIFY2(message.translation.count(QLatin1String("%1")) ==
                   message.source.count(QLatin1String("%1")),
                 qPrintable(message.translation));
        // The form's own name stands for the window's title.
        if (message.source == QLatin1String("Widget"))
            QCOMPARE(message.translation, QStringLiteral("Korvex"));
    }
}

void TestTranslations::sourceLanguageFileShowsEveryTextAsWritten()
{
    const TsFile ts = readTsFile(QStringLiteral(KORVEX_LANGUAGE_DIR "/chinese.ts"));
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    const QList<Message> messages = current(ts.messages);
    QVERIFY(!messages.isEmpty());
    for (const Message& message : messages) {
        if (message.source != QLatin1String("Widget"))
            QCOMPARE(message.translation, message.source);
    }
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
