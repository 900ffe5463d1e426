// SPDX-License-Identifier: GPL-3.0-or-later
// A run of one worksheet for tst_rescuecopy: opens the recipe, names it anew so it holds
// unsaved work, keeps copies in FOLDER, waits until one is written, then ends the way it
// is told: "kill" as a crash would (SIGKILL), "exit" normally.
// Usage: rescuechild FOLDER RECIPE kill|exit
#include "recordingsink.h"
#include "rescuecopy.h"
#include "session.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <csignal>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    RecordingSink sink;
    Session session(sink);
    if (!session.open(args[2]))
        return 3;
    auto copy = std::make_unique<RescueCopy>(session, args[1], 10);
    session.worksheet().setText(field::NomeRicetta, QStringLiteral("Cambiata dopo l'apertura"));
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!QFile::exists(copy->path()))
            return;
        if (args[3] == QStringLiteral("kill"))
            ::raise(SIGKILL);
        copy.reset();
        app.quit();
    });
    poll.start(5);
    QTimer::singleShot(10000, &app, [] { QCoreApplication::exit(4); });
    return app.exec();
}
