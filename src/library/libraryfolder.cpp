// SPDX-License-Identifier: GPL-3.0-or-later
#include "libraryfolder.h"

#include "usertext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <dirent.h>

namespace library {

namespace {

bool isListedName(const QString &name)
{
    return name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive);
}

// Names the file system holds in another encoding than UTF-8 cannot be spelt back: Qt
// leaves them out of a folder's entries, and no path made from them reaches the file.
// They are listed here, their stray bytes shown as U+FFFD, so the user learns why. A
// folder that cannot be opened at all is said with the system's reason.
void readRawNames(const QString &folder, Listing &listing)
{
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir) {
        listing.unreadable.append({folder, usertext::systemReason(errno), true});
        return;
    }
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray bytes(entry->d_name);
        const QString name = QFile::decodeName(bytes);
        if (QFile::encodeName(name) == bytes || name.startsWith(u'.'))
            continue;
        if (entry->d_type == DT_DIR)
            listing.unreadable.append(
                {QDir(folder).filePath(name),
                 QCoreApplication::translate(
                     "Archivio", "il nome della cartella non è in UTF-8: rinominarla per aprirla"),
                 true});
        else if (isListedName(name))
            listing.unreadable.append(
                {QDir(folder).filePath(name),
                 QCoreApplication::translate("Archivio",
                                             "il nome del file non è in UTF-8: rinominarlo per aprirlo")});
    }
    ::closedir(dir);
}

} // namespace

QString folderProblem(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return QCoreApplication::translate("Archivio", "la cartella «%1» non esiste").arg(folder);
    if (!info.isDir())
        return QCoreApplication::translate("Archivio", "«%1» non è una cartella").arg(folder);
    if (!info.isReadable() || !info.isExecutable())
        return QCoreApplication::translate("Archivio", "permesso negato per la cartella «%1»").arg(folder);
    return QString();
}

Listing listFolder(const QString &folder, const std::atomic<bool> *cancel)
{
    Listing listing;
    listing.problem = folderProblem(folder);
    if (!listing.problem.isEmpty())
        return listing;
    QSet<QString> walked;
    QStringList pending{QFileInfo(folder).absoluteFilePath()};
    while (!pending.isEmpty() && !(cancel && *cancel)) {
        const QString current = pending.takeFirst();
        const QString real = QFileInfo(current).canonicalFilePath();
        if (real.isEmpty() || walked.contains(real))
            continue;
        walked.insert(real);
        listing.folders.append(current);
        const qsizetype before = listing.unreadable.size();
        readRawNames(current, listing);
        if (listing.unreadable.size() > before && listing.unreadable.last().path == current)
            continue; // not opened: nothing to list in it, said why
        const QDir dir(current);
        const auto entries =
            dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo &info : entries) {
            if (info.isDir()) {
                pending.append(info.absoluteFilePath());
                continue;
            }
            if (!isListedName(info.fileName()))
                continue;
            // A link to nothing or to itself, or a file in a folder that may be read but
            // not searched: the system cannot even tell what it is.
            if (!info.exists())
                listing.unreadable.append(
                    {info.absoluteFilePath(), usertext::whyUnreadable(info.absoluteFilePath())});
            else
                listing.files.append(info.absoluteFilePath());
        }
    }
    return listing;
}

} // namespace library
