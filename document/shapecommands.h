#pragma once

#include <QUndoCommand>
#include <QVector>

#include "document/photographdocument.h"

// Drawing a shape: its redo puts the shape back where it was drawn, its undo takes it away,
// measured or still measuring. A shape whose measurement failed, or that a Clear dropped while
// it was measuring, is no longer there to take: the command then does nothing.
class AddShapeCommand : public QUndoCommand
{
public:
    AddShapeCommand(PhotographDocument* document, quint64 id, int position);

    void redo() override;
    void undo() override;
    // Whether undoing it now would take a shape away.
    bool isEffective() const;

private:
    PhotographDocument* document;
    quint64 id;
    int position;
    PhotographDocument::Entry taken;
    bool holding = false;
};

// Clearing: the measured shapes go, and come back on undo. Shapes still measuring are dropped for
// good, as their results are.
class ClearShapesCommand : public QUndoCommand
{
public:
    explicit ClearShapesCommand(PhotographDocument* document);

    void redo() override;
    void undo() override;

private:
    PhotographDocument* document;
    QVector<PhotographDocument::Entry> taken;
};

// New object parameters for the photograph: undo puts back the ones before.
class ObjectParametersCommand : public QUndoCommand
{
public:
    ObjectParametersCommand(PhotographDocument* document,
                            const ObjectParameters& before,
                            const ObjectParameters& after);

    void redo() override;
    void undo() override;

private:
    PhotographDocument* document;
    ObjectParameters before;
    ObjectParameters after;
};

// A shape's own emissivity and reflection set or taken away; undo puts back what it had.
class ShapeParametersCommand : public QUndoCommand
{
public:
    struct Values
    {
        bool own = false;
        double emissivity = 0.95;
        double reflected = 20;
    };
    ShapeParametersCommand(PhotographDocument* document,
                           quint64 id,
                           const Values& before,
                           const Values& after);

    void redo() override;
    void undo() override;

private:
    PhotographDocument* document;
    quint64 id;
    Values before;
    Values after;
};

// One shape taken away; undo puts it back in its place, and a reference to it with it.
class RemoveShapeCommand : public QUndoCommand
{
public:
    RemoveShapeCommand(PhotographDocument* document, quint64 id);

    void redo() override;
    void undo() override;

private:
    PhotographDocument* document;
    quint64 id;
    int position = -1;
    PhotographDocument::Entry taken;
    MeasurementSettings before;
};

// A shape's name and note changed; undo gives back the ones before.
class ShapeTextCommand : public QUndoCommand
{
public:
    ShapeTextCommand(PhotographDocument* document,
                     quint64 id,
                     const QString& name,
                     const QString& note);

    void redo() override;
    void undo() override;

private:
    void swap();

    PhotographDocument* document;
    quint64 id;
    QString name;
    QString note;
};
