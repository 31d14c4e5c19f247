#include "document/photographdocument.h"

#include "document/savedpicture.h"
#include "document/shapecommands.h"
#include "measure/imageregionthread.h"
#include "measure/regionmeasure.h"
#include "model/findings.h"
#include "model/parseimagethread.h"
#include "model/radiometricreader.h"
#include "render/blendscheduler.h"

#include <QDebug>
#include <QFileInfo>
#include <QUndoStack>

#include <algorithm>

PhotographDocument::PhotographDocument(QObject* parent)
  : QObject(parent)
  , stack(new QUndoStack(this))
  , blends(new BlendScheduler(this))
{
    connect(blends, &BlendScheduler::blendFailed, this, &PhotographDocument::renderFailed);
    connect(blends, &BlendScheduler::blendSucceed, this, &PhotographDocument::pictureRendered);
}

PhotographDocument::~PhotographDocument()
{
    // A finished save has queued its deleteLater(); deleting it here takes that event with it.
    for (ImageSaveThread* save : qAsConst(saves)) {
        if (save) {
            save->wait();
            delete save;
        }
    }
}

bool PhotographDocument::open(const QString& filePath)
{
    if (opening || filePath.isEmpty())
        return false;
    requested = filePath;
    ParseImageThread* thread = ParseImageThread::create(filePath, &own);
    if (!thread)
        return false;
    connect(thread, &ParseImageThread::parseFailed, this, [this] { onParsed(false); });
    connect(thread, &ParseImageThread::parseSucceed, this, [this, thread] {
        // The bytes as read, so that a save never depends on the file staying as it was.
        readBytes = thread->sourceBytes();
        onParsed(true);
    });
    opening = true;
    if (!thread->launch()) {
        qDebug() << "解析线程启动失败" << Qt::endl;
        delete thread;
        opening = false;
        return false;
    }
    return true;
}

void PhotographDocument::onParsed(bool succeeded)
{
    opening = false;
    if (!succeeded) {
        emit openFailed();
        return;
    }
    keepShown();
    path = requested;
    bytes = readBytes;
    readBytes.clear();
    // Whatever is still being rendered belongs to the photograph just replaced.
    blends->discard();
    shown = &own;
    DisplaySettings next = display;
    if (!takeKept(next)) {
        loadStoredShapes();
        next = storedSettings(own);
    }
    // A range held to compare photographs stays whatever the next one was shown with.
    const bool hold = rangeHeld && display.range.mode == TemperatureRange::Manual;
    if (!hold) {
        display.range = next.range;
        rangeHeld = next.range.mode == TemperatureRange::Manual && next.range.held;
    }
    display.isotherm = next.isotherm;
    // A photograph kept from earlier in this run comes back with the parameters it was left with.
    display.object = next.object;
    own.setObjectParameters(display.object);
    emit photographReplaced();
}

QString PhotographDocument::keyOf(const QString& filePath)
{
    const QFileInfo file(filePath);
    const QString canonical = file.canonicalFilePath();
    return canonical.isEmpty() ? file.absoluteFilePath() : canonical;
}

void PhotographDocument::keepShown()
{
    if (path.isEmpty() || !hasUnsavedShapes())
        return;
    Kept& keeping = kept[keyOf(path)];
    delete keeping.stack;
    keeping = { entries, stack, changedOffStack, bytes, display };
    stack = new QUndoStack(this);
    entries.clear();
    changedOffStack = false;
    refreshMeasured();
}

bool PhotographDocument::takeKept(DisplaySettings& settings)
{
    const auto found = kept.find(keyOf(path));
    if (found == kept.end())
        return false;
    settings = found->settings;
    delete stack;
    stack = found->stack;
    entries = found->entries;
    changedOffStack = found->changedOffStack;
    kept.erase(found);
    refreshMeasured();
    return true;
}

bool PhotographDocument::hasUnsavedShapes() const
{
    return changedOffStack || !stack->isClean();
}

