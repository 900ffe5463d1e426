// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class Session;

// The worksheet kept against a crash or a power cut. While the worksheet has unsaved
// changes, a copy is written a few seconds after the last change (never on every key),
// with the checked writer recipes use, into the user's data folder: one recipe file per
// window, named by the process and the window, beside a lock the window holds while it
// runs. A save, a clearing, a normal end or the window's going removes it. At the next
// start, a copy whose lock nobody holds is one a run left behind, and can be offered back.
class RescueCopy : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDelayMs = 3000;

    explicit RescueCopy(Session &session, const QString &folder = defaultFolder(), int delayMs = kDelayMs);
    ~RescueCopy() override;

    // "ripristino" in the user's data folder, beside the ingredient file.
    static QString defaultFolder();

    // This window's copy (written or not yet).
    QString path() const { return m_path; }

    struct LeftBehind
    {
        QString path;
        QDateTime taken; // when it was written
    };
    // The copies of runs that ended without removing theirs, newest first; a copy of a
    // window still running is never among them.
    static QList<LeftBehind> leftBehind(const QString &folder = defaultFolder());
    // Removes a copy left behind, once it is taken back or let go.
    static void remove(const QString &path);

signals:
    // The copy could not be written (the folder unwritable, the disk full): the message
    // names the file and the reason. Once, until a copy is written again.
    void cannotWrite(const QString &message);

private:
    void follow();
    void write();
    void removeOwn();

    Session &m_session;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    QTimer m_delay;
    bool m_writing = true; // the last write went through (or none was tried)
};
