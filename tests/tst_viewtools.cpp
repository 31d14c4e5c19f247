#include "app/viewtools.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QString pointIcon = QStringLiteral(":/icon/res/icon/ic_menu_point.png");
const QString missingIcon = QStringLiteral(":/icon/res/icon/no_such_icon.png");
// A sheet set before the call shows whether the call left the widget alone.
const QString earlierSheet = QStringLiteral("QWidget{color: red}");

enum class LabelOperation
{
    Style,
    Color,
    StyleOnBlack
};

// Buttons and labels parse their sheet at once and warn about a name that is no identifier.
void expectParseWarningFor(const QString& objectName)
{
    if (objectName.contains(QLatin1Char('%')))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Could not parse")));
}

} // namespace

Q_DECLARE_METATYPE(LabelOperation)

// The style sheet templates of ViewTools, compared as whole sheets.
class TestViewTools : public QObject
{
    Q_OBJECT
private slots:
    void background_data();
    void background();
    void labelStyles_data();
    void labelStyles();
    void comboBoxStyle();
    void textButtonStyle_data();
    void textButtonStyle();
    void iconButtons_data();
    void iconButtons();
    void emptyIconPathChangesNothing_data();
    void emptyIconPathChangesNothing();
    void missingIconLeavesNoIcon();
    void nullWidgetsAreIgnored();
    void windowIcons_data();
    void windowIcons();
};

void TestViewTools::background_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("color");
    QTest::addColumn<QString>("expected");

    QTest::newRow("the command bar turns dark gray")
      << QStringLiteral("widget_menu_bar") << QStringLiteral("#404142")
      << QStringLiteral("QWidget#widget_menu_bar{background-color: #404142}");
    QTest::newRow("the window turns black")
      << QStringLiteral("Widget") << QStringLiteral("#000000")
      << QStringLiteral("QWidget#Widget{background-color: #000000}");
    QTest::newRow("an empty colour keeps the earlier sheet")
      << QStringLiteral("content_palette") << QString() << earlierSheet;
    // Filled in one pass, a '%2' in the name would have been replaced by the colour.
    QTest::newRow("a percent sign in the name is kept")
      << QStringLiteral("bar%2") << QStringLiteral("#404142")
      << QStringLiteral("QWidget#bar%2{background-color: #404142}");
}

void TestViewTools::background()
{
    QFETCH(QString, objectName);
    QFETCH(QString, color);
    QFETCH(QString, expected);
    QWidget widget;
    widget.setObjectName(objectName);
    widget.setStyleSheet(earlierSheet);
    ViewTools::setBackground(&widget, color);
    QCOMPARE(widget.styleSheet(), expected);
}

void TestViewTools::labelStyles_data()
{
    QTest::addColumn<LabelOperation>("operation");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<int>("fontSize");
    QTest::addColumn<QString>("color");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("expected");

    const QString white = QStringLiteral("#FFFFFF");
    QTest::newRow("the title text is large and bold")
      << LabelOperation::Style << QStringLiteral("title_text") << 25 << white << true
      << QStringLiteral("QLabel#title_text{font-size: 25px;color: #FFFFFF;font-weight: bold}");
    QTest::newRow("size zero leaves the font size out")
      << LabelOperation::Style << QStringLiteral("title_version") << 0 << white << false
      << QStringLiteral("QLabel#title_version{color: #FFFFFF;font-weight: normal}");
    QTest::newRow("size one is the smallest that is written")
      << LabelOperation::Style << QStringLiteral("palette_max") << 1 << white << false
      << QStringLiteral("QLabel#palette_max{font-size: 1px;color: #FFFFFF;font-weight: normal}");
    QTest::newRow("a negative size leaves the font size out")
      << LabelOperation::Style << QStringLiteral("palette_min") << -3 << white << true
      << QStringLiteral("QLabel#palette_min{color: #FFFFFF;font-weight: bold}");
    QTest::newRow("an empty colour is still written")
      << LabelOperation::Style << QStringLiteral("details_name") << 12 << QString() << false
      << QStringLiteral("QLabel#details_name{font-size: 12px;color: ;font-weight: normal}");
    QTest::newRow("label colour ignores size and weight")
      << LabelOperation::Color << QStringLiteral("title_version") << 40 << white << true
      << QStringLiteral("QLabel#title_version{color: #FFFFFF;font-weight: normal}");
    QTest::newRow("the preview label sits on black")
      << LabelOperation::StyleOnBlack << QStringLiteral("image_label") << 20 << white << true
      << QStringLiteral("QLabel#image_label{font-size: 20px;color: #FFFFFF;font-weight: "
                        "bold;background-color: #000000;}");
    QTest::newRow("on black without a size")
      << LabelOperation::StyleOnBlack << QStringLiteral("image_label") << 0
      << QStringLiteral("#EEEEEE") << false
      << QStringLiteral("QLabel#image_label{color: #EEEEEE;font-weight: normal;background-color: "
                        "#000000;}");
    QTest::newRow("a percent sign in the name is kept")
      << LabelOperation::StyleOnBlack << QStringLiteral("label%3") << 20 << white << false
      << QStringLiteral("QLabel#label%3{font-size: 20px;color: #FFFFFF;font-weight: "
                        "normal;background-color: #000000;}");
}