QStringList PhotographDocument::unsavedPhotographs() const
{
    QStringList files = kept.keys();
    if (!path.isEmpty() && hasUnsavedShapes() && !files.contains(keyOf(path)))
        files.prepend(path);
    return files;
}

void PhotographDocument::setPhotograph(ImageEntity* photograph)
{
    if (!photograph || !photograph->loaded)
        return;
    // The document's own photograph got its shapes when it was read, or back from what was kept
    // of it; loading the stored ones again would throw those away.
    if (photograph == &own && shown == &own)
        return;
    // A photograph kept elsewhere came with no bytes: a save reads its file. The document's own
    // keeps the bytes it was read from.
    if (photograph != &own)
        bytes.clear();
    shown = photograph;
    // Its temperatures are shown as it carries them; a save writes what is shown.
    display.object = photograph->objectParameters();
    loadStoredShapes();
}

void PhotographDocument::loadStoredShapes()
{
    // Nothing drawn on the previous photograph may come back, as a result or by Undo.
    const bool hadShapes = !entries.isEmpty();
    stack->clear();
    changedOffStack = false;
    entries.clear();
    // A file keeps each shape's maximum and minimum but not its mean: that one is measured here,
    // on cells the file's own figures came from. A scan of the cells, cheap beside the read.
    const RegionMeasure cells(*shown);
    for (ImageDrawPath shape : qAsConst(shown->image_drawpaths)) {
        RegionMeasure::Statistics found;
        const PathPoint& start = shape.point(PointRole::Start);
        const PathPoint& end = shape.point(PointRole::End);
        if (cells.statistics(
              shape.kind(), QPointF(start.x, start.y), QPointF(end.x, end.y), found)) {
            shape.mean = found.meanCelsius();
            shape.cells = found.cells;
        }
        entries.append({ ++lastId, shape, false });
    }
    if (hadShapes || !entries.isEmpty())
        refreshMeasured();
}

int PhotographDocument::measuringCount() const
{
    return int(std::count_if(
      entries.cbegin(), entries.cend(), [](const Entry& entry) { return entry.measuring; }));
}

quint64 PhotographDocument::drawShape(const ImageDrawPath& shape,
                                      int surfaceWidth,
                                      int surfaceHeight)
{
    // Nothing is measured before a photograph has been shown.
    ImageRegionThread* thread = ImageRegionThread::create(
      shown->loaded ? shown : nullptr, shape, surfaceWidth, surfaceHeight);
    if (!thread)
        return 0;
    const quint64 id = ++lastId;
    connect(
      thread, &ImageRegionThread::regionFailed, this, [this, id] { onMeasurementFailed(id); });
    connect(thread, &ImageRegionThread::regionSucceed, this, [this, id](ImageDrawPath measured) {
        onMeasured(id, measured);
    });
    ++threadsAlive;
    connect(thread, &QObject::destroyed, this, [this] { --threadsAlive; });
    if (!thread->launch()) {
        delete thread;
        return 0;
    }
    pushAdd({ id, shape, true });
    return id;
}

void PhotographDocument::addShape(const ImageDrawPath& shape)
{
    pushAdd({ ++lastId, shape, false });
}

void PhotographDocument::pushAdd(const Entry& entry)
{
    entries.append(entry);
    stack->push(new AddShapeCommand(this, entry.id, entries.size() - 1));
    if (!entry.measuring)
        refreshMeasured();
}

void PhotographDocument::onMeasured(quint64 id, const ImageDrawPath& shape)
{
    // A shape undone or cleared has no entry any more.
    const int index = entryIndex(id);
    if (index >= 0 && entries.at(index).measuring) {
        entries[index].shape = shape;
        entries[index].measuring = false;
        refreshMeasured();
    } else {
        // One drawn on a photograph left before its figures came is kept with that photograph.
        for (Kept& keeping : kept) {
            for (Entry& entry : keeping.entries) {
                if (entry.id == id && entry.measuring) {
                    entry.shape = shape;
                    entry.measuring = false;
                }
            }
        }
    }
    emit shapeMeasured(id);
}

