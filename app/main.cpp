#include "widget.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(KORVEX_VERSION));
    Widget window;
    window.show();
    return application.exec();
}
