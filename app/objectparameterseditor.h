#pragma once

#include <QFrame>

class PhotographDocument;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

// The object parameters of the photograph shown, in a small panel that opens under the
// emissivity in the details (a click on it, or Ctrl+E): the emissivity, the reflected
// temperature and the air between camera and object, and the values the camera used. Each value
// edited goes to the document's undo stack and every temperature shown follows at once.
class ObjectParametersEditor : public QFrame
{
    Q_OBJECT
public:
    ObjectParametersEditor(PhotographDocument* document, QWidget* anchor);

    // Opens under the anchor, filled from the document; nothing before a photograph is shown.
    void open();
    void retranslate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill();
    void commit();
    void takeCamerasValues();
    int unit() const;

    PhotographDocument* document;
    QWidget* anchor;
    QDoubleSpinBox* emissivity;
    QDoubleSpinBox* reflected;
    QDoubleSpinBox* distance;
    QDoubleSpinBox* air;
    QDoubleSpinBox* humidity;
    QDoubleSpinBox* cameraReflected;
    QDoubleSpinBox* cameraDistance;
    QLabel* captions[8];
    QPushButton* cameraValues;
};
