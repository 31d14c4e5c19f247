#pragma once

#include "document/displaysettings.h"
#include "model/findings.h"
#include "model/imagedrawpath.h"
#include "model/imageentity.h"
#include "model/imagesavethread.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVector>

class BlendScheduler;
class QUndoStack;

// The photograph behind the window: the entity shown, the file it came from, its shapes, each
// with an id that stays its own for the life of the document, the display settings, and the undo
// stack that drawing and clearing go through. It starts the workers that read, render, measure
// and save the photograph, and tells its views what changed. Lives on the GUI thread, the only
// thread that writes the entity.
class PhotographDocument : public QObject
{
    Q_OBJECT
public:
    explicit PhotographDocument(QObject* parent = nullptr);
    // Waits for the saves still writing, so that closing never cuts a save short.
    ~PhotographDocument() override;

    // The photograph shown: the document's own, or one set from outside with setPhotograph().
    ImageEntity* photograph() { return shown; }
    const ImageEntity* photograph() const { return shown; }
    bool isLoaded() const { return shown->loaded; }
    // The path of the photograph shown; empty before the first open.
    QString filePath() const { return path; }
    // The bytes the photograph shown was read from, which a save writes from; empty for a
    // photograph set from outside.
    QByteArray sourceBytes() const { return bytes; }

    // Reads a photograph into the document's own entity on a worker. False, starting nothing,
    // while another read runs or without a path. The photograph shown stays until the new one
    // has been read: then photographReplaced(), else openFailed().
    bool open(const QString& filePath);

    // Shows a photograph kept elsewhere, which must outlive its use here. Its stored shapes
    // replace the document's; the undo stack starts anew. The document's own photograph given
    // back changes nothing.
    void setPhotograph(ImageEntity* photograph);

    // The measured shapes in the order they were drawn.
    const QList<ImageDrawPath>& shapes() const { return measured; }
    quint64 shapeId(int index) const { return measuredIds.value(index); }
    // Shapes drawn whose statistics have not come back.
    int measuringCount() const;
    // Measurement threads started here that are not yet destroyed, those whose result will be
    // dropped included.
    int measurementThreads() const { return threadsAlive; }
    // Starts measuring a drawn shape, given in fractions of a surface of the given size, and
    // returns its id; 0 when no measurement could start. The shape joins shapes() when its
    // statistics come back (shapeMeasured), unless it was undone or cleared meanwhile.
    quint64 drawShape(const ImageDrawPath& shape, int surfaceWidth, int surfaceHeight);
    // Adds a shape already measured, as drawing would.
    void addShape(const ImageDrawPath& shape);
    // The Undo command: the newest shape drawn, measured or not, goes; with none left to take,
    // what the latest Clear took comes back; with nothing on the stack at all, the newest of the
    // shapes the file came with goes.
    void undoShape();
    void clearShapes();
    QUndoStack* undoStack() const { return stack; }

    const DisplaySettings& settings() const { return display; }
    void setSettings(const DisplaySettings& settings);
    void setPalette(int palette);
    void setBlend(int blend);
    void setUnit(int unit);
    void setFeatureVisible(bool visible);
    void setRange(const TemperatureRange& range);
    // A manual range held stays in force on the photographs opened next, which then compare on
    // one scale; a file saved with it held opens holding it.
    void setRangeHeld(bool held);
    bool isRangeHeld() const { return rangeHeld; }
    void setIsotherm(const Isotherm& isotherm);
    // New object parameters for the photograph shown, through the undo stack; every temperature
    // shown is recomputed with them (objectParametersChanged()), the stored ones stay.
    void setObjectParameters(const ObjectParameters& parameters);
    // A measured shape taken away, through the undo stack; false for one that is not there.
    bool removeShape(quint64 id);
    // A measured shape's name and note, as typed, through the undo stack. An empty name gives
    // the shape the next free name of its kind. False for a shape that is not there or nothing
    // to change.
    bool setShapeText(quint64 id, const QString& name, const QString& note);
    // What the measurement table compares the shapes with, and by which criterion.
    void setMeasurementSettings(const MeasurementSettings& settings);
    // A measured shape's own emissivity and reflected temperature, or the photograph's again
    // (own false), through the undo stack; false for a shape that is not there.
    bool setShapeParameters(quint64 id, bool own, double emissivity, double reflected);
    // The settings the photograph's file stores, for a photograph just opened.
    static DisplaySettings storedSettings(const ImageEntity& photograph);

