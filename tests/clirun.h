// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QStringList>

#include <functional>

// One run of a program of Vornak's command line, as a user would start it, but with no
// display (neither program needs one to answer its command line) and its data folder
// (XDG_DATA_HOME, where the ingredient file and the library live) at `dataHome`;
// `adjust` changes the rest of its environment (the language variables).
struct Run
{
    int exitCode = -1; // -1 when it crashed or did not end within 60 s
    QString out;
    QString err;
};

inline Run runProgram(const QString &program, const QStringList &arguments, const QString &dataHome,
                      const std::function<void(QProcessEnvironment &)> &adjust = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    for (const char *display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(display));
    if (adjust)
        adjust(environment);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
