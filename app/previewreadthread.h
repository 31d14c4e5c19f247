#pragma once

#include <QImage>
#include <QString>
#include <QThread>

// Reads the preview picture of a photograph file as opening it shows it: the Feature image where
// the file holds one, else the Screen image within its margin. A full read, so it runs off the
// window's thread.
class PreviewReadThread : public QThread
{
    Q_OBJECT
public:
    // Null for an empty path.
    static PreviewReadThread* create(const QString& path);
    bool launch();

    // The preview picture of a photograph's bytes; null when they are not a photograph.
    static QImage previewPicture(const QByteArray& bytes);

signals:
    // A null picture when the file could not be read as a photograph.
    void previewRead(QImage picture);

protected:
    void run() override;

private:
    explicit PreviewReadThread(const QString& path);

    QString path;
};
