#pragma once

#include <QLabel>
#include <QPointer>

// One line of news about the last command, shown in the free space of a band of the window
// between two of its widgets, so that it needs no room of its own and never covers the
// photograph. It stays until replaced or cleared; a text too long for the space is elided and
// shown whole in the tooltip.
class WindowNotice : public QLabel
{
    Q_OBJECT
public:
    enum Kind
    {
        Success,
        Failure,
    };

    WindowNotice(QWidget* band, QWidget* leftNeighbour, QWidget* rightNeighbour);

    void showNotice(const QString& text, Kind kind);
    void clearNotice();
    QString notice() const { return fullText; }
    Kind kind() const { return shownKind; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    void elide();

    QPointer<QWidget> leftNeighbour;
    QPointer<QWidget> rightNeighbour;
    QString fullText;
    Kind shownKind = Success;
};
