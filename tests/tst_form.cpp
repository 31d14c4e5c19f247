#include "ui_widget.h"

#include <QtTest>

#include <memory>

namespace {

const int largest = QWIDGETSIZE_MAX;

const QStringList languageNames = {
    QStringLiteral("中文"),     QStringLiteral("English"),  QStringLiteral("Deutsch"),
    QStringLiteral("Français"), QStringLiteral("Italiano"), QStringLiteral("Español"),
    QStringLiteral("日本語"),   QStringLiteral("Русский"),  QStringLiteral("한국인"),
};

// The captions and buttons whose texts the translations change, in the order of the rows of
// translatedTexts.
const QStringList translatedObjects = {
    QStringLiteral("menu_open"),       QStringLiteral("menu_save"),   QStringLiteral("label_4"),
    QStringLiteral("label_5"),         QStringLiteral("label_6"),     QStringLiteral("label_8"),
    QStringLiteral("details_feature"), QStringLiteral("label_7"),     QStringLiteral("label_9"),
    QStringLiteral("label_11"),        QStringLiteral("label_13"),    QStringLiteral("label_15"),
    QStringLiteral("label_18"),        QStringLiteral("image_label"),
};

// The open dialog's caption is translated in the same context although the form does not show it.
const char selectFileSource[] = "选择文件";

// So are the window's notices in its title bar, which the form does not show either.
const char* const noticeSources[] = {
    "不是辐射照片：%1",
    "无法打开：%1",
    "已保存 %1",
    "无法保存：原照片 %1 已无法读取",
    "无法保存：原照片 %1 已无法读取（%2）",
    "无法保存：原照片 %1 的数据已损坏",
    "无法保存：无法编码快照",
    "无法保存：无法写入 %1",
    "无法保存：无法写入 %1（%2）",
    "已导出 %1",
    "无法导出：无法写入 %1",
    "无法导出：无法写入 %1（%2）",
    "无法保存：原照片 %1 在打开后已被改动",
    "选区太小，无法测量",
};

QStringList strings(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

QString policyName(QSizePolicy::Policy policy)
{
    return QString::fromLatin1(QMetaEnum::fromType<QSizePolicy::Policy>().valueToKey(policy));
}

QString describe(QLayoutItem* item)
{
    if (QWidget* widget = item->widget())
        return widget->objectName();
    if (QLayout* layout = item->layout())
        return layout->objectName();
    QSpacerItem* spacer = item->spacerItem();
    return QStringLiteral("spacer %1x%2 %3/%4")
      .arg(spacer->sizeHint().width())
      .arg(spacer->sizeHint().height())
      .arg(policyName(spacer->sizePolicy().horizontalPolicy()))
      .arg(policyName(spacer->sizePolicy().verticalPolicy()));
}

QString shownText(const QObject* object)
{
    if (auto label = qobject_cast<const QLabel*>(object))
        return label->text();
    if (auto button = qobject_cast<const QAbstractButton*>(object))
        return button->text();
    return QString();
}

QStringList itemTexts(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

// Records the form-bound slots it receives, to see what setupUi connects and when.
class SlotProbe : public QWidget
{
    Q_OBJECT
public:
    QList<int> languageIndexes;
    int openClicks = 0;

public slots:
    void on_title_language_currentIndexChanged(int index) { languageIndexes << index; }
    void on_menu_open_clicked() { ++openClicks; }
};

} // namespace

class TestForm : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void objectClasses_data();
    void objectClasses();
    void widgetsAreCreatedInTabOrder();
    void windowCannotShrinkBelowItsMinimum();
    void sizeConstraints_data();
    void sizeConstraints();
    void layoutItems_data();
    void layoutItems();
    void layoutMargins_data();
    void layoutMargins();
    void detailsGrid_data();
    void detailsGrid();
    void detailsGridLeavesRowFourEmpty();
    void detailsControlsStartReset();
    void paletteBarLabels();
    void previewLabelShowsPromptOnBlack();
    void drawingSurfaceKeepsItsGeometryOutsideLayouts();
    void comboItems_data();
    void comboItems();
    void sourceTexts_data();
    void sourceTexts();
    void windowTitleIsTheFormName();
    void slotsAreConnectedAfterTheItemsAreAdded();
    void resourcesHoldNineTranslations();
    void translatedTexts_data();
    void translatedTexts();
    void noticeTranslations_data();
    void noticeTranslations();

private:
    QObject* object(const QString& name) const;

    std::unique_ptr<QWidget> window;
    std::unique_ptr<Ui_Widget> ui;
    std::unique_ptr<QTranslator> translator;
};

void TestForm::initTestCase()
{
    // The drawing surface notes its destruction; every test here would repeat it.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

void TestForm::init()
{
    window = std::make_unique<QWidget>();
    ui = std::make_unique<Ui_Widget>();
    ui->setupUi(window.get());
}

void TestForm::cleanup()
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
    ui.reset();
    window.reset();
}

QObject* TestForm::object(const QString& name) const
{
    return name == QLatin1String("Widget") ? window.get() : window->findChild<QObject*>(name);
}

void TestForm::objectClasses_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");

