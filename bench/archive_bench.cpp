// SPDX-License-Identifier: GPL-3.0-or-later
// The recipe archive on folders of 1,000 and 10,000 generated recipes: how long until the
// last line is shown in the window, and the longest the window went without handling
// events meanwhile (a freeze); the same when half the recipes leave the folder at once. Offscreen; the files
// are written first, so they are in the system's cache as after saving them, but every listing is the first
// of its window.
#include "frmarchivio.h"
#include "recipegenerator.h"
#include "session.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

class NoWarnings : public WarningSink
{
public:
    void warn(const QString &, const QString &) override {}
};

void writeRecipes(const QString &folder, int count)
{
    QRandomGenerator rng(2026);
    for (int k = 0; k < count; ++k)
        recipegenerator::write(
            rng, QDir(folder).filePath(QStringLiteral("ricetta_%1.txt").arg(k, 5, 10, QLatin1Char('0'))),
            QStringLiteral("Ricetta %1").arg(k));
}

struct Figures
{
    double listedMs = 0;
    double longestGapMs = 0;
};

// Opens the archive window on `folder` and runs the event loop until the last line is shown.
Figures listOnce(Session &session, const QString &folder)
{
    QElapsedTimer clock;
    clock.start();
    FrmArchivio window(session, folder, [](const QString &) {});
    window.show();
    // The window's first show and paint, as for any window, is not a freeze of the list.
    QCoreApplication::processEvents();
    Figures figures;
    qint64 last = clock.nsecsElapsed();
    QTimer tick; // every turn of the event loop: the gaps between turns are the freezes
    tick.setInterval(0);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (qEnvironmentVariableIsSet("ARCHIVE_BENCH_TRACE") && (now - last) / 1e6 > 10)
            QTextStream(stderr) << "gap " << (now - last) / 1e6 << " ms at " << now / 1e6 << " ms, rows "
                                << window.model().rowCount() << "\n";
        figures.longestGapMs = std::max(figures.longestGapMs, (now - last) / 1e6);
        last = now;
    });
    tick.start();
    bool done = false;
    QObject::connect(&window.model(), &LibraryModel::listed, [&] { done = true; });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    window.view()->repaint();
    figures.listedMs = clock.nsecsElapsed() / 1e6;
    return figures;
}

// With the list of `folder` shown, every other recipe is moved out of it at once: until
// the list holds the rest, how long it took and the longest freeze of the window.
Figures moveHalfOut(Session &session, const QString &folder, int count)
{
    FrmArchivio window(session, folder, [](const QString &) {});
    window.show();
    bool listed = false;
    QObject::connect(&window.model(), &LibraryModel::listed, [&] { listed = true; });
    while (!listed)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    QTemporaryDir away;
    QDir dir(folder);
    for (int k = 0; k < count; k += 2) {
        const QString name = QStringLiteral("ricetta_%1.txt").arg(k, 5, 10, QLatin1Char('0'));
        QFile::rename(dir.filePath(name), QDir(away.path()).filePath(name));
    }
    QElapsedTimer clock;
    clock.start();
    Figures figures;
    qint64 last = clock.nsecsElapsed();
    QTimer tick;
    tick.setInterval(0);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        figures.longestGapMs = std::max(figures.longestGapMs, (now - last) / 1e6);
        last = now;
    });
    tick.start();
    while (window.model().rowCount() != count / 2)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    window.view()->repaint();
    figures.listedMs = clock.nsecsElapsed() / 1e6;
    // Back, for the next round.
    for (int k = 0; k < count; k += 2) {
        const QString name = QStringLiteral("ricetta_%1.txt").arg(k, 5, 10, QLatin1Char('0'));
        QFile::rename(QDir(away.path()).filePath(name), dir.filePath(name));
    }
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    NoWarnings sink;
    Session session(sink);
    QTextStream out(stdout);
    QList<int> counts{1000, 10000};
    if (argc > 1) // one size only: archive_bench 1000
        counts = {QString::fromLocal8Bit(argv[1]).toInt()};
    for (int count : counts) {
        QTemporaryDir folder;
        writeRecipes(folder.path(), count);
        QList<double> listed, gaps;
        const int rounds = count <= 1000 ? 5 : 3;
        for (int round = 0; round < rounds; ++round) {
            const Figures f = listOnce(session, folder.path());
            listed.append(f.listedMs);
            gaps.append(f.longestGapMs);
        }
        std::sort(listed.begin(), listed.end());
        std::sort(gaps.begin(), gaps.end());
        out << QStringLiteral("archive of %1 recipes, last line shown: %2 ms (median of %3)\n")
                   .arg(count)
                   .arg(listed[rounds / 2], 0, 'f', 0)
                   .arg(rounds);
        out << QStringLiteral("archive of %1 recipes, longest freeze: %2 ms\n")
                   .arg(count)
                   .arg(gaps[rounds / 2], 0, 'f', 1);
        QList<double> followed, moveGaps;
        for (int round = 0; round < rounds; ++round) {
            const Figures f = moveHalfOut(session, folder.path(), count);
            followed.append(f.listedMs);
            moveGaps.append(f.longestGapMs);
        }
        std::sort(followed.begin(), followed.end());
        std::sort(moveGaps.begin(), moveGaps.end());
        out << QStringLiteral("archive of %1 recipes, half moved out, list follows: %2 ms\n")
                   .arg(count)
                   .arg(followed[rounds / 2], 0, 'f', 0);
        out << QStringLiteral("archive of %1 recipes, half moved out, longest freeze: %2 ms\n")
                   .arg(count)
                   .arg(moveGaps[rounds / 2], 0, 'f', 1);
        out.flush();
    }
    return 0;
}
