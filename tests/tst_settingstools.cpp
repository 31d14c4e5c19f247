#include "app/settingstools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <cstdlib>

// The settings object is made by a static initialiser on a path relative to the directory the
// process starts in, so every case runs this executable again as a driver, started in a fresh
// directory: "--driver" followed by commands, each printing its result on a line of its own.

namespace {

const char driverFlag[] = "--driver";
const char earlyProbeVariable[] = "KORVEX_EARLY_SETTINGS_PROBE";

// Calls SettingsTools from a static initialiser that runs before the settings object exists, as
// another file's initialiser could. Literals only: this file's own constants are not made yet.
struct EarlyProbe
{
    EarlyProbe()
    {
        if (!std::getenv(earlyProbeVariable))
            return;
        results << SettingsTools::getLastImagePath() << SettingsTools::getLastSavePath()
                << QString::number(SettingsTools::getLanguage());
        SettingsTools::setLastImagePath(QStringLiteral("/early/images"));
        SettingsTools::setLastSavePath(QStringLiteral("/early/saves"));
        SettingsTools::setLanguage(3);
    }
    QStringList results;
};

EarlyProbe earlyProbe __attribute__((init_priority(101)));

int runDriver(const QStringList& commands)
{
    QTextStream out(stdout);
    out.setCodec("UTF-8");
    for (int i = 0; i < commands.size(); ++i) {
        const QString& command = commands.at(i);
        const QString argument = i + 1 < commands.size() ? commands.at(i + 1) : QString();
        if (command == QLatin1String("get-image")) {
            out << SettingsTools::getLastImagePath() << '\n';
        } else if (command == QLatin1String("get-save")) {
            out << SettingsTools::getLastSavePath() << '\n';
        } else if (command == QLatin1String("get-language")) {
            out << SettingsTools::getLanguage() << '\n';
        } else if (command == QLatin1String("early")) {
            out << earlyProbe.results.join(QLatin1Char('|')) << '\n';
        } else if (command == QLatin1String("set-image")) {
            SettingsTools::setLastImagePath(argument);
            ++i;
        } else if (command == QLatin1String("set-save")) {
            SettingsTools::setLastSavePath(argument);
            ++i;
        } else if (command == QLatin1String("set-language")) {
            // Through a 64-bit value, so that "-1" arrives as the unsigned value the window's
            // int would become.
            SettingsTools::setLanguage(unsigned(argument.toLongLong()));
            ++i;
        } else if (command == QLatin1String("startup")) {
            QLocale::setDefault(QLocale(argument));
            out << SettingsTools::startupLanguage() << '\n';
            ++i;
        } else if (command == QLatin1String("chdir")) {
            QDir::setCurrent(argument);
            ++i;
        } else {
            QTextStream(stderr) << "unknown driver command " << command << '\n';
            return 2;
        }
    }
    out.flush();
    // The settings reach the file from the event loop, as in the program.
    QCoreApplication::processEvents();
    return 0;
}

// One working directory with its own home, so that the desktop folder is known.
class Scene
{
public:
    Scene()
      : home(directory.filePath(QStringLiteral("home")))
    {
    }

    bool isValid() const { return directory.isValid(); }
    QString path() const { return directory.path(); }
    QString iniPath() const { return directory.filePath(QStringLiteral("Korvex.ini")); }
    QString desktop() const { return QDir(home).filePath(QStringLiteral("Desktop")); }

    void writeIni(const QByteArray& text) const
    {
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(text), qint64(text.size()));
    }

    QByteArray iniText() const
    {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The values in the file, read by a settings object of this process.
    QVariant stored(const QString& key) const
    {
        return QSettings(iniPath(), QSettings::IniFormat).value(key);
    }

    // Runs the driver on the commands and collects its output lines; false when it failed.
    bool run(const QStringList& commands, QStringList* lines, bool earlyProbe = false) const
    {
        QProcess driver;
        driver.setWorkingDirectory(path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           QDir(home).filePath(QStringLiteral(".config")));
        if (earlyProbe)
            environment.insert(QLatin1String(earlyProbeVariable), QStringLiteral("1"));
        else
            environment.remove(QLatin1String(earlyProbeVariable));
        driver.setProcessEnvironment(environment);
        driver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        driver.start(QCoreApplication::applicationFilePath(),
                     QStringList{ QLatin1String(driverFlag) } + commands);
        if (!driver.waitForFinished(30000) || driver.exitStatus() != QProcess::NormalExit ||
            driver.exitCode() != 0)
            return false;
        QString output = QString::fromUtf8(driver.readAllStandardOutput());
        if (output.endsWith(QLatin1Char('\n')))
            output.chop(1);
        *lines = output.split(QLatin1Char('\n'));
        return true;
    }

private:
    QTemporaryDir directory;
    QString home;
};

} // namespace

