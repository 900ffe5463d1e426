// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page.h"
#include "printmessages.h"

#include <QString>
#include <QStringList>

// Printers reached through CUPS. A page goes to the printer as the same PDF the
// "save as PDF" fallback writes, so both look alike and the print system tells
// at once whether it took the job.
namespace printerjob {

// What the print system offers.
struct Destinations
{
    bool reachable = true;  // the print server answers
    QString server;         // where it was looked for: a socket, a host, host:port
    QString defaultPrinter; // "name" or "name/instance"; empty when none is the default
    QStringList printers;   // every queue (and instance), the default among them
    // When the server cannot be used: why, in the user's words (it does not answer
    // within the limit, or not as a print server). Empty when `reachable`.
    QString problem;
    // LPDEST or PRINTER names a queue the server does not have: the message. The
    // server's own default is then not used, since the user asked for another one.
    QString missingDefault;
};

Destinations destinations();

// What became of a job.
struct JobResult
{
    QString refusal; // empty when the print system accepted the job; otherwise its reason
    QString notice;  // for an accepted job: the printer is paused and prints it once resumed
    // The whole message when the job was never sent (its PDF could not be written, the
    // server did not answer); otherwise empty and the refusal is the print system's.
    QString problem;
};

// What the user is told about a job that did not go through: the problem, or
// "Stampa non riuscita: " and the print system's reason. Empty for an accepted job.
QString refusalText(const JobResult &result);

// Sends the page to `printer` as one job named `jobName`.
JobResult print(const Page &page, const QString &printer, const QString &jobName);

// Sends an A4 PDF already drawn (pagerenderer::pdf). It is first written whole to a file
// in the temporary folder; a job whose file could not be written is not sent. Needs no
// GUI thread, so a window can wait for the server without freezing.
JobResult printPdf(const QByteArray &pdf, const QString &printer, const QString &jobName);

} // namespace printerjob