void PhotographDocument::onMeasurementFailed(quint64 id)
{
    const int index = entryIndex(id);
    if (index >= 0 && entries.at(index).measuring)
        entries.remove(index);
    for (Kept& keeping : kept) {
        keeping.entries.erase(std::remove_if(keeping.entries.begin(),
                                             keeping.entries.end(),
                                             [id](const Entry& e) { return e.id == id; }),
                              keeping.entries.end());
    }
    emit measurementFailed(id);
}

void PhotographDocument::undoShape()
{
    while (stack->canUndo()) {
        const auto* command = stack->command(stack->index() - 1);
        const auto* add = dynamic_cast<const AddShapeCommand*>(command);
        const bool effective = !add || add->isEffective();
        stack->undo();
        if (effective)
            return;
    }
    // The shapes the photograph came with are where the document starts, not edits to undo:
    // taking one away is a change of that start, which nothing on the stack could undo any more.
    if (entries.isEmpty())
        return;
    entries.removeLast();
    stack->clear();
    changedOffStack = true;
    refreshMeasured();
}

void PhotographDocument::clearShapes()
{
    if (measured.isEmpty()) {
        // Shapes still measuring go all the same; there is nothing for Undo to bring back.
        if (!entries.isEmpty())
            entries.clear();
        return;
    }
    stack->push(new ClearShapesCommand(this));
}

int PhotographDocument::entryIndex(quint64 id) const
{
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).id == id)
            return i;
    }
    return -1;
}

void PhotographDocument::refreshMeasured()
{
    measured.clear();
    measuredIds.clear();
    QVector<int> places;
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).measuring)
            continue;
        measured.append(entries.at(i).shape);
        measuredIds.append(entries.at(i).id);
        places.append(i);
    }
    // A shape measured for the first time takes the next free name of its kind and keeps it, so
    // that undoing and redoing it, or taking others away, never renames it.
    ShapeNames::assign(measured);
    for (int k = 0; k < places.size(); ++k)
        entries[places[k]].shape.name = measured.at(k).name;
    emit shapesChanged();
}

bool PhotographDocument::removeShape(quint64 id)
{
    const int index = entryIndex(id);
    if (index < 0 || entries.at(index).measuring)
        return false;
    stack->push(new RemoveShapeCommand(this, id));
    return true;
}

bool PhotographDocument::setShapeText(quint64 id, const QString& name, const QString& note)
{
    const int index = entryIndex(id);
    if (index < 0 || entries.at(index).measuring)
        return false;
    const ImageDrawPath& shape = entries.at(index).shape;
    const QString cleanName = ShapeNames::cleanName(name);
    const QString cleanNote = ShapeNames::cleanNote(note);
    if (cleanName == shape.name && cleanNote == shape.note)
        return false;
    stack->push(new ShapeTextCommand(this, id, cleanName, cleanNote));
    return true;
}

void PhotographDocument::setMeasurementSettings(const MeasurementSettings& settings)
{
    if (!shown->loaded || settings == shown->measurement)
        return;
    shown->measurement = settings;
    // Kept apart from the shapes' edits: it changes what the figures are compared with, and a
    // photograph left with it changed is saved with it.
    changedOffStack = true;
    emit shapesChanged();
}

void PhotographDocument::setSettings(const DisplaySettings& settings)
{
    if (settings == display)
        return;
    display = settings;
    emit settingsChanged();
}

void PhotographDocument::setPalette(int palette)
{
    setSetting(&DisplaySettings::palette, palette);
}

void PhotographDocument::setBlend(int blend)
{
    setSetting(&DisplaySettings::blend, blend);
}

void PhotographDocument::setUnit(int unit)
{
    setSetting(&DisplaySettings::unit, unit);
}

void PhotographDocument::setFeatureVisible(bool visible)
{
    setSetting(&DisplaySettings::featureVisible, visible);
}

