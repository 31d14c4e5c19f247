#pragma once

#include <QFileInfo>
#include <QLabel>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

// Answers the next file dialog from inside its event loop, as a user would.
class DialogAnswer : public QObject
{
public:
    // An empty path cancels the dialog.
    explicit DialogAnswer(const QString& path);

    bool answered = false;
    QString directory;
    QString caption;
    QString proposed;
    QStringList filters;

private:
    void poll();

    QString path;
    QTimer timer;
};

template<typename T>
T* child(QWidget& window, const char* name)
{
    return window.findChild<T*>(QLatin1String(name));
}

QString writeFile(const QString& path, const QByteArray& bytes);
// The label's picture; the accessor changed its signature between Qt versions.
QPixmap shownPixmap(const QLabel* label);
void drag(QWidget* surface, const QPoint& from, const QPoint& to);
// Opens a photograph through the window's open command and waits for its parse and first blend;
// false when the dialog never came or the photograph did not show.
bool openThroughDialog(QWidget& window, const QString& path);
