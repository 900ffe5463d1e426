// SPDX-License-Identifier: GPL-3.0-or-later
#include "libraryfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <sys/stat.h>

namespace library {

namespace {

// A name the file system holds in another encoding than UTF-8 cannot be spelt back:
// Qt shows its stray bytes as U+FFFD and no path made from it reaches the file.
bool undecodable(const QString &name)
{
    return name.contains(QChar(QChar::ReplacementCharacter));
}

// Why an entry that QDir lists cannot be looked at (a dangling or looping link), or empty.
QString whyUnreachable(const QFileInfo &info)
{
    if (undecodable(info.fileName()))
        return QCoreApplication::translate("Archivio", "il nome del file non è in UTF-8: rinominarlo per aprirlo");
    if (!info.isSymLink() || info.exists())
        return QString();
    struct stat buffer;
    if (::stat(QFile::encodeName(info.absoluteFilePath()).constData(), &buffer) != 0 && errno == ELOOP)
        return QCoreApplication::translate("Archivio", "il collegamento simbolico rimanda a sé stesso (un ciclo)");
    return QCoreApplication::translate("Archivio", "il collegamento simbolico punta a un file che non esiste");
}

bool isListed(const QFileInfo &info)
{
    return info.fileName().endsWith(QLatin1String(".txt"), Qt::CaseInsensitive);
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

Listing listFolder(const QString &folder)
{
    Listing listing;
    listing.problem = folderProblem(folder);
    if (!listing.problem.isEmpty())
        return listing;
    QSet<QString> walked;
    QStringList pending{QFileInfo(folder).absoluteFilePath()};
    while (!pending.isEmpty()) {
        const QString current = pending.takeFirst();
        const QString real = QFileInfo(current).canonicalFilePath();
        if (real.isEmpty() || walked.contains(real))
            continue;
        walked.insert(real);
        listing.folders.append(current);
        const QDir dir(current);
        const auto entries = dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot,
                                               QDir::Name);
        for (const QFileInfo &info : entries) {
            if (info.isDir()) {
                pending.append(info.absoluteFilePath());
                continue;
            }
            if (!isListed(info))
                continue;
            if (const QString why = whyUnreachable(info); !why.isEmpty())
                listing.unreadable.append({info.absoluteFilePath(), why});
            else
                listing.files.append(info.absoluteFilePath());
        }
    }
    return listing;
}

} // namespace library
