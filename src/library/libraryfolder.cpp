// SPDX-License-Identifier: GPL-3.0-or-later
#include "libraryfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>

namespace library {

namespace {

bool isListedName(const QString &name)
{
    return name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive);
}

// Names the file system holds in another encoding than UTF-8 cannot be spelt back: Qt
// leaves them out of a folder's entries, and no path made from them reaches the file.
// They are listed here, their stray bytes shown as U+FFFD, so the user learns why.
QStringList undecodableNames(const QString &folder)
{
    QStringList names;
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray bytes(entry->d_name);
        const QString name = QFile::decodeName(bytes);
        if (QFile::encodeName(name) != bytes && isListedName(name))
            names.append(name);
    }
    ::closedir(dir);
    return names;
}

// Why an entry that QDir lists cannot be looked at (a dangling or looping link), or empty.
QString whyUnreachable(const QFileInfo &info)
{
    if (!info.isSymLink() || info.exists())
        return QString();
    struct stat buffer;
    if (::stat(QFile::encodeName(info.absoluteFilePath()).constData(), &buffer) != 0 && errno == ELOOP)
        return QCoreApplication::translate("Archivio",
                                           "il collegamento simbolico rimanda a sé stesso (un ciclo)");
    return QCoreApplication::translate("Archivio",
                                       "il collegamento simbolico punta a un file che non esiste");
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
            if (const QString why = whyUnreachable(info); !why.isEmpty())
                listing.unreadable.append({info.absoluteFilePath(), why});
            else
                listing.files.append(info.absoluteFilePath());
        }
        for (const QString &name : undecodableNames(current))
            listing.unreadable.append(
                {dir.filePath(name),
                 QCoreApplication::translate("Archivio",
                                             "il nome del file non è in UTF-8: rinominarlo per aprirlo")});
    }
    return listing;
}

} // namespace library
