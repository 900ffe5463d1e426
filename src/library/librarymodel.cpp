// SPDX-License-Identifier: GPL-3.0-or-later
#include "librarymodel.h"

#include "libraryfilter.h"
#include "librarytexts.h"
#include "numbers.h"
#include "usertext.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <functional>

using library::Entry;

namespace {

// Names and notes may hold line breaks and tabs from a hand edit: one line per cell.
QString flat(const QString &text)
{
    QString out = usertext::printable(text);
    for (QChar &c : out)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    return out;
}

// Files without figures sort before every figure.
QVariant figure(const Entry &entry, double (*pick)(const MixResults &))
{
    return entry.calculated() ? pick(*entry.results) : -1.0;
}

QVariant sortKey(const Entry &entry, int column)
{
    switch (column) {
    case LibraryModel::ModifiedColumn:
        return entry.modified;
    case LibraryModel::WeightColumn:
        return figure(entry, [](const MixResults &r) { return r.totalWeight; });
    case LibraryModel::ProteinColumn:
        return figure(entry, [](const MixResults &r) { return r.proteinShare; });
    case LibraryModel::FatColumn:
        return figure(entry, [](const MixResults &r) { return r.fatShare; });
    case LibraryModel::CarboColumn:
        return figure(entry, [](const MixResults &r) { return r.carboShare; });
    case LibraryModel::DigestibilityColumn:
        return figure(entry, [](const MixResults &r) { return r.digestibility; });
    case LibraryModel::BinderColumn:
        return figure(entry, [](const MixResults &r) { return r.binder.value_or(-1.0); });
    case LibraryModel::CostColumn:
        return entry.calculated() && entry.cost.missingPrice.isEmpty() && !entry.cost.tooLarge
                   ? entry.cost.perKg
                   : -1.0;
    default:
        return LibraryModel::cellText(entry, column).toCaseFolded();
    }
}

} // namespace

LibraryModel::LibraryModel(QObject *parent) : QAbstractTableModel(parent)
{
    // Saving writes a temporary file and renames it: wait for the burst to settle.
    m_changed.setSingleShot(true);
    m_changed.setInterval(150);
    connect(&m_changed, &QTimer::timeout, this, [this] { startScan(false); });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this](const QString &path) {
        // The folder above is watched only for the folder itself renamed, removed or back.
        if (path != m_above || QFileInfo(m_folder).isDir() == m_folderGone)
            m_changed.start();
    });
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { m_changed.start(); });
}

LibraryModel::~LibraryModel()
{
    if (m_cancel)
        *m_cancel = true;
    for (QThread *thread : std::as_const(m_threads)) {
        thread->wait();
        delete thread;
    }
}

void LibraryModel::setFolder(const QString &folder)
{
    m_folder = folder;
    beginResetModel();
    m_entries.clear();
    m_rowOfPath.clear();
    endResetModel();
    startScan(true);
}

void LibraryModel::setIngredients(const personal::Library &ingredients)
{
    m_ingredients = ingredients;
    if (!m_folder.isEmpty())
        startScan(true);
}

void LibraryModel::startScan(bool afresh)
{
    if (m_running && !afresh) {
        m_pending = true; // one more pass once this one ends
        return;
    }
    if (m_cancel)
        *m_cancel = true;
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    m_pending = false;
    library::ScanRequest request{m_folder, m_ingredients, {}};
    if (!afresh)
        for (const Entry &entry : std::as_const(m_entries))
            request.known.insert(entry.path, library::Stamp{entry.modified, entry.size});
    else
        for (const Entry &entry : std::as_const(m_entries))
            request.known.insert(entry.path, library::Stamp{}); // read all again, drop the gone
    const quint64 generation = ++m_generation;
    ++m_running;
    auto cancel = m_cancel;
    QThread *thread = QThread::create([this, request, cancel, generation] {
        library::scan(request, *cancel, [&](library::ScanBatch batch) {
            QMetaObject::invokeMethod(
                this,
                [this, generation, batch = std::move(batch)]() mutable {
                    take(generation, std::move(batch));
                },
                Qt::QueuedConnection);
        });
    });
    connect(thread, &QThread::finished, this, [this, thread] {
        m_threads.removeOne(thread);
        thread->deleteLater();
        --m_running;
        if (m_pending && !m_running)
            startScan(false);
    });
    m_threads.append(thread);
    thread->start();
}