    const auto rows = [](const char* className, std::initializer_list<const char*> names) {
        for (const char* name : names)
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(className);
    };
    rows("QWidget",
         { "widget_title_bar",
           "widget_4",
           "widget_menu_bar",
           "widget_content",
           "content_image",
           "content_palette",
           "content_operation",
           "operation_details",
           "operation_image" });
    rows("QPushButton",
         { "title_icon",
           "menu_open",
           "menu_save",
           "menu_point",
           "menu_line",
           "menu_rect",
           "menu_oval",
           "menu_free",
           "menu_back",
           "menu_clear" });
    rows("QLabel", { "title_text",    "title_version", "palette_max",
                     "palette_image", "palette_min",   "image_label",
                     "label_4",       "label_5",       "label_6",
                     "label_7",       "label_8",       "label_9",
                     "label_11",      "label_13",      "label_15",
                     "label_18",      "details_name",  "details_emissivity",
                     "details_max",   "details_min",   "details_spot",
                     "details_time" });
    rows("QComboBox", { "title_language", "details_palette", "details_unit" });
    rows("QSlider", { "details_blend" });
    rows("QCheckBox", { "details_feature" });
    rows("ImageDrawLabel", { "image_draw" });
    rows("QVBoxLayout",
         { "verticalLayout", "verticalLayout_2", "verticalLayout_3", "verticalLayout_4" });
    rows("QHBoxLayout",
         { "horizontalLayout",
           "horizontalLayout_2",
           "horizontalLayout_3",
           "horizontalLayout_4",
           "horizontalLayout_5",
           "horizontalLayout_6",
           "horizontalLayout_7" });
    rows("QGridLayout", { "gridLayout" });
}

void TestForm::objectClasses()
{
    QFETCH(QString, name);
    QFETCH(QString, className);

    const QList<QObject*> found = window->findChildren<QObject*>(name);
    QCOMPARE(found.size(), 1);
    QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), className);
}

void TestForm::widgetsAreCreatedInTabOrder()
{
    const QStringList creationOrder = strings({
      "widget_title_bar",  "widget_4",        "title_icon",
      "title_text",        "title_language",  "title_version",
      "widget_menu_bar",   "menu_open",       "menu_save",
      "menu_point",        "menu_line",       "menu_rect",
      "menu_oval",         "menu_free",       "menu_back",
      "menu_clear",        "widget_content",  "content_image",
      "image_draw",        "content_palette", "palette_max",
      "palette_image",     "palette_min",     "content_operation",
      "operation_details", "label_6",         "details_emissivity",
      "details_name",      "details_min",     "details_spot",
      "details_time",      "label_7",         "label_18",
      "details_max",       "label_11",        "label_5",
      "label_13",          "label_15",        "details_palette",
      "details_unit",      "label_4",         "details_blend",
      "label_9",           "label_8",         "details_feature",
      "operation_image",   "image_label",
    });

    // A new widget joins the end of its window's focus chain, so the chain is the creation order.
    QStringList chain;
    for (QWidget* widget = window->nextInFocusChain(); widget != window.get();
         widget = widget->nextInFocusChain()) {
        if (creationOrder.contains(widget->objectName()))
            chain << widget->objectName();
    }
    QCOMPARE(chain, creationOrder);
}

void TestForm::windowCannotShrinkBelowItsMinimum()
{
    QCOMPARE(window->objectName(), QStringLiteral("Widget"));
    QCOMPARE(window->size(), QSize(1280, 800));
    QCOMPARE(window->minimumSize(), QSize(1280, 800));
    window->resize(800, 600);
    QCOMPARE(window->size(), QSize(1280, 800));
    window->resize(1600, 700);
    QCOMPARE(window->size(), QSize(1600, 800));
}