// SettingsTools on its INI file in the working directory.
class TestSettingsTools : public QObject
{
    Q_OBJECT
private slots:
    void foldersRoundTrip_data();
    void foldersRoundTrip();
    void foldersFallBackToTheDesktop_data();
    void foldersFallBackToTheDesktop();
    void languageRoundTrip_data();
    void languageRoundTrip();
    void storedLanguageIsReadAsWritten_data();
    void storedLanguageIsReadAsWritten();
    void languageForLocale_data();
    void languageForLocale();
    void firstRunStoresTheSystemLanguage_data();
    void firstRunStoresTheSystemLanguage();
    void laterRunsKeepTheFirstDecision();
    void fileStaysInTheStartDirectory();
    void callsBeforeTheSettingsObjectDoNothing();
    void translationFile_data();
    void translationFile();
};

void TestSettingsTools::foldersRoundTrip_data()
{
    QTest::addColumn<bool>("saveFolder");
    QTest::addColumn<QString>("folder");

    QTest::newRow("image folder") << false << QStringLiteral("/home/user/Pictures");
    QTest::newRow("save folder") << true << QStringLiteral("/home/user/Pictures/out");
    QTest::newRow("image folder with spaces and Chinese letters")
      << false << QStringLiteral("/home/用户/红外 照片");
    QTest::newRow("save folder with a comma and a semicolon")
      << true << QStringLiteral("/data/a,b;c");
    QTest::newRow("image folder with a drive letter") << false << QStringLiteral("C:/Users/x");
    QTest::newRow("a folder that does not exist is offered as stored")
      << true << QStringLiteral("/no/such/folder");
}

void TestSettingsTools::foldersRoundTrip()
{
    QFETCH(bool, saveFolder);
    QFETCH(QString, folder);
    const Scene scene;
    QVERIFY(scene.isValid());
    QStringList lines;
    const QString setter = saveFolder ? QStringLiteral("set-save") : QStringLiteral("set-image");
    QVERIFY(scene.run({ setter, folder }, &lines));

    const QString key = saveFolder ? QStringLiteral("folder/last_save_path")
                                   : QStringLiteral("folder/last_image_path");
    const QString otherKey = saveFolder ? QStringLiteral("folder/last_image_path")
                                        : QStringLiteral("folder/last_save_path");
    QCOMPARE(scene.stored(key).toString(), folder);
    QVERIFY2(!scene.stored(otherKey).isValid(), "the other folder was written too");
    QVERIFY2(scene.iniText().startsWith("[folder]\n"), scene.iniText().constData());

    // A second run reads the folder back from the file.
    QVERIFY(scene.run({ QStringLiteral("get-image"), QStringLiteral("get-save") }, &lines));
    const QStringList expected =
      saveFolder ? QStringList{ scene.desktop(), folder } : QStringList{ folder, scene.desktop() };
    QCOMPARE(lines, expected);
}

void TestSettingsTools::foldersFallBackToTheDesktop_data()
{
    QTest::addColumn<QByteArray>("ini");

    QTest::newRow("no settings file") << QByteArray();
    QTest::newRow("a folder group without entries") << QByteArray("[folder]\n");
    QTest::newRow("empty entries") << QByteArray("[folder]\nlast_image_path=\nlast_save_path=\n");
    QTest::newRow("only a language stored") << QByteArray("[language]\nvalue=3\n");
}

void TestSettingsTools::foldersFallBackToTheDesktop()
{
    QFETCH(QByteArray, ini);
    const Scene scene;
    QVERIFY(scene.isValid());
    if (!ini.isEmpty())
        scene.writeIni(ini);
    QStringList lines;
    QVERIFY(scene.run({ QStringLiteral("get-image"), QStringLiteral("get-save") }, &lines));
    QCOMPARE(lines, QStringList({ scene.desktop(), scene.desktop() }));
    QVERIFY2(scene.iniText() == ini, "reading a folder must not write the fallback");
}

