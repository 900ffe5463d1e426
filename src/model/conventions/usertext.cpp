// SPDX-License-Identifier: GPL-3.0-or-later
#include "usertext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

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
    QString text = firstLine + QStringLiteral("\nFile ") + fileName(path);
    if (!reason.isEmpty())
        text += QStringLiteral(": ") + reason;
    return text;
}

QString systemReason(int systemError)
{
    switch (systemError) {
    case ENOENT:
        return QStringLiteral("il file non esiste");
    case EACCES:
    case EPERM:
        return QStringLiteral("permesso negato");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("il disco è pieno");
    case EFBIG:
        return QStringLiteral("il file supera la dimensione consentita");
    case EROFS:
        return QStringLiteral("il disco è di sola lettura");
    case EISDIR:
        return QStringLiteral("è una cartella");
    case ENOTDIR:
        return QStringLiteral("una parte del percorso non è una cartella");
    case ENAMETOOLONG:
        return QStringLiteral("il nome del file è troppo lungo");
    case EIO:
        return QStringLiteral("errore di lettura o scrittura sul disco");
    default:
        return QStringLiteral("errore del sistema (%1)")
            .arg(QString::fromLocal8Bit(std::strerror(systemError)));
    }
}

QString whyUnreadable(const QString &path, int systemError)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("il file non esiste");
    if (info.isDir())
        return QStringLiteral("è una cartella");
    if (!info.isFile())
        return QStringLiteral("non è un file normale (è una pipe o un dispositivo)");
    if (!info.isReadable())
        return QStringLiteral("permesso negato");
    return systemError ? systemReason(systemError) : QStringLiteral("il file non si può leggere");
}

QString whyUnwritable(const QString &path, int systemError)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("è una cartella");
    if (info.exists() && !info.isFile())
        return QCoreApplication::translate("usertext", "non è un file normale (è una pipe o un dispositivo)");
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists())
        return QStringLiteral("la cartella %1 non esiste").arg(fileName(folder.filePath()));
    if (!folder.isDir())
        return QStringLiteral("una parte del percorso non è una cartella");
    if (info.exists() && (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner)))
        return QStringLiteral("il file è di sola lettura");
    if (!folder.isWritable())
        return QStringLiteral("permesso negato nella cartella %1").arg(fileName(folder.filePath()));
    return systemError ? systemReason(systemError) : QStringLiteral("errore di scrittura");
}

} // namespace usertext