void TestForm::sizeConstraints_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("horizontal");
    QTest::addColumn<QString>("vertical");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QSize>("maximum");

    const QString expanding = QStringLiteral("Expanding");
    const QString fixed = QStringLiteral("Fixed");
    const QSize none(0, 0);
    const QSize unbounded(largest, largest);
    QTest::newRow("title bar is 55 high")
      << "widget_title_bar" << expanding << fixed << QSize(0, 55) << QSize(largest, 55);
    QTest::newRow("title icon box") << "widget_4"
                                    << "Preferred" << expanding << none << unbounded;
    QTest::newRow("language combo is at least 120 wide")
      << "title_language"
      << "Minimum" << fixed << QSize(120, 0) << unbounded;
    QTest::newRow("command bar is 55 high")
      << "widget_menu_bar" << expanding << fixed << QSize(0, 55) << QSize(largest, 55);
    QTest::newRow("image area") << "content_image" << expanding << expanding << none << unbounded;
    QTest::newRow("drawing surface") << "image_draw" << expanding << expanding << none << unbounded;
    QTest::newRow("palette column is 90 wide")
      << "content_palette" << fixed << expanding << QSize(90, 0) << QSize(90, largest);
    QTest::newRow("palette top label") << "palette_max" << expanding << fixed << none << unbounded;
    QTest::newRow("palette bar is 35 wide")
      << "palette_image" << fixed << expanding << QSize(35, 0) << QSize(35, largest);
    QTest::newRow("palette bottom label")
      << "palette_min" << expanding << fixed << none << unbounded;
    QTest::newRow("operation panel is at least 280 wide")
      << "content_operation" << fixed << expanding << QSize(280, 0) << unbounded;
    QTest::newRow("details panel")
      << "operation_details" << expanding << expanding << none << unbounded;
    QTest::newRow("feature check box")
      << "details_feature" << expanding << "Preferred" << none << unbounded;
    QTest::newRow("preview box is at least 280 by 373")
      << "operation_image" << expanding << expanding << QSize(280, 373) << unbounded;
    QTest::newRow("preview label") << "image_label" << expanding << expanding << none << unbounded;
}

void TestForm::sizeConstraints()
{
    QFETCH(QString, name);
    QFETCH(QString, horizontal);
    QFETCH(QString, vertical);
    QFETCH(QSize, minimum);
    QFETCH(QSize, maximum);

    auto widget = qobject_cast<QWidget*>(object(name));
    QVERIFY(widget);
    QCOMPARE(policyName(widget->sizePolicy().horizontalPolicy()), horizontal);
    QCOMPARE(policyName(widget->sizePolicy().verticalPolicy()), vertical);
    QCOMPARE(widget->sizePolicy().horizontalStretch(), 0);
    QCOMPARE(widget->sizePolicy().verticalStretch(), 0);
    QCOMPARE(widget->minimumSize(), minimum);
    QCOMPARE(widget->maximumSize(), maximum);
}

void TestForm::layoutItems_data()
{
    QTest::addColumn<QString>("layoutName");
    QTest::addColumn<QString>("owner");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("window stacks the three bands")
      << "verticalLayout"
      << "Widget" << strings({ "widget_title_bar", "widget_menu_bar", "widget_content" });
    QTest::newRow("title bar") << "horizontalLayout_3"
                               << "widget_title_bar"
                               << strings({ "widget_4",
                                            "spacer 1037x20 Expanding/Minimum",
                                            "verticalLayout_2" });
    QTest::newRow("title icon and text") << "horizontalLayout"
                                         << "widget_4" << strings({ "title_icon", "title_text" });
    QTest::newRow("language column pushed up")
      << "verticalLayout_2"
      << "widget_title_bar" << strings({ "horizontalLayout_2", "spacer 20x40 Minimum/Expanding" });
    QTest::newRow("language and version")
      << "horizontalLayout_2"
      << "widget_title_bar" << strings({ "title_language", "title_version" });
    QTest::newRow("command bar") << "horizontalLayout_4"
                                 << "widget_menu_bar"
                                 << strings({ "menu_open",
                                              "menu_save",
                                              "spacer 831x20 Expanding/Minimum",
                                              "menu_point",
                                              "menu_line",
                                              "menu_rect",
                                              "menu_oval",
                                              "menu_free",
                                              "menu_back",
                                              "menu_clear" });
    QTest::newRow("content area") << "horizontalLayout_5"
                                  << "widget_content"
                                  << strings(
                                       { "content_image", "content_palette", "content_operation" });
    QTest::newRow("palette column")
      << "verticalLayout_3"
      << "content_palette" << strings({ "palette_max", "horizontalLayout_6", "palette_min" });
    QTest::newRow("palette bar centred by spacers")
      << "horizontalLayout_6"
      << "content_palette"
      << strings(
           { "spacer 13x20 Expanding/Minimum", "palette_image", "spacer 13x20 Expanding/Minimum" });
    QTest::newRow("operation panel")
      << "verticalLayout_4"
      << "content_operation" << strings({ "operation_details", "operation_image" });
    QTest::newRow("preview box") << "horizontalLayout_7"
                                 << "operation_image" << strings({ "image_label" });
}

