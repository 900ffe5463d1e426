#include "printerjob.h"

#include "sheetrenderer.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace printerjob {

bool hasDefaultPrinter()
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

bool printOnDefaultPrinter(const Sheet &sheet, const QString &jobName)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(jobName);
    return sheetrenderer::render(sheet, printer) && printer.printerState() != QPrinter::Error;
}

} // namespace printerjob