void TestSettingsTools::languageRoundTrip_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<int>("expected");

    QTest::newRow("Chinese") << QStringList{ QStringLiteral("0") } << 0;
    QTest::newRow("Korean, the last") << QStringList{ QStringLiteral("8") } << 8;
    QTest::newRow("nine is not a language") << QStringList{ QStringLiteral("9") } << -1;
    QTest::newRow("minus one from the combo box is not stored")
      << QStringList{ QStringLiteral("-1") } << -1;
    QTest::newRow("the newest value wins")
      << QStringList{ QStringLiteral("5"), QStringLiteral("2") } << 2;
    QTest::newRow("a value out of range keeps the stored one")
      << QStringList{ QStringLiteral("5"), QStringLiteral("12") } << 5;
}

void TestSettingsTools::languageRoundTrip()
{
    QFETCH(QStringList, values);
    QFETCH(int, expected);
    const Scene scene;
    QVERIFY(scene.isValid());
    QStringList commands;
    for (const QString& value : values)
        commands << QStringLiteral("set-language") << value;
    QStringList lines;
    QVERIFY(scene.run(commands, &lines));

    const QVariant stored = scene.stored(QStringLiteral("language/value"));
    if (expected < 0) {
        QVERIFY2(!stored.isValid(), qPrintable(stored.toString()));
    } else {
        QCOMPARE(stored.toInt(), expected);
        QVERIFY2(scene.iniText() ==
                   QByteArray("[language]\nvalue=") + QByteArray::number(expected) + '\n',
                 scene.iniText().constData());
    }
    QVERIFY(scene.run({ QStringLiteral("get-language") }, &lines));
    QCOMPARE(lines, QStringList{ QString::number(expected) });
}

void TestSettingsTools::storedLanguageIsReadAsWritten_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("expected");

    QTest::newRow("no language stored") << QByteArray("[folder]\nlast_image_path=/a\n") << -1;
    QTest::newRow("Russian") << QByteArray("[language]\nvalue=7\n") << 7;
    QTest::newRow("a word by hand reads as Chinese") << QByteArray("[language]\nvalue=abc\n") << 0;
    QTest::newRow("an empty value reads as Chinese") << QByteArray("[language]\nvalue=\n") << 0;
    // The window then loads no translation; the index itself is passed on unchanged.
    QTest::newRow("twelve by hand stays twelve") << QByteArray("[language]\nvalue=12\n") << 12;
}

void TestSettingsTools::storedLanguageIsReadAsWritten()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, expected);
    const Scene scene;
    QVERIFY(scene.isValid());
    scene.writeIni(ini);
    QStringList lines;
    QVERIFY(scene.run({ QStringLiteral("get-language") }, &lines));
    QCOMPARE(lines, QStringList{ QString::number(expected) });
}

void TestSettingsTools::languageForLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("expected");

    QTest::newRow("simplified Chinese") << QLocale(QLocale::Chinese, QLocale::China) << 0;
    QTest::newRow("traditional Chinese")
      << QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan) << 0;
    QTest::newRow("American English") << QLocale(QLocale::English, QLocale::UnitedStates) << 1;
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << 2;
    QTest::newRow("Swiss German") << QLocale(QLocale::German, QLocale::Switzerland) << 2;
    QTest::newRow("Canadian French") << QLocale(QLocale::French, QLocale::Canada) << 3;
    QTest::newRow("Italian") << QLocale(QLocale::Italian, QLocale::Italy) << 4;
    QTest::newRow("Mexican Spanish") << QLocale(QLocale::Spanish, QLocale::Mexico) << 5;
    QTest::newRow("Japanese") << QLocale(QLocale::Japanese, QLocale::Japan) << 6;
    QTest::newRow("Russian") << QLocale(QLocale::Russian, QLocale::Russia) << 7;
    QTest::newRow("Korean") << QLocale(QLocale::Korean, QLocale::SouthKorea) << 8;
    QTest::newRow("Portuguese is not spoken, so English")
      << QLocale(QLocale::Portuguese, QLocale::Brazil) << 1;
    QTest::newRow("Ukrainian falls back to English, not Russian")
      << QLocale(QLocale::Ukrainian, QLocale::Ukraine) << 1;
    QTest::newRow("the C locale means English") << QLocale::c() << 1;
}

void TestSettingsTools::languageForLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(int, expected);
    QCOMPARE(SettingsTools::languageForLocale(locale), expected);
}