void TestForm::layoutItems()
{
    QFETCH(QString, layoutName);
    QFETCH(QString, owner);
    QFETCH(QStringList, items);

    auto layout = qobject_cast<QLayout*>(object(layoutName));
    QVERIFY(layout);
    QCOMPARE(layout->parentWidget()->objectName(), owner);
    QStringList found;
    for (int i = 0; i < layout->count(); ++i)
        found << describe(layout->itemAt(i));
    QCOMPARE(found, items);
    for (int i = 0; i < layout->count(); ++i) {
        if (QWidget* widget = layout->itemAt(i)->widget())
            QCOMPARE(widget->parentWidget()->objectName(), owner);
    }
}

void TestForm::layoutMargins_data()
{
    QTest::addColumn<QString>("layoutName");
    QTest::addColumn<QList<int>>("margins");
    QTest::addColumn<int>("spacing");

    // -1 stands for the style's own margin or spacing.
    QTest::newRow("window has no margins") << "verticalLayout" << QList<int>{ 0, 0, 0, 0 } << -1;
    QTest::newRow("title bar has none above and below")
      << "horizontalLayout_3" << QList<int>{ -1, 0, -1, 0 } << -1;
    QTest::newRow("title icon and text")
      << "horizontalLayout" << QList<int>{ -1, -1, -1, -1 } << -1;
    QTest::newRow("language column starts 5 down")
      << "verticalLayout_2" << QList<int>{ -1, 5, -1, -1 } << -1;
    QTest::newRow("command bar") << "horizontalLayout_4" << QList<int>{ -1, -1, -1, -1 } << -1;
    QTest::newRow("operation panel is tight")
      << "verticalLayout_4" << QList<int>{ 0, 0, 0, 0 } << 0;
    QTest::newRow("details grid indents 9 and 10")
      << "gridLayout" << QList<int>{ 9, -1, 10, -1 } << -1;
    QTest::newRow("preview box has a 5 pixel frame")
      << "horizontalLayout_7" << QList<int>{ 5, 5, 5, 5 } << 0;
}

void TestForm::layoutMargins()
{
    QFETCH(QString, layoutName);
    QFETCH(QList<int>, margins);
    QFETCH(int, spacing);

    auto layout = qobject_cast<QLayout*>(object(layoutName));
    QVERIFY(layout);
    // A layout inside another layout has no margins of its own unless given some.
    const bool nested = layout->parentWidget()->layout() != layout;
    QWidget* owner = layout->parentWidget();
    const auto side = [&](int given, QStyle::PixelMetric metric) {
        if (given >= 0)
            return given;
        return nested ? 0 : owner->style()->pixelMetric(metric, nullptr, owner);
    };
    const QMargins expected(side(margins.at(0), QStyle::PM_LayoutLeftMargin),
                            side(margins.at(1), QStyle::PM_LayoutTopMargin),
                            side(margins.at(2), QStyle::PM_LayoutRightMargin),
                            side(margins.at(3), QStyle::PM_LayoutBottomMargin));
    QCOMPARE(layout->contentsMargins(), expected);
    if (spacing >= 0)
        QCOMPARE(layout->spacing(), spacing);
    else
        QVERIFY2(layout->spacing() > 0, "the style's spacing was replaced");
}

void TestForm::detailsGrid_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("row");

    QTest::newRow("blend") << "label_4"
                           << "details_blend" << 0;
    QTest::newRow("palette") << "label_5"
                             << "details_palette" << 1;
    QTest::newRow("unit") << "label_6"
                          << "details_unit" << 2;
    QTest::newRow("feature") << "label_8"
                             << "details_feature" << 3;
    QTest::newRow("file name") << "label_7"
                               << "details_name" << 5;
    QTest::newRow("emissivity") << "label_9"
                                << "details_emissivity" << 6;
    QTest::newRow("highest") << "label_11"
                             << "details_max" << 7;
    QTest::newRow("lowest") << "label_13"
                            << "details_min" << 8;
    QTest::newRow("centre") << "label_15"
                            << "details_spot" << 9;
    QTest::newRow("capture time") << "label_18"
                                  << "details_time" << 10;
}

