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
};

Destinations destinations();

// What became of a job.
struct JobResult
{
    QString refusal; // empty when the print system accepted the job; otherwise its reason
    QString notice;  // for an accepted job: the printer is paused and prints it once resumed
};

// Sends the page to `printer` as one job named `jobName`.
JobResult print(const Page &page, const QString &printer, const QString &jobName);

} // namespace printerjob