void TestViewTools::labelStyles()
{
    QFETCH(LabelOperation, operation);
    QFETCH(QString, objectName);
    QFETCH(int, fontSize);
    QFETCH(QString, color);
    QFETCH(bool, bold);
    QFETCH(QString, expected);
    QLabel label;
    label.setObjectName(objectName);
    expectParseWarningFor(objectName);
    switch (operation) {
        case LabelOperation::Style:
            ViewTools::setLabelStyle(&label, fontSize, color, bold);
            break;
        case LabelOperation::Color:
            ViewTools::setLabelColor(&label, color);
            break;
        case LabelOperation::StyleOnBlack:
            ViewTools::setLabelStyleOnBlack(&label, fontSize, color, bold);
            break;
    }
    QCOMPARE(label.styleSheet(), expected);
}

void TestViewTools::comboBoxStyle()
{
    QWidget combo;
    combo.setObjectName(QStringLiteral("title_language"));
    ViewTools::setComboBoxStyle(&combo);
    QCOMPARE(combo.styleSheet(),
             QStringLiteral("QComboBox#title_language{background-color: #000000;color: "
                            "#ffffff;border: 1px solid #ffffff;}"));
}

void TestViewTools::textButtonStyle_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("expected");

    QTest::newRow("the open button in blue")
      << QStringLiteral("menu_open") << true
      << QStringLiteral("QPushButton#menu_open{min-width: 200px;min-height: 32px;border-radius: "
                        "4px;background-color: #0099FF;color: #FFFFFF;font-size: "
                        "14px;}QPushButton#menu_open:hover{background-color: #00AAFF;}");
    QTest::newRow("the save button in gray before a photograph is open")
      << QStringLiteral("menu_save") << false
      << QStringLiteral("QPushButton#menu_save{min-width: 200px;min-height: 32px;border-radius: "
                        "4px;background-color: #EEEEEE;color: #000000;font-size: "
                        "14px;}QPushButton#menu_save:hover{background-color: #E3E3E3;}");
    QTest::newRow("a percent sign in the name is kept")
      << QStringLiteral("menu%8") << true
      << QStringLiteral("QPushButton#menu%8{min-width: 200px;min-height: 32px;border-radius: "
                        "4px;background-color: #0099FF;color: #FFFFFF;font-size: "
                        "14px;}QPushButton#menu%8:hover{background-color: #00AAFF;}");
}

void TestViewTools::textButtonStyle()
{
    QFETCH(QString, objectName);
    QFETCH(bool, enabled);
    QFETCH(QString, expected);
    QPushButton button(QStringLiteral("打开"));
    button.setObjectName(objectName);
    expectParseWarningFor(objectName);
    ViewTools::setTextButtonStyle(&button, enabled);
    QCOMPARE(button.styleSheet(), expected);
    QVERIFY2(button.isEnabled(), "the style must leave the button's enabled state to the caller");
    QCOMPARE(button.text(), QStringLiteral("打开"));
}

void TestViewTools::iconButtons_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<int>("size");
    // -1 for setIconButton, else setToolButton with selected = (column != 0)
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("expected");

    QTest::newRow("the title icon has no border")
      << QStringLiteral("title_icon") << 40 << -1
      << QStringLiteral("QPushButton#title_icon{border:0px}");
    QTest::newRow("a selected tool sits on black")
      << QStringLiteral("menu_point") << 35 << 1
      << QStringLiteral("QPushButton#menu_point{border:0px;background-color: "
                        "#000000;}QPushButton#menu_point:hover{background-color: #000000;}");
    QTest::newRow("an unselected tool only turns black under the mouse")
      << QStringLiteral("menu_point") << 35 << 0
      << QStringLiteral("QPushButton#menu_point{border:0px;}QPushButton#menu_point:hover{"
                        "background-color: #000000;}");
    QTest::newRow("a percent sign in a tool's name is kept")
      << QStringLiteral("menu%2") << 35 << 0
      << QStringLiteral(
           "QPushButton#menu%2{border:0px;}QPushButton#menu%2:hover{background-color: #000000;}");
}