void PhotographDocument::setRange(const TemperatureRange& range)
{
    setSetting(&DisplaySettings::range, range);
}

void PhotographDocument::setRangeHeld(bool held)
{
    if (held == rangeHeld)
        return;
    rangeHeld = held;
    emit settingsChanged();
}

void PhotographDocument::setIsotherm(const Isotherm& isotherm)
{
    setSetting(&DisplaySettings::isotherm, isotherm);
}

void PhotographDocument::setObjectParameters(const ObjectParameters& parameters)
{
    if (parameters == display.object || !parameters.isValid() || !shown->loaded)
        return;
    stack->push(new ObjectParametersCommand(this, display.object, parameters));
}

bool PhotographDocument::setShapeParameters(quint64 id,
                                            bool own,
                                            double emissivity,
                                            double reflected)
{
    const int index = entryIndex(id);
    if (index < 0 || entries.at(index).measuring)
        return false;
    if (own && !(emissivity >= ObjectParameters::lowestEmissivity && emissivity <= 1 &&
                 reflected > -273.15 && reflected <= 2000))
        return false;
    const ImageDrawPath& shape = entries.at(index).shape;
    const ShapeParametersCommand::Values before{ shape.ownParameters,
                                                 shape.emissivity,
                                                 shape.reflected };
    const ShapeParametersCommand::Values after{ own, emissivity, reflected };
    stack->push(new ShapeParametersCommand(this, id, before, after));
    return true;
}

bool PhotographDocument::applyShapeParameters(quint64 id,
                                              bool own,
                                              double emissivity,
                                              double reflected)
{
    const int index = entryIndex(id);
    if (index < 0)
        return false;
    ImageDrawPath& shape = entries[index].shape;
    shape.ownParameters = own;
    shape.emissivity = emissivity;
    shape.reflected = reflected;
    refreshMeasured();
    return true;
}

void PhotographDocument::applyObjectParameters(const ObjectParameters& parameters)
{
    display.object = parameters;
    shown->setObjectParameters(parameters);
    emit objectParametersChanged();
    emit settingsChanged();
}

DisplaySettings PhotographDocument::storedSettings(const ImageEntity& photograph)
{
    const ImageDetails& details = photograph.details;
    DisplaySettings settings;
    // Codes the choices do not know show as the first choice.
    const bool knownPalette = details.palette >= int(PaletteIndex::Spectrum) &&
                              details.palette <= int(PaletteIndex::BlackHot);
    settings.palette = knownPalette ? details.palette : int(PaletteIndex::Spectrum);
    settings.blend = qBound(0, details.blend, 100);
    const bool knownUnit =
      details.unit >= int(TemperatureUnit::Celsius) && details.unit <= int(TemperatureUnit::Kelvin);
    settings.unit = knownUnit ? details.unit : int(TemperatureUnit::Celsius);
    settings.featureVisible = details.featureShown;
    settings.range =
      TemperatureRange::fromJson(photograph.extension.value(QStringLiteral("range")));
    settings.isotherm = Isotherm::fromJson(photograph.extension.value(QStringLiteral("isotherm")));
    settings.object = photograph.objectParameters();
    return settings;
}

bool PhotographDocument::render()
{
    if (!shown->loaded)
        return false;
    // A request the blend thread refuses starts nothing and logs nothing.
    return blends->request(shown,
                           unsigned(display.palette),
                           float(display.blend) / 100.0f,
                           display.range,
                           display.isotherm);
}

bool PhotographDocument::save(const QString& targetPath, const QImage& snapshot)
{
    if (path.isEmpty() || !shown->loaded)
        return false;
    return startSave(true, path, bytes, targetPath, measured, shown, display, snapshot);
}

