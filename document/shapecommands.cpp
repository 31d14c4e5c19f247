#include "document/shapecommands.h"

#include <QCoreApplication>

AddShapeCommand::AddShapeCommand(PhotographDocument* document, quint64 id, int position)
  : document(document)
  , id(id)
  , position(position)
{
}

void AddShapeCommand::redo()
{
    // The first redo comes from the push, when the document has already placed the shape.
    if (!holding)
        return;
    holding = false;
    document->entries.insert(qBound(0, position, document->entries.size()), taken);
    document->refreshMeasured();
}

void AddShapeCommand::undo()
{
    const int index = document->entryIndex(id);
    if (index < 0)
        return;
    position = index;
    taken = document->entries.takeAt(index);
    holding = true;
    if (!taken.measuring)
        document->refreshMeasured();
}

bool AddShapeCommand::isEffective() const
{
    return document->entryIndex(id) >= 0;
}

ClearShapesCommand::ClearShapesCommand(PhotographDocument* document)
  : document(document)
{
}

void ClearShapesCommand::redo()
{
    taken.clear();
    for (const PhotographDocument::Entry& entry : qAsConst(document->entries)) {
        if (!entry.measuring)
            taken.append(entry);
    }
    document->entries.clear();
    document->refreshMeasured();
}

void ClearShapesCommand::undo()
{
    document->entries = taken + document->entries;
    taken.clear();
    document->refreshMeasured();
}

ObjectParametersCommand::ObjectParametersCommand(PhotographDocument* document,
                                                 const ObjectParameters& before,
                                                 const ObjectParameters& after)
  : document(document)
  , before(before)
  , after(after)
{
}

void ObjectParametersCommand::redo()
{
    document->applyObjectParameters(after);
}

void ObjectParametersCommand::undo()
{
    document->applyObjectParameters(before);
}

ShapeParametersCommand::ShapeParametersCommand(PhotographDocument* document,
                                               quint64 id,
                                               const Values& before,
                                               const Values& after)
  : document(document)
  , id(id)
  , before(before)
  , after(after)
{
}

void ShapeParametersCommand::redo()
{
    document->applyShapeParameters(id, after.own, after.emissivity, after.reflected);
}

void ShapeParametersCommand::undo()
{
    document->applyShapeParameters(id, before.own, before.emissivity, before.reflected);
}

RemoveShapeCommand::RemoveShapeCommand(PhotographDocument* document, quint64 id)
  : document(document)
  , id(id)
{
}

void RemoveShapeCommand::redo()
{
    position = document->entryIndex(id);
    if (position < 0)
        return;
    const int place = document->measuredIds.indexOf(id);
    before = document->shown->measurement;
    if (place >= 0)
        document->shown->measurement.shapeRemoved(place);
    taken = document->entries.takeAt(position);
    document->refreshMeasured();
}

void RemoveShapeCommand::undo()
{
    if (position < 0)
        return;
    document->entries.insert(qBound(0, position, document->entries.size()), taken);
    document->shown->measurement = before;
    document->refreshMeasured();
}

ShapeTextCommand::ShapeTextCommand(PhotographDocument* document,
                                   quint64 id,
                                   const QString& name,
                                   const QString& note)
  : document(document)
  , id(id)
  , name(name)
  , note(note)
{
}

void ShapeTextCommand::redo()
{
    swap();
}

void ShapeTextCommand::undo()
{
    swap();
}

void ShapeTextCommand::swap()
{
    const int index = document->entryIndex(id);
    if (index < 0)
        return;
    ImageDrawPath& shape = document->entries[index].shape;
    std::swap(shape.name, name);
    std::swap(shape.note, note);
    document->refreshMeasured();
}