void TestForm::detailsGrid()
{
    QFETCH(QString, caption);
    QFETCH(QString, value);
    QFETCH(int, row);

    QGridLayout* grid = ui->gridLayout;
    QCOMPARE(grid->itemAtPosition(row, 0)->widget()->objectName(), caption);
    QCOMPARE(grid->itemAtPosition(row, 1)->widget()->objectName(), value);
    for (const QString& name : { caption, value }) {
        int r = -1, column = -1, rowSpan = 0, columnSpan = 0;
        const int index = grid->indexOf(qobject_cast<QWidget*>(object(name)));
        grid->getItemPosition(index, &r, &column, &rowSpan, &columnSpan);
        QCOMPARE(rowSpan, 1);
        QCOMPARE(columnSpan, 1);
        QCOMPARE(grid->itemAt(index)->alignment(), Qt::Alignment());
    }

    auto captionLabel = qobject_cast<QLabel*>(object(caption));
    QCOMPARE(captionLabel->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    QVERIFY(captionLabel->wordWrap());
    if (auto valueLabel = qobject_cast<QLabel*>(object(value))) {
        QCOMPARE(valueLabel->alignment(), QLabel().alignment());
        QVERIFY(!valueLabel->wordWrap());
    }
}

void TestForm::detailsGridLeavesRowFourEmpty()
{
    QCOMPARE(ui->gridLayout->count(), 20);
    QCOMPARE(ui->gridLayout->rowCount(), 11);
    QVERIFY(!ui->gridLayout->itemAtPosition(4, 0));
    QVERIFY(!ui->gridLayout->itemAtPosition(4, 1));
}

void TestForm::detailsControlsStartReset()
{
    QCOMPARE(ui->details_blend->minimum(), 0);
    QCOMPARE(ui->details_blend->maximum(), 100);
    QCOMPARE(ui->details_blend->value(), 0);
    QCOMPARE(ui->details_blend->orientation(), Qt::Horizontal);

    QVERIFY(ui->details_feature->isChecked());
    QCOMPARE(ui->details_feature->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(ui->details_feature->styleSheet(), QStringLiteral("color: rgb(255, 255, 255);"));
    QCOMPARE(ui->details_feature->iconSize(), QSize(16, 16));

    QCOMPARE(ui->title_language->focusPolicy(), Qt::StrongFocus);
}

void TestForm::paletteBarLabels()
{
    QVERIFY(ui->palette_image->hasScaledContents());
    QCOMPARE(ui->palette_image->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(ui->palette_image->layoutDirection(), Qt::LeftToRight);
    QCOMPARE(ui->palette_max->alignment(), Qt::AlignCenter);
    QCOMPARE(ui->palette_min->alignment(), Qt::AlignCenter);
}

void TestForm::previewLabelShowsPromptOnBlack()
{
    QCOMPARE(ui->image_label->styleSheet(), QStringLiteral("background-color: rgb(0, 0, 0);"));
    QCOMPARE(ui->image_label->alignment(), Qt::AlignCenter);
    QVERIFY(ui->image_label->wordWrap());
    QVERIFY(!ui->image_label->hasScaledContents());

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QImage shot = ui->image_label->grab().toImage();
    QCOMPARE(shot.pixelColor(2, 2), QColor(Qt::black));
    QCOMPARE(shot.pixelColor(shot.width() - 3, shot.height() - 3), QColor(Qt::black));
}

void TestForm::drawingSurfaceKeepsItsGeometryOutsideLayouts()
{
    QCOMPARE(ui->image_draw->parentWidget(), ui->content_image);
    QVERIFY(!ui->content_image->layout());
    QVERIFY(!ui->image_draw->hasScaledContents());
    QVERIFY(ui->image_draw->inherits("QLabel"));

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY2(ui->content_image->width() > 500, "the image area did not take the free width");
    QCOMPARE(ui->image_draw->geometry(), QRect(9, 9, 16, 16));
}

void TestForm::comboItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("languages in their own languages") << "title_language" << languageNames;
    QTest::newRow("palettes by palette code")
      << "details_palette" << strings({ "彩虹", "铁红", "冷色", "白热", "黑热" });
    QTest::newRow("units by unit code")
      << "details_unit" << strings({ "摄氏度℃", "华氏度℉", "开氏度K" });
}

void TestForm::comboItems()
{
    QFETCH(QString, name);
    QFETCH(QStringList, items);

    auto combo = qobject_cast<QComboBox*>(object(name));
    QVERIFY(combo);
    QCOMPARE(itemTexts(combo), items);
    QCOMPARE(combo->currentIndex(), 0);
    QVERIFY(!combo->isEditable());
    for (int i = 0; i < combo->count(); ++i) {
        QVERIFY(combo->itemIcon(i).isNull());
        QVERIFY(!combo->itemData(i, Qt::UserRole).isValid());
    }
}

void TestForm::sourceTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    const QList<QPair<const char*, const char*>> texts = {
        { "title_icon", "" },
        { "title_text", "" },
        { "title_version", "v1.2.6" },
        { "menu_open", "打开" },
        { "menu_save", "保存" },
        { "menu_point", "" },
        { "menu_line", "" },
        { "menu_rect", "" },
        { "menu_oval", "" },
        { "menu_free", "" },
        { "menu_back", "" },
        { "menu_clear", "" },
        { "image_draw", "" },
        { "palette_max", "" },
        { "palette_image", "" },
        { "palette_min", "" },
        { "label_6", "温度单位" },
        { "details_emissivity", "" },
        { "details_name", "" },
        { "details_min", "" },
        { "details_spot", "" },
        { "details_time", "" },
        { "label_7", "文件名" },
        { "label_18", "抓拍时间" },
        { "details_max", "" },
        { "label_11", "最高温" },
        { "label_5", "调色板" },
        { "label_13", "最低温" },
        { "label_15", "中心温" },
        { "label_4", "融合度" },
        { "label_9", "发射率" },
        { "label_8", "温度特征" },
        { "details_feature", "显示/隐藏" },
        { "image_label", "请打开文件" },
    };
    for (const auto& text : texts)
        QTest::newRow(text.first) << QString::fromLatin1(text.first)
                                  << QString::fromUtf8(text.second);
}

void TestForm::sourceTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);

    QObject* target = object(name);
    QVERIFY(target);
    QCOMPARE(shownText(target), text);

    // Retranslation sets every text again, the empty ones included, so that stale values go.
    target->setProperty("text", QStringLiteral("stale"));
    ui->retranslateUi(window.get());
    QCOMPARE(shownText(target), text);
}

