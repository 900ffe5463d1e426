// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "libraryentry.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QStringList>

#include <atomic>
#include <functional>

// One pass over the archive's folder, meant for a thread of its own: which files went,
// and every file new or changed since the last pass read as an entry. A file whose
// date and size are those of the last pass is not opened again.
namespace library {

struct Stamp
{
    QDateTime modified;
    qint64 size = 0;
    bool operator==(const Stamp &) const = default;
};

struct ScanBatch
{
    QStringList folders;  // only in the first batch: every folder walked
    QStringList removed;  // only in the first batch: files listed before and gone now
    QList<Entry> entries; // new or changed files
    int done = 0;         // files looked at so far
    int total = 0;        // files of the folder
    QString problem;      // the folder cannot be read: nothing else is set
    bool last = false;
};

struct ScanRequest
{
    QString folder;
    personal::Library ingredients;
    QHash<QString, Stamp> known; // the files listed now
};

// Runs the pass, handing over batches as they fill (the first one at once, with the
// folders and the files gone); stops early when `cancel` is set.
void scan(const ScanRequest &request, const std::atomic<bool> &cancel,
          const std::function<void(ScanBatch)> &deliver);

// The whole pass at once, for the command line.
QList<Entry> scanAll(const QString &folder, const personal::Library &ingredients, QString *problem);

} // namespace library
