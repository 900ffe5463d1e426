// SPDX-License-Identifier: GPL-3.0-or-later
#include "recipefile.h"
#include "recordingsink.h"
#include "rescuecopy.h"
#include "session.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList recordIn(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const auto records = recipefile::decode(file.readAll());
    return records && !records->isEmpty() ? records->last() : QStringList();
}

} // namespace

class TestRescueCopy : public QObject
{
    Q_OBJECT

private slots:
    // The copy is there while the worksheet has unsaved work, with its 51 fields, and
    // goes with a save or a clearing and when its window goes, lock included.
    void copyFollowsUnsavedWork()
    {
        QTemporaryDir dir;
        RecordingSink sink;
        Session session(sink);
        auto copy = std::make_unique<RescueCopy>(session, dir.path(), 10);
        QTest::qWait(50);
        QVERIFY(!QFile::exists(copy->path())); // nothing to keep yet
        QVERIFY(session.open(QStringLiteral(VORNAK_TEST_DATA "/ricetta_uova.txt")));
        QTest::qWait(50);
        QVERIFY(!QFile::exists(copy->path())); // as opened: nothing unsaved
        session.worksheet().setText(field::NomeRicetta, QStringLiteral("Nuovo"));
        QTRY_VERIFY(QFile::exists(copy->path()));
        QCOMPARE(recordIn(copy->path()), recipefile::recordOf(session.worksheet()));
        QVERIFY(RescueCopy::leftBehind(dir.path()).isEmpty()); // its window still runs
        session.clear();
        QTRY_VERIFY(!QFile::exists(copy->path()));
        session.worksheet().setText(field::NomeRicetta, QStringLiteral("Ancora"));
        QTRY_VERIFY(QFile::exists(copy->path()));
        copy.reset();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // A copy that cannot be written is said once, with the file and the reason, and again
    // only after a copy went through.
    void aCopyThatCannotBeWrittenIsSaidOnce()
    {
        QTemporaryDir dir;
        const QString blocked = dir.filePath(QStringLiteral("non-una-cartella"));
        QVERIFY(QFile(blocked).open(QIODevice::WriteOnly)); // a file where the folder should be
        RecordingSink sink;
        Session session(sink);
        RescueCopy copy(session, blocked, 10);
        QSignalSpy said(&copy, &RescueCopy::cannotWrite);
        for (const char *name : {"Uno", "Due", "Tre"}) {
            session.worksheet().setText(field::NomeRicetta, QString::fromLatin1(name));
            QTest::qWait(60);
        }
        QCOMPARE(said.size(), 1);
        const QString message = said.first().first().toString();
        QVERIFY2(message.startsWith(QStringLiteral("Impossibile scrivere la copia del foglio")),
                 qPrintable(message));
        QVERIFY2(message.contains(copy.path()), qPrintable(message));
    }

    // A new worksheet never calculated still has lists nobody touched, which no recipe file
    // holds: its copy comes back all the same.
    void untouchedListsComeBack()
    {
        QTemporaryDir dir;
        RecordingSink sink;
        Session session(sink), restored(sink);
        const RescueCopy copy(session, dir.path(), 10);
        QVERIFY(session.worksheet().select(field::componente(1), QStringLiteral("ALBUMINA")));
        session.worksheet().setText(field::peso(1), QStringLiteral("123"));
        session.worksheet().setText(field::NomeRicetta, QStringLiteral("Lavoro da salvare"));
        QTRY_VERIFY(QFile::exists(copy.path()));
        QVERIFY2(restored.restore(copy.path()), qPrintable(sink.texts().join(u'|')));
        QCOMPARE(restored.worksheet().text(field::componente(1)), QStringLiteral("ALBUMINA"));
        QCOMPARE(restored.worksheet().text(field::peso(1)), QStringLiteral("123"));
        QCOMPARE(restored.worksheet().text(field::NomeRicetta), QStringLiteral("Lavoro da salvare"));
        QCOMPARE(sink.texts(), QStringList());
    }

    // A run killed after a change leaves its copy, with the same 51 fields, for the next
    // start; one that ends normally leaves nothing. Taken back, the copy is unsaved work
    // of no file.
    void crashLeavesTheCopy_data()
    {
        QTest::addColumn<QString>("end");
        QTest::newRow("killed") << "kill";
        QTest::newRow("normal end") << "exit";
    }

    void crashLeavesTheCopy()
    {
        QFETCH(QString, end);
        QTemporaryDir dir;
        const QString recipe = QStringLiteral(VORNAK_TEST_DATA "/ricetta_uova.txt");
        QProcess child;
        child.start(QStringLiteral(RESCUE_CHILD), {dir.path(), recipe, end});
        QVERIFY(child.waitForFinished(20000));
        const QList<RescueCopy::LeftBehind> left = RescueCopy::leftBehind(dir.path());
        if (end == QStringLiteral("exit")) {
            QCOMPARE(child.exitCode(), 0);
            QVERIFY(left.isEmpty());
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
            return;
        }
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QCOMPARE(left.size(), 1);
        RecordingSink sink;
        Session expected(sink), restored(sink);
        QVERIFY(expected.open(recipe));
        expected.worksheet().setText(field::NomeRicetta, QStringLiteral("Cambiata dopo l'apertura"));
        QCOMPARE(recordIn(left.first().path), recipefile::recordOf(expected.worksheet()));
        QVERIFY(restored.restore(left.first().path));
        QCOMPARE(recipefile::recordOf(restored.worksheet()), recipefile::recordOf(expected.worksheet()));
        QVERIFY(restored.hasUnsavedChanges());
        QCOMPARE(restored.currentFile(), QString());
        RescueCopy::remove(left.first().path);
        QVERIFY(RescueCopy::leftBehind(dir.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRescueCopy)
#include "tst_rescuecopy.moc"
