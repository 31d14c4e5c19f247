#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

// The temperature under the pointer: a small box beside it with the reading and, smaller, the
// matrix cell. A child widget of the drawing surface, so that following the pointer repaints
// only the few pixels it leaves and covers, not the photograph and its annotations.
class PointerReadout : public QWidget
{
    Q_OBJECT
public:
    explicit PointerReadout(QWidget* surface);

    // Shows the reading beside pointer, kept inside the surface.
    void showReading(const QString& temperature, const QPoint& cell, const QPoint& pointer);
    QString temperature() const { return temperatureText; }
    QPoint cell() const { return shownCell; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString cellText() const;

    QString temperatureText;
    QPoint shownCell;
};
