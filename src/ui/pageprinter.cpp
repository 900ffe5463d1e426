// SPDX-License-Identifier: GPL-3.0-or-later
#include "pageprinter.h"

#include "messages.h"
#include "pagerenderer.h"
#include "printerjob.h"
#include "usertext.h"
#include "warnings.h"

#include <QCoreApplication>
#include <QFileDialog>

void PagePrinter::print(const Page &page, const QString &what, WarningSink &sink)
{
    const printerjob::Destinations found = destinations();
    QString printer = found.defaultPrinter;
    if (found.reachable && printer.isEmpty() && !found.printers.isEmpty()) {
        printer = sink.choose(QCoreApplication::translate("PagePrinter", "Stampa"),
                              printerjob::kNoDefault +
                                  QCoreApplication::translate("PagePrinter", ". Scegliere la stampante:"),
                              found.printers, QCoreApplication::translate("PagePrinter", "Stampa"));
        if (printer.isEmpty())
            return;
    }
    if (!printer.isEmpty()) {
        const printerjob::JobResult result = printOn(page, printer);
        if (!result.refusal.isEmpty())
            sink.warn(messages::kTitle, printerjob::failure(result.refusal));
        else if (!result.notice.isEmpty())
            sink.warn(messages::kTitle, result.notice);
        return;
    }
    const QString why = found.reachable ? printerjob::kNoPrinter : printerjob::unreachable(found.server);
    const QString offer = why + QStringLiteral(". Salvare %1 in un file PDF?").arg(what);
    if (sink.ask(messages::kTitle, offer, false) != WarningSink::Answer::Yes)
        return;
    const QString path = choosePdfPath();
    if (path.isEmpty())
        return;
    if (!writePdf(page, path))
        sink.warn(messages::kTitle,
                  usertext::aboutFile(printerjob::kCannotSavePdf, path, usertext::whyUnwritable(path)));
}

printerjob::Destinations PagePrinter::destinations()
{
    return printerjob::destinations();
}

printerjob::JobResult PagePrinter::printOn(const Page &page, const QString &printer)
{
    return printerjob::print(page, printer, QStringLiteral("Vornak"));
}

QString PagePrinter::choosePdfPath()
{
    QFileDialog dialog(m_parent);
    dialog.setObjectName(QStringLiteral("dlgPdf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("Documenti PDF(*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool PagePrinter::writePdf(const Page &page, const QString &path)
{
    return pagerenderer::writePdf(page, path);
}