void LibraryModel::take(quint64 generation, library::ScanBatch batch)
{
    if (generation != m_generation)
        return; // a pass over another folder, or one given up
    m_folderGone = !batch.problem.isEmpty();
    if (!batch.problem.isEmpty()) {
        remove(QStringList(m_rowOfPath.keys()));
        watch(QStringList());
        emit folderProblem(batch.problem);
        emit listed();
        return;
    }
    if (!batch.folders.isEmpty())
        watch(batch.folders);
    remove(batch.removed);
    merge(batch.entries);
    emit progress(batch.done, batch.total);
    if (batch.last) {
        // Which recipes share a mix is known once the pass is whole: marked once, not
        // after every batch of a folder of thousands.
        markSameMixes();
        watchFiles();
        emit listed();
    }
}

void LibraryModel::merge(const QList<Entry> &entries)
{
    QList<Entry> added;
    for (const Entry &entry : entries) {
        const auto at = m_rowOfPath.constFind(entry.path);
        if (at == m_rowOfPath.constEnd()) {
            added.append(entry);
            continue;
        }
        m_entries[*at] = entry;
        emit dataChanged(index(*at, 0), index(*at, ColumnCount - 1));
    }
    if (added.isEmpty())
        return;
    const int first = int(m_entries.size());
    beginInsertRows({}, first, first + int(added.size()) - 1);
    for (Entry &entry : added) {
        m_rowOfPath.insert(entry.path, int(m_entries.size()));
        m_entries.append(std::move(entry));
    }
    endInsertRows();
}

void LibraryModel::remove(const QStringList &paths)
{
    QList<int> rows;
    for (const QString &path : paths)
        if (const auto at = m_rowOfPath.constFind(path); at != m_rowOfPath.constEnd())
            rows.append(*at);
    if (rows.isEmpty())
        return;
    // Runs of neighbouring rows, from the last, so the rows before a run keep their numbers.
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QList<std::pair<int, int>> runs; // first and last row of each
    for (int row : std::as_const(rows)) {
        if (!runs.isEmpty() && runs.last().first == row + 1)
            runs.last().first = row;
        else
            runs.append({row, row});
    }
    // Thousands of scattered rows, as when half a folder moves away, are one reset: a
    // signal for each would have every view and filter take them in one at a time.
    constexpr qsizetype kMostRuns = 64;
    if (runs.size() > kMostRuns) {
        beginResetModel();
        const QSet<int> gone(rows.begin(), rows.end());
        QList<Entry> kept;
        kept.reserve(m_entries.size() - rows.size());
        for (int row = 0; row < m_entries.size(); ++row)
            if (!gone.contains(row))
                kept.append(std::move(m_entries[row]));
        m_entries = std::move(kept);
        rebuildIndex();
        endResetModel();
        return;
    }
    for (const auto &[first, last] : std::as_const(runs)) {
        beginRemoveRows({}, first, last);
        m_entries.remove(first, last - first + 1);
        endRemoveRows();
    }
    rebuildIndex();
}

void LibraryModel::markSameMixes()
{
    // One signal for the span of rows that changed, not one per row: a thousand signals
    // would have the filter take them in one at a time.
    const QList<int> changed = library::markSameMixes(m_entries);
    if (!changed.isEmpty())
        emit dataChanged(index(changed.first(), SameMixColumn), index(changed.last(), SameMixColumn));
}

void LibraryModel::rebuildIndex()
{
    m_rowOfPath.clear();
    for (int row = 0; row < m_entries.size(); ++row)
        m_rowOfPath.insert(m_entries[row].path, row);
}

void LibraryModel::watch(const QStringList &folders)
{
    // The first folders of the walk, the listed one's own first, as many as the system's
    // watches comfortably allow: a tree as large as "/" would take all of them.
    constexpr qsizetype kWatchedFolders = 4000;
    const QString folder = QFileInfo(m_folder).absoluteFilePath();
    // A folder renamed or removed shows only in the folder above it.
    m_above = QFileInfo(folder).absolutePath();
    if (m_above == folder)
        m_above.clear(); // "/" has none
    QSet<QString> wanted(folders.begin(), folders.begin() + qMin(folders.size(), kWatchedFolders));
    if (!m_above.isEmpty())
        wanted.insert(m_above);
    const QStringList watched = m_watcher.directories();
    const QSet<QString> before(watched.begin(), watched.end());
    QStringList unwanted, added;
    for (const QString &path : watched)
        if (!wanted.contains(path))
            unwanted.append(path);
    for (const QString &path : std::as_const(wanted))
        if (!before.contains(path))
            added.append(path);
    if (!unwanted.isEmpty())
        m_watcher.removePaths(unwanted);
    if (!added.isEmpty())
        m_watcher.addPaths(added);
}

