#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QMimeData;

// Finding photographs on disk: which files count as one, the order in which a folder is stepped
// through, and which file a drop names.
class PhotographFiles : public QObject
{
    Q_OBJECT
public:
    PhotographFiles() = delete;

    // By name alone: a .jpg or .jpeg file, in any letter case.
    static bool isPhotographName(const QString& path);
    // Names compared as people read them: runs of digits by their value, so IMG_9 comes before
    // IMG_10; letters without regard to case; the shorter spelling, then the code order, breaks
    // ties.
    static bool naturalLess(const QString& left, const QString& right);
    // The photographs of a folder as full paths, in natural order.
    static QStringList folderPhotographs(const QString& folder);
    // The photograph step places after or before path in its folder (1 next, -1 previous),
    // wrapping at the ends; path itself need not be there any more. Empty when the folder holds
    // no other photograph.
    static QString neighbour(const QString& path, int step);
    // The first local photograph among the dropped files; empty when there is none.
    static QString droppedPhotograph(const QMimeData* data);
    // Where the save dialog starts: the last save folder, a name from the time now.
    static QString saveStart();
};
