// SPDX-License-Identifier: GPL-3.0-or-later
#include "usertext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace usertext {

namespace {

// Characters that reorder or break what follows them without being seen: the
// direction marks, embeddings, overrides and isolates, and the Unicode line and
// paragraph separators, which a terminal passes on raw.
bool isInvisibleControl(char16_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0x2028 || c == 0x2029;
}

QString escapedText(const QString &text, bool keepLineBreaks)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype k = 0; k < text.size(); ++k) {
        const char16_t c = text[k].unicode();
        const bool lineBreak = c == u'\n' || (c == u'\r' && k + 1 < text.size() && text[k + 1] == u'\n');
        const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
        if (control && !(keepLineBreaks && lineBreak) && c != u'\t')
            out += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
        else if (isInvisibleControl(c))
            out += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        else
            out += QChar(c);
    }
    return out;
}

} // namespace

QString printable(const QString &text)
{
    return escapedText(text, true);
}

QString printableLine(const QString &text)
{
    return escapedText(text, false);
}

QString fileName(const QString &path)
{
    return QStringLiteral("«%1»").arg(QDir::toNativeSeparators(path));
}

QString aboutFile(const QString &firstLine, const QString &path, const QString &reason)
{
    QString text = firstLine + QCoreApplication::translate("Files", "\nFile ") + fileName(path);
    if (!reason.isEmpty())
        text += QStringLiteral(": ") + reason;
    return text;
}

QString systemReason(int systemError)
{
    switch (systemError) {
    case ENOENT:
        return QCoreApplication::translate("Files", "il file non esiste");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("Files", "permesso negato");
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("Files", "il disco è pieno");
    case EFBIG:
        return QCoreApplication::translate("Files", "il file supera la dimensione consentita");
    case EROFS:
        return QCoreApplication::translate("Files", "il disco è di sola lettura");
    case EISDIR:
        return QCoreApplication::translate("Files", "è una cartella");
    case ENOTDIR:
        return QCoreApplication::translate("Files", "una parte del percorso non è una cartella");
    case ENAMETOOLONG:
        return QCoreApplication::translate("Files", "il nome del file è troppo lungo");
    case ELOOP:
        return QCoreApplication::translate("Files",
                                           "il collegamento simbolico rimanda a sé stesso (un ciclo)");
    case EIO:
        return QCoreApplication::translate("Files", "errore di lettura o scrittura sul disco");
    default:
        return QCoreApplication::translate("Files", "errore del sistema (%1)")
            .arg(QString::fromLocal8Bit(std::strerror(systemError)));
    }
}

namespace {

// A file the system cannot find: gone, behind a folder that may not be searched, a
// link to nothing or to itself, a path too long; asked of the system, not guessed.
QString whyNotFound(const QString &path)
{
    struct stat buffer;
    if (::stat(QFile::encodeName(path).constData(), &buffer) == 0)
        return QCoreApplication::translate("Files", "il file non si può leggere");
    const int error = errno;
    if (error == EACCES)
        return QCoreApplication::translate("Files", "permesso negato in una cartella del percorso");
    if (error == ENOENT && QFileInfo(path).isSymLink())
        return QCoreApplication::translate("Files",
                                           "il collegamento simbolico punta a un file che non esiste");
    return systemReason(error);
}

} // namespace

QString whyUnreadable(const QString &path, int systemError)
{
    const QFileInfo info(path);
    if (!info.exists())
        return whyNotFound(path);
    if (info.isDir())
        return QCoreApplication::translate("Files", "è una cartella");
    if (!info.isFile())
        return QCoreApplication::translate("Files", "non è un file normale (è una pipe o un dispositivo)");
    if (!info.isReadable())
        return QCoreApplication::translate("Files", "permesso negato");
    return systemError ? systemReason(systemError)
                       : QCoreApplication::translate("Files", "il file non si può leggere");
}

QString whyUnwritable(const QString &path, int systemError)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QCoreApplication::translate("Files", "è una cartella");
    if (info.exists() && !info.isFile())
        return QCoreApplication::translate("usertext", "non è un file normale (è una pipe o un dispositivo)");
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists())
        return QCoreApplication::translate("Files", "la cartella %1 non esiste")
            .arg(fileName(folder.filePath()));
    if (!folder.isDir())
        return QCoreApplication::translate("Files", "una parte del percorso non è una cartella");
    if (info.exists() && (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner)))
        return QCoreApplication::translate("Files", "il file è di sola lettura");
    if (!folder.isWritable())
        return QCoreApplication::translate("Files", "permesso negato nella cartella %1")
            .arg(fileName(folder.filePath()));
    return systemError ? systemReason(systemError)
                       : QCoreApplication::translate("Files", "errore di scrittura");
}

} // namespace usertext