    // Renders the photograph with the palette and blend in force; the newest request wins.
    bool render();

    // Saves the photograph shown with its shapes and settings, the snapshot in front. False when
    // no save could start; else saveFinished() follows.
    bool save(const QString& targetPath, const QImage& snapshot);

    // Measurements are kept for the whole run: a photograph left with shapes drawn, undone or
    // cleared since it was opened or saved keeps them, with their undo history, and has them
    // back when it is opened again.
    // Whether the photograph shown has such changes.
    bool hasUnsavedShapes() const;
    // The files of this run with unsaved changes, the one shown included.
    QStringList unsavedPhotographs() const;
    // Saves every photograph with unsaved changes over its own file, the one shown with the
    // snapshot given, the others pictured by SavedPicture as the window would picture them.
    // Returns how many saves started; each ends in saveFinished(), and one that could not start
    // is counted out.
    int saveAllUnsaved(const QImage& shownSnapshot);

signals:
    void photographReplaced();
    void openFailed();
    void shapesChanged();
    void shapeMeasured(quint64 id);
    void measurementFailed(quint64 id);
    void settingsChanged();
    void objectParametersChanged();
    void pictureRendered(const QImage& image);
    void renderFailed();
    // sourcePath is the photograph as it was when the save began; reason is the system's word
    // for a failure to read or write (ImageSaveThread::errorString()).
    void saveFinished(ImageSaveThread::Outcome outcome,
                      const QString& targetPath,
                      const QString& sourcePath,
                      const QString& reason);

private:
    friend class AddShapeCommand;
    friend class ClearShapesCommand;
    friend class ObjectParametersCommand;
    friend class ShapeParametersCommand;
    friend class RemoveShapeCommand;
    friend class ShapeTextCommand;
    // Sets the fields on the shape with this id; false when it is not there.
    bool applyShapeParameters(quint64 id, bool own, double emissivity, double reflected);
    void applyObjectParameters(const ObjectParameters& parameters);

    // A shape in drawing order; measuring until its statistics come back.
    struct Entry
    {
        quint64 id = 0;
        ImageDrawPath shape;
        bool measuring = false;
    };

    // What a photograph left with unsaved changes keeps until it is shown again or saved.
    struct Kept
    {
        QVector<Entry> entries;
        QUndoStack* stack = nullptr;
        bool changedOffStack = false;
        QByteArray bytes;
        DisplaySettings settings;
    };

    void onParsed(bool succeeded);
    static QString keyOf(const QString& filePath);
    void keepShown();
    // The kept photograph's shapes and stack back in place; its settings as they were left.
    bool takeKept(DisplaySettings& settings);
    bool startSave(bool ofShown,
                   const QString& source,
                   const QByteArray& sourceBytes,
                   const QString& target,
                   const QList<ImageDrawPath>& shapes,
                   ImageEntity* photograph,
                   const DisplaySettings& settings,
                   const QImage& snapshot);
    void onMeasured(quint64 id, const ImageDrawPath& shape);
    void onMeasurementFailed(quint64 id);
    void loadStoredShapes();
    void restartShapes();
    int entryIndex(quint64 id) const;
    void refreshMeasured();
    void pushAdd(const Entry& entry);
    template<typename Value>
    void setSetting(Value DisplaySettings::*field, Value value)
    {
        DisplaySettings changed = display;
        changed.*field = value;
        setSettings(changed);
    }

    ImageEntity own;
    ImageEntity* shown = &own;
    QString path;
    QByteArray bytes;
    // Handed over by the read that has just succeeded, until onParsed() takes them.
    QByteArray readBytes;
    QString requested;
    bool opening = false;
    QVector<Entry> entries;
    // What shapes() hands out: the measured entries, kept in step with them.
    QList<ImageDrawPath> measured;
    QVector<quint64> measuredIds;
    quint64 lastId = 0;
    int threadsAlive = 0;
    QUndoStack* stack = nullptr;
    // A stored shape taken away with nothing on the stack to undo: a change the stack cannot say.
    bool changedOffStack = false;
    QHash<QString, Kept> kept;
    bool rangeHeld = false;
    DisplaySettings display;
    BlendScheduler* blends = nullptr;
    QList<QPointer<ImageSaveThread>> saves;
};
