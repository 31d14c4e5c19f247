#pragma once

#include <QObject>

// The border of the decoded Screen JPEG, in its pixels.
class ImageMargin : public QObject
{
    Q_OBJECT
public:
    explicit ImageMargin(QObject* parent = nullptr);
    ImageMargin(const ImageMargin& other);
    ImageMargin& operator=(const ImageMargin& other);

    quint16 top = 0;
    quint16 right = 0;
    quint16 bottom = 0;
    quint16 left = 0;
};
