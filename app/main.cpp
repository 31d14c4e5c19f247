#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The main window arrives with the window work; until then the program shows its name.
    QLabel window(QStringLiteral("Korvex V " KORVEX_VERSION));
    window.setAlignment(Qt::AlignCenter);
    window.setMinimumSize(1280, 800);
    window.show();
    return application.exec();
}
