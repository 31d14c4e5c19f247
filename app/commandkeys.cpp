#include "app/commandkeys.h"

#include "ui_widget.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QShortcut>

namespace {

struct CommandKey
{
    QPushButton* Ui_Widget::*button;
    const char* keys;
    const char* name;
};

const CommandKey commandKeys[] = {
    { &Ui_Widget::menu_open, "Ctrl+O", QT_TRANSLATE_NOOP("Widget", "打开照片") },
    { &Ui_Widget::menu_save, "Ctrl+S", QT_TRANSLATE_NOOP("Widget", "保存带标注的照片") },
    { &Ui_Widget::menu_point, "P", QT_TRANSLATE_NOOP("Widget", "点测温") },
    { &Ui_Widget::menu_line, "L", QT_TRANSLATE_NOOP("Widget", "线测温") },
    { &Ui_Widget::menu_rect, "R", QT_TRANSLATE_NOOP("Widget", "矩形测温") },
    { &Ui_Widget::menu_oval, "O", QT_TRANSLATE_NOOP("Widget", "椭圆测温") },
    { &Ui_Widget::menu_back, "Ctrl+Z", QT_TRANSLATE_NOOP("Widget", "撤销上一个测量") },
    { &Ui_Widget::menu_clear, "Ctrl+Shift+Del", QT_TRANSLATE_NOOP("Widget", "清除所有测量") },
};

} // namespace

void CommandKeys::install(QWidget* window, Ui_Widget* ui)
{
    for (const CommandKey& command : commandKeys) {
        auto* shortcut = new QShortcut(QKeySequence(QLatin1String(command.keys)), window);
        // click() does nothing for a disabled button: no save before a photograph, no open
        // while a parse runs.
        QObject::connect(shortcut, &QShortcut::activated, ui->*command.button, &QPushButton::click);
    }
    refreshToolTips(ui);
}

void CommandKeys::add(QWidget* parent, const char* keys, const std::function<void()>& action)
{
    auto* shortcut = new QShortcut(QKeySequence(QLatin1String(keys)), parent);
    if (!parent->isWindow())
        shortcut->setContext(Qt::WidgetShortcut);
    QObject::connect(shortcut, &QShortcut::activated, parent, action);
}

void CommandKeys::refreshToolTips(Ui_Widget* ui)
{
    for (const CommandKey& command : commandKeys) {
        const QString keys =
          QKeySequence(QLatin1String(command.keys)).toString(QKeySequence::NativeText);
        (ui->*command.button)
          ->setToolTip(QStringLiteral("%1 (%2)").arg(
            QCoreApplication::translate("Widget", command.name), keys));
    }
}
