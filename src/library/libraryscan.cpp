// SPDX-License-Identifier: GPL-3.0-or-later
#include "libraryscan.h"

#include "libraryfolder.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSet>

namespace library {

namespace {

// Small batches keep the list filling smoothly; a few hundred at most per batch keeps
// each insertion into the window's model short.
constexpr int kBatchSize = 250;
constexpr qint64 kBatchMilliseconds = 100;

Stamp stampOf(const QString &path)
{
    const QFileInfo info(path);
    return Stamp{info.lastModified(), info.size()};
}

} // namespace

void scan(const ScanRequest &request, const std::atomic<bool> &cancel,
          const std::function<void(ScanBatch)> &deliver)
{
    const Listing listing = listFolder(request.folder, &cancel);
    if (cancel)
        return; // a listing cut short would take the files not reached for gone
    ScanBatch batch;
    batch.problem = listing.problem;
    batch.total = int(listing.files.size() + listing.unreadable.size());
    batch.folders = listing.folders;
    QSet<QString> present;
    for (const QString &path : listing.files)
        present.insert(path);
    for (const Unreachable &bad : listing.unreadable) {
        present.insert(bad.path);
        batch.entries.append(bad.folder ? unreadableFolderEntry(bad.path, request.folder, bad.reason)
                                        : unreadableEntry(bad.path, request.folder, bad.reason));
    }
    for (auto it = request.known.begin(); it != request.known.end(); ++it)
        if (!present.contains(it.key()))
            batch.removed.append(it.key());
    batch.done = int(listing.unreadable.size());
    QElapsedTimer sinceDelivery;
    sinceDelivery.start();
    auto hand = [&](bool last) {
        batch.last = last;
        deliver(std::move(batch));
        batch = ScanBatch{};
        batch.total = int(listing.files.size() + listing.unreadable.size());
        sinceDelivery.restart();
    };
    hand(listing.files.isEmpty());
    for (qsizetype k = 0; k < listing.files.size() && !cancel; ++k) {
        const QString &path = listing.files[k];
        const auto known = request.known.constFind(path);
        if (known == request.known.constEnd() || !(*known == stampOf(path)))
            batch.entries.append(readEntry(path, request.folder, request.ingredients));
        batch.done = int(listing.unreadable.size() + k + 1);
        const bool last = k + 1 == listing.files.size();
        if (last || batch.entries.size() >= kBatchSize || sinceDelivery.elapsed() >= kBatchMilliseconds)
            hand(last);
    }
}

QList<Entry> scanAll(const QString &folder, const personal::Library &ingredients, QString *problem)
{
    QList<Entry> entries;
    const std::atomic<bool> never{false};
    scan(ScanRequest{folder, ingredients, {}}, never, [&](ScanBatch batch) {
        if (problem && !batch.problem.isEmpty())
            *problem = batch.problem;
        entries.append(batch.entries);
    });
    return entries;
}

} // namespace library