void TestForm::windowTitleIsTheFormName()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Widget"));
}

void TestForm::slotsAreConnectedAfterTheItemsAreAdded()
{
    SlotProbe probe;
    Ui_Widget probeUi;
    probeUi.setupUi(&probe);
    QCOMPARE(probe.languageIndexes, QList<int>());

    probeUi.title_language->setCurrentIndex(2);
    probeUi.menu_open->click();
    QCOMPARE(probe.languageIndexes, QList<int>{ 2 });
    QCOMPARE(probe.openClicks, 1);
}

void TestForm::resourcesHoldNineTranslations()
{
    const QStringList files =
      QDir(QStringLiteral(":/language/res/language")).entryList(QDir::Files);
    QCOMPARE(files,
             strings({ "chinese.qm",
                       "english.qm",
                       "french.qm",
                       "german.qm",
                       "italian.qm",
                       "japanese.qm",
                       "korean.qm",
                       "russian.qm",
                       "spanish.qm" }));
}

void TestForm::translatedTexts_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("palettes");
    QTest::addColumn<QStringList>("units");
    QTest::addColumn<QString>("selectFile");

    QTest::newRow("chinese") << "chinese.qm"
                             << strings({ "打开",
                                          "保存",
                                          "融合度",
                                          "调色板",
                                          "温度单位",
                                          "温度特征",
                                          "显示/隐藏",
                                          "文件名",
                                          "发射率",
                                          "最高温",
                                          "最低温",
                                          "中心温",
                                          "抓拍时间",
                                          "请打开文件" })
                             << strings({ "彩虹", "铁红", "冷色", "白热", "黑热" })
                             << strings({ "摄氏度℃", "华氏度℉", "开氏度K" }) << "选择文件";
    QTest::newRow("english") << "english.qm"
                             << strings({ "Open File",
                                          "Save",
                                          "Blend",
                                          "Palette",
                                          "Temperature unit",
                                          "Characteristics",
                                          "Show / Hide",
                                          "File name",
                                          "Emissivity",
                                          "Maximum",
                                          "Minimum",
                                          "Center",
                                          "Capture time",
                                          "Please open the file" })
                             << strings({ "Spectrum", "Iron", "Cool", "White", "Black" })
                             << strings({ "Celsius(℃)", "Fahrenheit（℉）", "Kelvin（K）" })
                             << "Select file";
    QTest::newRow("german") << "german.qm"
                            << strings({ "Datei öffnen",
                                         "Speichern",
                                         "Mischung",
                                         "Palette",
                                         "Temperatureinheit",
                                         "Eigenschaften",
                                         "Ein-/Ausblenden",
                                         "Dateinamen",
                                         "Emissionsgrad",
                                         "Maximal",
                                         "Minimum",
                                         "Center",
                                         "Erfassen Sie die Zeit",
                                         "Bitte öffnen Sie die Datei" })
                            << strings({ "Spektrum", "Eisen", "Cool", "Weiss", "Schwarz" })
                            << strings({ "Celsius (℃)", "Fahrenheit (℉)", "Kelvin (K)" })
                            << "Datei aussuchen";
    QTest::newRow("french") << "french.qm"
                            << strings({ "Fichier ouvert",
                                         "Enregistrer le fichier",
                                         "Mélange",
                                         "Palette",
                                         "Unité de température",
                                         "Caractéristique",
                                         "Afficher / Masquer",
                                         "Nom de fichier",
                                         "Emissivité",
                                         "Maximum",
                                         "Le minimum",
                                         "Centre",
                                         "Temps de capture",
                                         "Veuillez ouvrir le fichier" })
                            << strings({ "Spectre", "Fer", "Cool", "Blanc", "Noir" })
                            << strings({ "Celsius(℃)", "Fahrenheit（℉）", "Kelvin（K）" })
                            << "Choisissez le fichier";
    QTest::newRow("italian") << "italian.qm"
                             << strings({ "Apri il file",
                                          "Salva",
                                          "Miscela",
                                          "Tavolozza",
                                          "Unità di temperatura",
                                          "Caratteristiche",
                                          "Mostra / Nascondi",
                                          "Nome del file",
                                          "Emissività",
                                          "Massimo",
                                          "Minimo",
                                          "Centro",
                                          "Cattura il tempo",
                                          "Si prega di aprire il file" })
                             << strings({ "Spettro", "Ferro", "Freddo", "Bianco", "Nero" })
                             << strings({ "Celsius(℃)", "Fahrenheit（℉）", "Kelvin（K）" })
                             << "Seleziona il file";
    QTest::newRow("spanish") << "spanish.qm"
                             << strings({ "Abrir Archivo",
                                          "Ahorrar",
                                          "Mezcla",
                                          "Paleta",
                                          "Unidad de temperatura",
                                          "Características",
                                          "Mostrar / Ocultar",
                                          "Nombre del archivo",
                                          "emisividad",
                                          "Máximo",
                                          "Mínimo",
                                          "Centro",
                                          "tiempo de captura",
                                          "Por favor abre el archivo" })
                             << strings({ "Espectro", "Hierro", "Fresco", "Blanco", "Negro" })
                             << strings({ "centígrados (℃)", "Fahrenheit（℉）", "Kelvin（K）" })
                             << "Seleccione Archivo";
    QTest::newRow("japanese") << "japanese.qm"
                              << strings({ "ファイルを開く",
                                           "保存",
                                           "ブレンド",
                                           "パレット",
                                           "温度単位",
                                           "温度カーソル",
                                           "表示 / 非表示",
                                           "ファイル名",
                                           "放射率",
                                           "最大",
                                           "最小",
                                           "中心",
                                           "キャプチャ時間",
                                           "ファイルを開いてください" })
                              << strings({ "レインボー", "アイアン", "コールド", "白黒", "黒白" })
                              << strings({ "摂氏 (℃)", "華氏（℉）", "ケルビン（K）" })
                              << "ファイルを選ぶ";
    QTest::newRow("russian") << "russian.qm"
                             << strings({ "Открыть файл",
                                          "Сохранять",
                                          "Смешивать",
                                          "Палитра",
                                          "Единица измерения температуры",
                                          "Характеристики",
                                          "Показать / Скрыть",
                                          "Имя файла",
                                          "Коэффициент излучения",
                                          "Максимум",
                                          "Минимум",
                                          "Центр",
                                          "Захват времени",
                                          "Пожалуйста, откройте файл" })
                             << strings({ "Спектр", "Железо", "классный цвет", "Белый", "черный" })
                             << strings({ "Цельсия (℃)", "Фаренгейты（℉）", "Кельвин (К)" })
                             << "Выберите файл";
    QTest::newRow("korean") << "korean.qm"
                            << strings({ "파일 열기",
                                         "저장하다",
                                         "퓨전",
                                         "색상표",
                                         "온도 단위",
                                         "온도 특성",
                                         "표시/숨기기",
                                         "파일 이름",
                                         "방사율",
                                         "최고온",
                                         "최저온",
                                         "중심온도",
                                         "스냅 타임",
                                         "파일을 열어주세요" })
                            << strings(
                                 { "무지개", "아이언 레드", "차가운 색", "화이트 핫", "블랙 핫" })
                            << strings({ "섭씨(℃)", "화씨(℉)", "켈빈(K)" }) << "파일 선택";
}

