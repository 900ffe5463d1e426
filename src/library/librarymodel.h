// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "libraryentry.h"
#include "libraryscan.h"

#include <QAbstractTableModel>
#include <QFileSystemWatcher>
#include <QHash>
#include <QList>
#include <QTimer>

#include <atomic>
#include <memory>

class QThread;

// The recipe archive: one row per file of a folder, filled by a thread of its own as the
// files are read, so a large folder never holds up the window. It follows the folder: a
// file saved, renamed or removed there is read again, renamed or removed without asking.
// Only reads: nothing in the folder is ever written.
class LibraryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        FileColumn,
        NameColumn,
        ModifiedColumn,
        WeightColumn,
        ProteinColumn,
        FatColumn,
        CarboColumn,
        DigestibilityColumn,
        BinderColumn,
        BalanceColumn,
        CostColumn,
        StoredColumn,
        SameMixColumn,
        ColumnCount
    };
    enum Role
    {
        SortRole = Qt::UserRole, // numbers and dates as such; texts without case
        EntryRole,               // the row's index into entries()
    };

    explicit LibraryModel(QObject *parent = nullptr);
    ~LibraryModel() override;

    // Lists `folder` afresh.
    void setFolder(const QString &folder);
    QString folder() const { return m_folder; }

    // The personal ingredients and prices every file is opened with; read again with them.
    void setIngredients(const personal::Library &ingredients);

    const QList<library::Entry> &entries() const { return m_entries; }
    const library::Entry &entry(int row) const { return m_entries.at(row); }
    // The row of the file at `path`, or -1 when it is not listed.
    int rowOf(const QString &path) const { return m_rowOfPath.value(path, -1); }
    bool busy() const { return m_running != 0; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // A column's heading and a cell's text, shared with the command line.
    static QString heading(int column);
    static QString cellText(const library::Entry &entry, int column);

signals:
    void progress(int done, int total);
    // A pass over the folder ended (the list is complete until the folder changes).
    void listed();
    // The folder cannot be read (or is gone); the list is then empty.
    void folderProblem(const QString &problem);

private:
    void startScan(bool afresh);
    void take(quint64 generation, library::ScanBatch batch);
    void merge(const QList<library::Entry> &entries);
    void remove(const QStringList &paths);
    void watch(const QStringList &folders);
    void watchFiles();
    void rebuildIndex();
    // The "same mix" of every row again, after rows came or went.
    void markSameMixes();

    QString m_folder;
    personal::Library m_ingredients;
    QList<library::Entry> m_entries;
    QHash<QString, int> m_rowOfPath;
    QFileSystemWatcher m_watcher;
    QString m_above;           // the folder that holds the one listed, watched for its name
    bool m_folderGone = false; // the last pass found no folder to read
    QTimer m_changed;
    quint64 m_generation = 0;
    int m_running = 0;
    bool m_pending = false;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    QList<QThread *> m_threads;
};
