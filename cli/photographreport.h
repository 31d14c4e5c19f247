#pragma once

#include "cli/objectoptions.h"

#include <QByteArray>
#include <QStringList>

#include <functional>

// A table of many photographs, one CSV row each, read on several threads.
class PhotographReport
{
public:
    PhotographReport() = delete;

    // The *.jpg files (any letter case) of the folders and the files named, sorted by path. A
    // folder that cannot be listed is among them, so that its failure is reported.
    static QStringList collect(const QStringList& paths, bool recursive);
    // The report of the files in the order given: the same bytes whatever the number of jobs.
    // progress is called on the calling thread with the count done so far. failed counts the
    // files that could not be read. Temperatures are shown with each photograph's object
    // parameters, the values of object in their place.
    static QByteArray csv(const QStringList& files,
                          int unit,
                          int jobs,
                          int* failed = nullptr,
                          const std::function<void(int done, int total)>& progress = {},
                          const ObjectOptions& object = ObjectOptions());
    // A field quoted as RFC 4180 asks where it holds a comma, a quote or a line break; UTF-8,
    // but for file names' bytes that are not, which are written as they are.
    static QByteArray field(const QString& text);
};