void TestViewTools::iconButtons()
{
    QFETCH(QString, objectName);
    QFETCH(int, size);
    QFETCH(int, selected);
    QFETCH(QString, expected);
    QPushButton button(QStringLiteral("text from the form"));
    button.setObjectName(objectName);
    expectParseWarningFor(objectName);
    if (selected < 0)
        ViewTools::setIconButton(&button, pointIcon, size);
    else
        ViewTools::setToolButton(&button, pointIcon, size, selected != 0);
    QCOMPARE(button.styleSheet(), expected);
    QCOMPARE(button.text(), QString());
    QCOMPARE(button.iconSize(), QSize(size, size));
    QVERIFY2(!button.icon().isNull(), "the icon was not loaded from the resource");
    const QImage shown = button.icon().pixmap(size, size).toImage();
    QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32),
             QImage(pointIcon).convertToFormat(QImage::Format_ARGB32));
}

void TestViewTools::emptyIconPathChangesNothing_data()
{
    QTest::addColumn<bool>("toolButton");
    QTest::newRow("icon button") << false;
    QTest::newRow("tool button") << true;
}

void TestViewTools::emptyIconPathChangesNothing()
{
    QFETCH(bool, toolButton);
    QPushButton button(QStringLiteral("text from the form"));
    button.setObjectName(QStringLiteral("menu_line"));
    button.setStyleSheet(earlierSheet);
    button.setIcon(QIcon(QPixmap(pointIcon)));
    button.setIconSize(QSize(16, 16));
    if (toolButton)
        ViewTools::setToolButton(&button, QString(), 35, true);
    else
        ViewTools::setIconButton(&button, QString(), 35);
    QCOMPARE(button.styleSheet(), earlierSheet);
    QCOMPARE(button.text(), QStringLiteral("text from the form"));
    QVERIFY(!button.icon().isNull());
    QCOMPARE(button.iconSize(), QSize(16, 16));
}

void TestViewTools::missingIconLeavesNoIcon()
{
    QPushButton button(QStringLiteral("text from the form"));
    button.setObjectName(QStringLiteral("menu_oval"));
    button.setIcon(QIcon(QPixmap(pointIcon)));
    ViewTools::setToolButton(&button, missingIcon, 35, false);
    QVERIFY2(button.icon().isNull(), "an icon that cannot be loaded must replace the old one");
    QCOMPARE(button.text(), QString());
    QCOMPARE(button.iconSize(), QSize(35, 35));
}

void TestViewTools::nullWidgetsAreIgnored()
{
    ViewTools::setBackground(nullptr, QStringLiteral("#000000"));
    ViewTools::setLabelStyle(nullptr, 25, QStringLiteral("#FFFFFF"), true);
    ViewTools::setLabelColor(nullptr, QStringLiteral("#FFFFFF"));
    ViewTools::setLabelStyleOnBlack(nullptr, 20, QStringLiteral("#FFFFFF"), true);
    ViewTools::setComboBoxStyle(nullptr);
    ViewTools::setTextButtonStyle(nullptr, true);
    ViewTools::setIconButton(nullptr, pointIcon, 40);
    ViewTools::setToolButton(nullptr, pointIcon, 35, true);
    // None of the calls may dereference the null widget; a crash fails the test.
}

void TestViewTools::windowIcons_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");

    QTest::newRow("title") << QStringLiteral(":/icon/res/icon/ic_title_icon.png") << 40;
    const char* const commands[] = { "point", "line", "rect", "oval", "free", "back", "clear" };
    for (const char* command : commands) {
        QTest::newRow(command)
          << QStringLiteral(":/icon/res/icon/ic_menu_%1.png").arg(QLatin1String(command)) << 35;
    }
}

// Every icon the window asks for is compiled in at the size it is shown, and draws something
// light enough to read on the dark command bar.
void TestViewTools::windowIcons()
{
    QFETCH(QString, path);
    QFETCH(int, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path + QStringLiteral(" is not among the resources")));
    QCOMPARE(image.size(), QSize(size, size));
    int lightPixels = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor color = image.pixelColor(x, y);
            if (color.alpha() > 200 && color.lightness() > 200)
                ++lightPixels;
        }
    }
    QVERIFY2(lightPixels >= 30,
             qPrintable(QStringLiteral("only %1 light pixels").arg(lightPixels)));
}

QTEST_MAIN(TestViewTools)
#include "tst_viewtools.moc"