void TestSettingsTools::firstRunStoresTheSystemLanguage_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("expected");

    QTest::newRow("first run on a German system") << QByteArray() << QStringLiteral("de_DE") << 2;
    QTest::newRow("first run on a Portuguese system")
      << QByteArray() << QStringLiteral("pt_PT") << 1;
    QTest::newRow("first run on a Korean system")
      << QByteArray("[folder]\nlast_image_path=/a\n") << QStringLiteral("ko_KR") << 8;
    QTest::newRow("a stored language wins over the system's")
      << QByteArray("[language]\nvalue=5\n") << QStringLiteral("de_DE") << 5;
    QTest::newRow("a hand-written word counts as stored Chinese")
      << QByteArray("[language]\nvalue=abc\n") << QStringLiteral("de_DE") << 0;
}

void TestSettingsTools::firstRunStoresTheSystemLanguage()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, locale);
    QFETCH(int, expected);
    const Scene scene;
    QVERIFY(scene.isValid());
    if (!ini.isEmpty())
        scene.writeIni(ini);
    QStringList lines;
    QVERIFY(scene.run({ QStringLiteral("startup"), locale }, &lines));
    QCOMPARE(lines, QStringList{ QString::number(expected) });
    QCOMPARE(scene.stored(QStringLiteral("language/value")).toInt(), expected);
}

void TestSettingsTools::laterRunsKeepTheFirstDecision()
{
    const Scene scene;
    QVERIFY(scene.isValid());
    QStringList lines;
    QVERIFY(scene.run({ QStringLiteral("startup"), QStringLiteral("de_DE") }, &lines));
    QCOMPARE(lines, QStringList{ QStringLiteral("2") });
    QVERIFY(scene.run({ QStringLiteral("startup"), QStringLiteral("fr_FR") }, &lines));
    QCOMPARE(lines, QStringList{ QStringLiteral("2") });
    QCOMPARE(scene.stored(QStringLiteral("language/value")).toInt(), 2);
}

void TestSettingsTools::fileStaysInTheStartDirectory()
{
    const Scene scene;
    QVERIFY(scene.isValid());
    const QString elsewhere = QDir(scene.path()).filePath(QStringLiteral("elsewhere"));
    QVERIFY(QDir().mkpath(elsewhere));
    QStringList lines;
    QVERIFY(scene.run({ QStringLiteral("chdir"),
                        elsewhere,
                        QStringLiteral("set-image"),
                        QStringLiteral("/photos") },
                      &lines));
    QCOMPARE(scene.stored(QStringLiteral("folder/last_image_path")).toString(),
             QStringLiteral("/photos"));
    QVERIFY2(!QFile::exists(QDir(elsewhere).filePath(QStringLiteral("Korvex.ini"))),
             "the settings followed the change of directory");
}

void TestSettingsTools::callsBeforeTheSettingsObjectDoNothing()
{
    const Scene scene;
    QVERIFY(scene.isValid());
    QStringList lines;
    QVERIFY(scene.run({ QStringLiteral("early"),
                        QStringLiteral("get-image"),
                        QStringLiteral("get-save"),
                        QStringLiteral("get-language") },
                      &lines,
                      true));
    // No desktop fallback without the object: both folders are empty.
    QCOMPARE(lines,
             QStringList(
               { QStringLiteral("||-1"), scene.desktop(), scene.desktop(), QStringLiteral("-1") }));
    QVERIFY2(!QFile::exists(scene.iniPath()), scene.iniText().constData());
}

void TestSettingsTools::translationFile_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Chinese") << 0 << QStringLiteral(":/language/res/language/chinese.qm");
    QTest::newRow("German") << 2 << QStringLiteral(":/language/res/language/german.qm");
    QTest::newRow("Japanese") << 6 << QStringLiteral(":/language/res/language/japanese.qm");
    QTest::newRow("Korean, the last") << 8 << QStringLiteral(":/language/res/language/korean.qm");
    QTest::newRow("minus one has none") << -1 << QString();
    QTest::newRow("nine has none") << 9 << QString();
    QTest::newRow("twelve has none") << 12 << QString();
}

void TestSettingsTools::translationFile()
{
    QFETCH(int, index);
    QFETCH(QString, expected);
    QCOMPARE(SettingsTools::translationFile(index), expected);
}

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], driverFlag) == 0)
        return runDriver(application.arguments().mid(2));
    TestSettingsTools test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingstools.moc"
