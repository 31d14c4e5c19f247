#pragma once

#include <QObject>
#include <QString>

class QLabel;

// Shows a text in a label elided in the middle to the width its layout gives the label, and whole
// in the label's tooltip, so that a long text never widens the layout: the label stops asking the
// layout for the text's width.
class LabelElider : public QObject
{
    Q_OBJECT
public:
    explicit LabelElider(QLabel* label);

    void setText(const QString& text);
    QString text() const { return fullText; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void elide();

    QLabel* label;
    QString fullText;
};
