#pragma once

#include "UpdateLists.h"

#include <QByteArray>
#include <QList>

// Writes the two lists the update server serves, as UpdateLists reads them back: what the publisher of an update
// site puts on it.
namespace UpdateListWriter {

// Versions.txt: a pair of the item's name and its version for every item up to the last one with a version; an
// item without one gets an empty version line, which marks nothing.
QByteArray versions(const ServerVersions &versions);

// An item's file list: one record per file, each with its "sha256:" line. The files' names must be ones that
// UpdateLists::refuseName accepts and that fit into Latin-1.
QByteArray fileList(const QList<UpdateFile> &files);

} // namespace UpdateListWriter