void LibraryModel::watchFiles()
{
    // A file written over in place changes nothing in its folder: watch the files too,
    // as many as the system's watches comfortably allow; beyond them, a save through a
    // temporary file (as Vornak saves) still shows in the folder.
    constexpr int kWatchedFiles = 2000;
    QSet<QString> wanted;
    for (const Entry &entry : std::as_const(m_entries)) {
        if (wanted.size() >= kWatchedFiles)
            break;
        wanted.insert(entry.path);
    }
    const QStringList before = m_watcher.files();
    for (const QString &file : before)
        if (!wanted.contains(file))
            m_watcher.removePath(file);
    const QSet<QString> watched(before.begin(), before.end());
    QStringList added;
    for (const QString &file : std::as_const(wanted))
        if (!watched.contains(file))
            added.append(file);
    if (!added.isEmpty())
        m_watcher.addPaths(added);
}

int LibraryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int LibraryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LibraryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const Entry &entry = m_entries[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return cellText(entry, index.column());
    case SortRole:
        return sortKey(entry, index.column());
    case EntryRole:
        return index.row();
    case Qt::ToolTipRole:
        if (!entry.isRecipe())
            return usertext::printable(entry.refusal);
        if (entry.stale)
            return QCoreApplication::translate("Archivio",
                                               "I risultati salvati nel file sono diversi da quelli "
                                               "calcolati dalle sue righe");
        return entry.notices.isEmpty() ? QVariant()
                                       : usertext::printable(entry.notices.join(QLatin1Char('\n')));
    default:
        return {};
    }
}

QVariant LibraryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return heading(section);
}

QString LibraryModel::heading(int column)
{
    static const char *const kHeadings[ColumnCount] = {
        QT_TRANSLATE_NOOP("Archivio", "File"),          QT_TRANSLATE_NOOP("Archivio", "Ricetta"),
        QT_TRANSLATE_NOOP("Archivio", "Modificata"),    QT_TRANSLATE_NOOP("Archivio", "Peso totale"),
        QT_TRANSLATE_NOOP("Archivio", "Proteine %"),    QT_TRANSLATE_NOOP("Archivio", "Grassi %"),
        QT_TRANSLATE_NOOP("Archivio", "Carboidrati %"), QT_TRANSLATE_NOOP("Archivio", "Digeribilità"),
        QT_TRANSLATE_NOOP("Archivio", "Legante"),       QT_TRANSLATE_NOOP("Archivio", "Bilancio"),
        QT_TRANSLATE_NOOP("Archivio", "Costo al kg"),   QT_TRANSLATE_NOOP("Archivio", "Risultati salvati"),
        QT_TRANSLATE_NOOP("Archivio", "Stesso mix"),
    };
    return column >= 0 && column < ColumnCount ? QCoreApplication::translate("Archivio", kHeadings[column])
                                               : QString();
}

QString LibraryModel::cellText(const Entry &entry, int column)
{
    if (column == FileColumn)
        return flat(entry.relativePath);
    if (column == ModifiedColumn)
        return library::dateText(entry.modified);
    if (!entry.isRecipe())
        return column == NameColumn ? library::oneLine(entry.refusal) : QString();
    const std::optional<MixResults> &r = entry.results;
    using numbers::percent;
    using numbers::twoDecimals;
    switch (column) {
    case NameColumn:
        return flat(entry.recipeName);
    case WeightColumn:
        return r ? twoDecimals(r->totalWeight) : QString();
    case ProteinColumn:
        return r ? percent(r->proteinShare) : QString();
    case FatColumn:
        return r ? percent(r->fatShare) : QString();
    case CarboColumn:
        return r ? percent(r->carboShare) : QString();
    case DigestibilityColumn:
        return r ? twoDecimals(r->digestibility) : QString();
    case BinderColumn:
        return r && r->binder ? twoDecimals(*r->binder) : QString();
    case BalanceColumn:
        return library::balanceText(entry);
    case CostColumn:
        return library::costText(entry);
    case StoredColumn:
        if (!r)
            return QString();
        if (entry.savedWithoutResults)
            return QCoreApplication::translate("Archivio", "nessuno");
        return entry.stale ? QCoreApplication::translate("Archivio", "diversi")
                           : QCoreApplication::translate("Archivio", "uguali");
    case SameMixColumn:
        // The group's first file by name and how many it holds, the same on every line of
        // the group, so a sort on the column puts them together: "a.txt (3)".
        return entry.sameMix.count == 0
                   ? QString()
                   : QStringLiteral("%1 (%2)").arg(flat(entry.sameMix.first)).arg(entry.sameMix.count + 1);
    default:
        return QString();
    }
}