bool PhotographDocument::startSave(bool ofShown,
                                   const QString& source,
                                   const QByteArray& sourceBytes,
                                   const QString& target,
                                   const QList<ImageDrawPath>& shapes,
                                   ImageEntity* photograph,
                                   const DisplaySettings& settings,
                                   const QImage& snapshot)
{
    // The range and isotherm go into Korvex's block, beside the keys the file came with.
    ImageEntity saved = *photograph;
    TemperatureRange range = settings.range;
    range.held = rangeHeld && range.mode == TemperatureRange::Manual;
    saved.extension.insert(QStringLiteral("range"), range.toJson());
    saved.extension.insert(QStringLiteral("isotherm"), settings.isotherm.toJson());
    // Only parameters the user changed are kept; the camera's are in the file already.
    if (settings.object == ObjectParameters::ofCamera(saved.details.emissivity))
        saved.extension.remove(QStringLiteral("object"));
    else
        saved.extension.insert(QStringLiteral("object"), settings.object.toJson());
    saved.setObjectParameters(settings.object);
    const QJsonArray ownParameters = ObjectParameters::shapesToJson(shapes);
    if (ownParameters.isEmpty())
        saved.extension.remove(QStringLiteral("shape_parameters"));
    else
        saved.extension.insert(QStringLiteral("shape_parameters"), ownParameters);
    // Names, notes, the reference and the criterion, keyed to the shapes as the file orders them.
    MeasurementSettings::store(saved.extension, saved.measurement, shapes);
    photograph = &saved;
    ImageSaveThread* thread = sourceBytes.isEmpty()
                                ? ImageSaveThread::create(source,
                                                          target,
                                                          shapes,
                                                          photograph,
                                                          settings.palette,
                                                          settings.unit,
                                                          settings.blend,
                                                          settings.featureVisible,
                                                          snapshot)
                                : ImageSaveThread::create(source,
                                                          sourceBytes,
                                                          target,
                                                          shapes,
                                                          photograph,
                                                          settings.palette,
                                                          settings.unit,
                                                          settings.blend,
                                                          settings.featureVisible,
                                                          snapshot);
    if (!thread)
        return false;
    // What is saved is the state at this moment; a change made while the save runs stays unsaved.
    QPointer<QUndoStack> savedStack = ofShown ? stack : nullptr;
    const int savedIndex = stack->index();
    const bool savedOffStack = changedOffStack;
    connect(thread,
            &ImageSaveThread::saveFinished,
            this,
            [=](ImageSaveThread::Outcome outcome, const QString& reason) {
                if (outcome == ImageSaveThread::Saved) {
                    if (savedStack && savedStack == stack && stack->index() == savedIndex &&
                        changedOffStack == savedOffStack) {
                        stack->setClean();
                        changedOffStack = false;
                    }
                    if (!savedStack) {
                        const auto found = kept.find(keyOf(source));
                        if (found != kept.end()) {
                            delete found->stack;
                            kept.erase(found);
                        }
                    }
                }
                emit saveFinished(outcome, target, source, reason);
            });
    if (!thread->launch()) {
        delete thread;
        return false;
    }
    saves.removeAll(nullptr);
    saves.append(thread);
    return true;
}

int PhotographDocument::saveAllUnsaved(const QImage& shownSnapshot)
{
    int started = 0;
    if (hasUnsavedShapes() && save(path, shownSnapshot))
        ++started;
    const QStringList others = kept.keys();
    for (const QString& source : others) {
        const Kept& keeping = kept.value(source);
        ImageEntity photograph;
        if (!RadiometricReader::read(keeping.bytes, photograph))
            continue;
        QList<ImageDrawPath> shapes;
        for (const Entry& entry : keeping.entries) {
            if (!entry.measuring)
                shapes.append(entry.shape);
        }
        const DisplaySettings& settings = keeping.settings;
        photograph.setObjectParameters(settings.object);
        const QImage picture = SavedPicture::render(photograph, shapes, settings);
        if (startSave(
              false, source, keeping.bytes, source, shapes, &photograph, keeping.settings, picture))
            ++started;
    }
    return started;
}
