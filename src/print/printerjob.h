#pragma once

#include "page.h"
#include "printmessages.h"

#include <QString>

// Printers reached through CUPS. A page goes to the printer as the same PDF the
// "save as PDF" fallback writes, so both look alike and the print system tells
// at once whether it took the job.
namespace printerjob {

// The default printer's name ("name" or "name/instance"); empty when there is none.
QString defaultPrinter();

// Sends the page to `printer` as one job named `jobName`. Empty when the print
// system accepted the job; otherwise its reason for refusing it.
QString print(const Page &page, const QString &printer, const QString &jobName);

} // namespace printerjob
