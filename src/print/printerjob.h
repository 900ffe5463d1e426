#pragma once

#include "sheet.h"

// The default printer, reached through Qt's print support.
namespace printerjob {

bool hasDefaultPrinter();

// Prints the sheet as one job on the default printer; false when that fails.
bool printOnDefaultPrinter(const Sheet &sheet, const QString &jobName);

} // namespace printerjob
