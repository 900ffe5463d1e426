// SPDX-License-Identifier: GPL-3.0-or-later
#include "filewriter.h"

#include "usertext.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace filewriter {
namespace {

// A new file beside the target, created by this call alone (O_EXCL), with the mode a new
// file gets from the user's umask; -1 with errno set when none can be made.
int createBeside(const QString &path, QByteArray &tempName)
{
    const QFileInfo info(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = QFile::encodeName(
            info.absolutePath() + QStringLiteral("/.") + info.fileName() +
            QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        const int fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// The folder's entry for the renamed file reaches the disk too, so a crash right after
// a save cannot bring the earlier file back. Best effort: not every file system allows it.
void syncFolder(const QString &path)
{
    const int fd =
        ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// The file a symbolic link (or a chain of them) leads to, so that saving through a link
// replaces the file it names and the link stays; a dangling link gives the name it holds.
// Any other path is returned as it is.
QString followLinks(const QString &path)
{
    QString target = path;
    for (int hop = 0; hop < 40; ++hop) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            return target;
        const QString next = info.symLinkTarget();
        if (next.isEmpty())
            return target;
        target = next;
    }
    return target;
}

} // namespace

QString refusal(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QString();
    // A read-only file stays as it is, even for a user whom the system would let replace
    // it: the read-only mark is the owner's wish.
    const bool readOnly = !info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner);
    if (!info.isFile() || readOnly)
        return usertext::whyUnwritable(path);
    return QString();
}

QString write(const QString &asked, const QByteArray &bytes)
{
    // The caller names the file as the user gave it; the bytes go where a link leads.
    const QString path = followLinks(asked);
    if (const QString why = refusal(path); !why.isEmpty())
        return why;
    QByteArray tempName;
    const int fd = createBeside(path, tempName);
    if (fd < 0)
        return usertext::whyUnwritable(path, errno);
    // The replacement keeps the earlier file's owner and group where the system lets it
    // (a user may hand a file to any group of theirs, only root to another owner), then its
    // permissions, which a change of owner may have cleared.
    struct stat earlier;
    if (::stat(QFile::encodeName(path).constData(), &earlier) == 0) {
        if (::fchown(fd, earlier.st_uid, earlier.st_gid) != 0)
            (void)::fchown(fd, uid_t(-1), earlier.st_gid);
        ::fchmod(fd, earlier.st_mode & 07777);
    }
    int error = 0;
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(tempName.constData(), QFile::encodeName(path).constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(tempName.constData());
        return usertext::whyUnwritable(path, error);
    }
    syncFolder(path);
    return QString();
}

} // namespace filewriter
