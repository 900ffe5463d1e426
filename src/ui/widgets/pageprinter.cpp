// SPDX-License-Identifier: GPL-3.0-or-later
#include "pageprinter.h"

#include "messageboxsink.h"
#include "messages.h"
#include "pagerenderer.h"
#include "printerjob.h"
#include "printserver.h"
#include "replacequestion.h"
#include "usertext.h"
#include "warnings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QThread>

namespace {

// Runs a conversation with the print server on a thread of its own while the window
// goes on painting (input waits until it ends, so nothing is pressed twice); the print
// server's time limit bounds the wait.
template <typename Work> auto awayFromWindow(Work work)
{
    decltype(work()) result{};
    const QString server = printerjob::PrintServer::name(); // libcups keeps one per thread
    QEventLoop loop;
    QThread *thread = QThread::create([&] {
        printerjob::PrintServer::use(server);
        result = work();
    });
    QObject::connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    thread->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    thread->wait();
    delete thread;
    QApplication::restoreOverrideCursor();
    return result;
}

} // namespace

void PagePrinter::print(const Page &page, const QString &what, WarningSink &sink)
{
    // Thousands of sheets are a note pasted by mistake more often than a wish.
    if (const int pages = pagerenderer::pageCount(page); pages > pagerenderer::kManyPages) {
        const WarningSink::Question question{
            messages::kTitle,
            QCoreApplication::translate("PagePrinter", "Sono %n pagine da stampare per %1.\nContinuare?",
                                        nullptr, pages)
                .arg(what),
            QCoreApplication::translate("PagePrinter", "&Continua"),
            QCoreApplication::translate("PagePrinter", "&Annulla"),
            QString(),
            WarningSink::Answer::No};
        if (sink.askWith(question) != WarningSink::Answer::Yes)
            return;
    }
    const printerjob::Destinations found = destinations();
    QString printer = found.defaultPrinter;
    if (found.reachable && !found.missingDefault.isEmpty())
        sink.warn(messages::kTitle, found.missingDefault);
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
        if (const QString refusal = printerjob::refusalText(result); !refusal.isEmpty())
            sink.warn(messages::kTitle, refusal);
        else if (!result.notice.isEmpty())
            sink.warn(messages::kTitle, result.notice);
        return;
    }
    const QString why = found.reachable           ? printerjob::kNoPrinter
                        : found.problem.isEmpty() ? printerjob::unreachable(found.server)
                                                  : found.problem;
    const QString offer =
        why + QCoreApplication::translate("PagePrinter", ". Salvare %1 in un file PDF?").arg(what);
    if (sink.ask(messages::kTitle, offer, false) != WarningSink::Answer::Yes)
        return;
    const QString path = choosePdfPath();
    if (path.isEmpty())
        return;
    if (const QString why = writePdf(page, path); !why.isEmpty())
        sink.warn(messages::kTitle, usertext::aboutFile(printerjob::kCannotSavePdf, path, why));
}

printerjob::Destinations PagePrinter::destinations()
{
    return awayFromWindow([] { return printerjob::destinations(); });
}

printerjob::JobResult PagePrinter::printOn(const Page &page, const QString &printer)
{
    // Drawn here: fonts and painting belong to the window's thread.
    const QByteArray pdf = pagerenderer::pdf(page);
    return awayFromWindow([&] { return printerjob::printPdf(pdf, printer, QStringLiteral("Vornak")); });
}

QString PagePrinter::choosePdfPath()
{
    QFileDialog dialog(m_parent);
    dialog.setObjectName(QStringLiteral("dlgPdf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QCoreApplication::translate("PagePrinter", "Documenti PDF(*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    MessageBoxSink sink(m_parent);
    return replacequestion::chooseSavePath(dialog, sink);
}

QString PagePrinter::writePdf(const Page &page, const QString &path)
{
    return pagerenderer::writePdf(page, path);
}