void TestForm::translatedTexts()
{
    QFETCH(QString, file);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, palettes);
    QFETCH(QStringList, units);
    QFETCH(QString, selectFile);

    translator = std::make_unique<QTranslator>();
    // Loaded the way the window loads it: the resource path alone.
    QVERIFY2(translator->load(QStringLiteral(":/language/res/language/") + file),
             qPrintable(file + QStringLiteral(" is not among the resources")));
    QVERIFY(QCoreApplication::installTranslator(translator.get()));
    ui->retranslateUi(window.get());

    QCOMPARE(window->windowTitle(), QStringLiteral("Korvex"));
    QStringList shown;
    for (const QString& name : translatedObjects)
        shown << shownText(object(name));
    QCOMPARE(shown, captions);
    QCOMPARE(itemTexts(ui->details_palette), palettes);
    QCOMPARE(itemTexts(ui->details_unit), units);
    QCOMPARE(itemTexts(ui->title_language), languageNames);
    QCOMPARE(ui->title_version->text(), QStringLiteral("v1.2.6"));
    QCOMPARE(QCoreApplication::translate("Widget", selectFileSource), selectFile);
}

void TestForm::noticeTranslations_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("notices");

    QTest::newRow("the English file translates every notice")
      << "english.qm"
      << strings({ "Not a radiometric photograph: %1",
                   "Could not open: %1",
                   "Saved %1",
                   "Could not save: the original photograph %1 can no longer be read",
                   "Could not save: the original photograph %1 can no longer be read (%2)",
                   "Could not save: the data of the original photograph %1 is damaged",
                   "Could not save: the snapshot could not be encoded",
                   "Could not save: %1 could not be written",
                   "Could not save: %1 could not be written (%2)",
                   "Exported %1",
                   "Could not export: %1 could not be written",
                   "Could not export: %1 could not be written (%2)",
                   "Cannot save: %1 has changed since it was opened",
                   "Shape too small to measure" });
    QTest::newRow("the German file translates every notice")
      << "german.qm"
      << strings({ "Keine radiometrische Aufnahme: %1",
                   "Öffnen fehlgeschlagen: %1",
                   "%1 gespeichert",
                   "Speichern fehlgeschlagen: Die Originalaufnahme %1 ist nicht mehr lesbar",
                   "Speichern fehlgeschlagen: Die Originalaufnahme %1 ist nicht mehr lesbar (%2)",
                   "Speichern fehlgeschlagen: Die Daten der Originalaufnahme %1 sind beschädigt",
                   "Speichern fehlgeschlagen: Die Momentaufnahme konnte nicht kodiert werden",
                   "Speichern fehlgeschlagen: %1 konnte nicht geschrieben werden",
                   "Speichern fehlgeschlagen: %1 konnte nicht geschrieben werden (%2)",
                   "%1 exportiert",
                   "Export fehlgeschlagen: %1 konnte nicht geschrieben werden",
                   "Export fehlgeschlagen: %1 konnte nicht geschrieben werden (%2)",
                   "Speichern fehlgeschlagen: %1 wurde seit dem Öffnen geändert",
                   "Auswahl zu klein zum Messen" });
}

void TestForm::noticeTranslations()
{
    QFETCH(QString, file);
    QFETCH(QStringList, notices);

    translator = std::make_unique<QTranslator>();
    QVERIFY2(translator->load(QStringLiteral(":/language/res/language/") + file),
             qPrintable(file + QStringLiteral(" is not among the resources")));
    QVERIFY(QCoreApplication::installTranslator(translator.get()));

    QStringList shown;
    for (const char* source : noticeSources)
        shown << QCoreApplication::translate("Widget", source);
    QCOMPARE(shown, notices);
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
