// SPDX-License-Identifier: GPL-3.0-or-later
#include "rescuecopy.h"

#include "clearing.h"
#include "ingredientfile.h"
#include "recipefile.h"
#include "session.h"
#include "usertext.h"
#include "worksheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString kCopySuffix = QStringLiteral(".txt");
const QString kLockSuffix = QStringLiteral(".lock");

QString lockOf(const QString &copy)
{
    return copy.left(copy.size() - kCopySuffix.size()) + kLockSuffix;
}

// The worksheet's record as a recipe file holds it. A list nobody has touched since the
// start (a row's ingredient, an index selector, the egg kind) shows no entry at all, which
// no recipe file holds and "Apri" refuses: it is written as a cleared worksheet shows it,
// which is what it means.
QStringList readableRecord(const Worksheet &worksheet)
{
    static const QStringList cleared = [] {
        Worksheet scratch;
        clearWorksheet(scratch);
        return recipefile::recordOf(scratch);
    }();
    // The lists among the 51 fields: rows 1-11, the index selectors of rows 12 and 13, the
    // egg kind (counted from 0). A typed field keeps its text, empty or not.
    static const int lists[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 29, 30, 34, 35, 37};
    QStringList record = recipefile::recordOf(worksheet);
    for (const int k : lists)
        if (record.value(k).isEmpty() && !cleared.value(k).isEmpty())
            record[k] = cleared[k];
    return record;
}

// Windows of one process are told apart by a count of their own.
int nextWindowNumber()
{
    static int count = 0;
    return ++count;
}

} // namespace

RescueCopy::RescueCopy(Session &session, const QString &folder, int delayMs) : m_session(session)
{
    m_path = QDir(folder).filePath(QStringLiteral("%1-%2%3")
                                       .arg(QCoreApplication::applicationPid())
                                       .arg(nextWindowNumber())
                                       .arg(kCopySuffix));
    m_delay.setSingleShot(true);
    m_delay.setInterval(delayMs);
    connect(&m_delay, &QTimer::timeout, this, &RescueCopy::write);
    // Every change moves the copy's time on, so nothing is written while the user types;
    // whether there is unsaved work at all is asked once per command.
    connect(&m_session.worksheet(), &FieldStore::fieldChanged, &m_delay, qOverload<>(&QTimer::start));
    connect(&m_session, &Session::documentChanged, this, &RescueCopy::follow);
}

RescueCopy::~RescueCopy()
{
    removeOwn();
}

QString RescueCopy::defaultFolder()
{
    return QFileInfo(ingredientfile::defaultPath()).absolutePath() + QStringLiteral("/ripristino");
}

void RescueCopy::follow()
{
    if (m_session.hasUnsavedChanges())
        return;
    m_delay.stop();
    QFile::remove(m_path);
}

void RescueCopy::write()
{
    if (!m_session.hasUnsavedChanges())
        return;
    if (!m_lock) {
        // The folder and the lock come with the first copy: a window that never had
        // unsaved work for long leaves nothing in the data folder.
        QDir().mkpath(QFileInfo(m_path).absolutePath());
        m_lock = std::make_unique<QLockFile>(lockOf(m_path));
        // Held for the whole run: the lock, not its age, says whether the window still runs.
        m_lock->setStaleLockTime(0);
        (void)m_lock->tryLock(0);
    }
    // A text the recipe format cannot hold leaves the last copy as it was.
    const auto bytes = recipefile::encode(readableRecord(m_session.worksheet()));
    if (!bytes)
        return;
    QString problem;
    const bool written = recipefile::save(*bytes, m_path, &problem) == recipefile::Outcome::Done;
    // Said once, when copies stop being written, not every few seconds after.
    if (!written && m_writing)
        emit cannotWrite(usertext::aboutFile(
            QCoreApplication::translate("RescueCopy", "Impossibile scrivere la copia del foglio che protegge "
                                                      "le modifiche non salvate da un arresto improvviso"),
            m_path, problem));
    m_writing = written;
}

void RescueCopy::removeOwn()
{
    m_delay.stop();
    QFile::remove(m_path);
    if (m_lock)
        m_lock->unlock();
}

QList<RescueCopy::LeftBehind> RescueCopy::leftBehind(const QString &folder)
{
    QList<LeftBehind> found;
    const QDir dir(folder);
    for (const QFileInfo &copy : dir.entryInfoList({QStringLiteral("*") + kCopySuffix}, QDir::Files)) {
        QLockFile lock(lockOf(copy.absoluteFilePath()));
        lock.setStaleLockTime(0);
        // Taken at once: its window is gone (a lock of a process that no longer runs is
        // stale and taken over). Let go again at once: only the copy matters now.
        if (!lock.tryLock(0))
            continue;
        lock.unlock();
        found << LeftBehind{copy.absoluteFilePath(), copy.lastModified()};
    }
    std::sort(found.begin(), found.end(),
              [](const LeftBehind &a, const LeftBehind &b) { return a.taken > b.taken; });
    return found;
}

void RescueCopy::remove(const QString &path)
{
    QFile::remove(path);
    QFile::remove(lockOf(path));
}
