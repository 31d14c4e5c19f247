#pragma once

#include "model/imagedrawpath.h"
#include "model/imageentity.h"
#include "model/radiometricwriter.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QThread>

class QSaveFile;

// Writes an annotated copy of a photograph: a JPEG of the annotated picture, then the
// source's Screen and Camera JPEGs, matrices and device information with the display settings
// patched in, then the shapes, the feature setting and the extension block (RadiometricWriter
// builds the bytes). The target is replaced only once all of it has been written, so a failed
// save leaves an existing file, even the source itself, untouched.
//
// Given the source's bytes as they were read when the photograph was opened, a save never reads
// the disk: the photograph can still be saved after its file was changed, moved or removed. Given
// only the source path, the file is read again and must still be the photograph.
//
// The source must still be the photograph the entity was read from: a file that the reader would
// refuse, or whose pictures, matrices or device block differ from the entity's, is not saved.
// A photograph with its Screen image alone is written without the snapshot in front: two
// pictures would read back as a Screen and a Camera image, the snapshot taking the thermal
// picture's place. Its Screen image stays the first picture, with the shapes behind it.
class ImageSaveThread : public QThread
{
    Q_OBJECT
public:
    enum Outcome
    {
        Saved,
        SourceUnreadable,
        SourceInvalid,
        // The file at the source path is no longer the photograph the entity was read from.
        SourceChanged,
        SnapshotUnencodable,
        TargetUnwritable,
    };
    Q_ENUM(Outcome)

    static ImageSaveThread* create(const QString& sourcePath,
                                   const QString& targetPath,
                                   const QList<ImageDrawPath>& shapes,
                                   ImageEntity* entity,
                                   int palette,
                                   int unit,
                                   int blend,
                                   bool feature,
                                   const QPixmap& snapshot);
    static ImageSaveThread* create(const QString& sourcePath,
                                   const QString& targetPath,
                                   const QList<ImageDrawPath>& shapes,
                                   ImageEntity* entity,
                                   int palette,
                                   int unit,
                                   int blend,
                                   bool feature,
                                   const QImage& snapshot);
    // sourcePath only names the source in the debug lines; sourceBytes are checked against the
    // entity as a file read at sourcePath would be.
    static ImageSaveThread* create(const QString& sourcePath,
                                   const QByteArray& sourceBytes,
                                   const QString& targetPath,
                                   const QList<ImageDrawPath>& shapes,
                                   ImageEntity* entity,
                                   int palette,
                                   int unit,
                                   int blend,
                                   bool feature,
                                   const QImage& snapshot);
    ~ImageSaveThread() override;

    // True once started; create() has refused what could not be saved.
    bool launch();
    // The whole save on the calling thread; run() does nothing else but report it. True once the
    // target holds the new file.
    bool save();
    Outcome outcome() const { return result; }
    // The reason the system gave for a failure to read the source or write the target; empty
    // when the outcome is not the system's doing.
    QString errorString() const { return reason; }
    QString targetFilePath() const { return targetPath; }

    // The stored blend code, one of 100, 75, 50, 25, 0: the nearest to 100 minus the slider value.
    static int blendCodeFor(int blend);
    // The shape block between its tags: the length field, then points, lines, rectangles, ovals.
    static QByteArray shapePayload(const QList<ImageDrawPath>& shapes);

signals:
    // From the worker thread, once the save has ended either way; reason as errorString().
    void saveFinished(ImageSaveThread::Outcome outcome, const QString& reason);

protected:
    void run() override;

private:
    ImageSaveThread() = default;
    bool readSource(QByteArray& bytes);
    bool takeSource(QByteArray& bytes);
    bool encodeSnapshot(QByteArray& jpeg) const;
    bool writeTarget(QSaveFile& file, const QList<QByteArray>& pieces);
    bool fail(Outcome outcome, const QString& why = QString());

    ImageEntity entity;
    QString sourcePath;
    QString targetPath;
    // Null when the source is to be read from sourcePath.
    QByteArray sourceBytes;
    bool sourceGiven = false;
    QList<ImageDrawPath> shapes;
    RadiometricWriter::Settings settings;
    // Taken as an image on the creating thread: pixmaps belong to the GUI thread.
    QImage snapshot;
    Outcome result = Saved;
    QString reason;
};
