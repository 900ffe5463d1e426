// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>

// Which files of a folder the recipe archive lists: every name ending in ".txt" (any
// case), as the open dialog offers them, in the folder and in all its subfolders.
// Symbolic links are followed, but every folder is walked once, by its real path, so a
// link back up the tree never makes a loop. Hidden files and folders are left out, as
// the open dialog leaves them out. Nothing is opened here but folders.
namespace library {

// A file that cannot even be looked at, or a subfolder that cannot be walked, with why:
// the reason "Apri" gives (a symbolic-link loop, permission denied, a path too long), or
// a name that is not UTF-8.
struct Unreachable
{
    QString path;
    QString reason;
    bool folder = false;
};

struct Listing
{
    QStringList files;   // in walking order; pipes and devices too: their refusal is listed
    QStringList folders; // every folder walked, the listed one first
    QList<Unreachable> unreadable;
    QString problem; // why the folder itself cannot be read; then nothing else is set
};

// Stops early, with what it has, once `cancel` is set: a tree as deep as "/" takes long.
Listing listFolder(const QString &folder, const std::atomic<bool> *cancel = nullptr);

// Why a folder cannot be listed ("la cartella non esiste", "permesso negato"), or empty.
QString folderProblem(const QString &folder);

} // namespace library
