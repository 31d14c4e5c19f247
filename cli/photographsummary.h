#pragma once

#include "cli/objectoptions.h"
#include "model/imageentity.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// What one photograph file holds, read for the command line: the reader's entity and figures
// worked out from its temperature matrix. Reading leaves the JPEG images undecoded unless asked.
// Every temperature given is shown as the window shows it: through the object parameters of the
// file, or those typed in their place.
class PhotographSummary
{
public:
    enum class Images
    {
        Skip,
        Decode,
    };

    static PhotographSummary read(const QString& path,
                                  Images images = Images::Skip,
                                  const ObjectOptions& object = ObjectOptions());

    QString file;
    bool ok = false;
    // Why the file could not be read, in plain English; empty when ok.
    QString error;
    ImageEntity entity;
    int jpegs = 0;
    // The matrix's own extremes and mean in ℃, over the cells that have a temperature; valid only
    // when hasMatrix, which also needs one such cell.
    bool hasMatrix = false;
    float matrixMax = 0;
    float matrixMin = 0;
    float matrixMean = 0;

    QJsonObject json() const;
    QString text() const;

private:
    // The photograph with a shape's own emissivity in force, or the photograph itself; valid
    // until the next call.
    const ImageEntity& shownFor(const ImageDrawPath& shape) const;
    mutable ImageEntity ownView;
};
