// SPDX-License-Identifier: GPL-3.0-or-later
#include "printerjob.h"

#include "filewriter.h"
#include "pagerenderer.h"
#include "printserver.h"
#include "usertext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <cerrno>

#include <cups/cups.h>

#include <memory>

namespace printerjob {
namespace {

// The print system's last error; libcups leaves it empty for a few refusals.
QString lastError()
{
    const QString reason = QString::fromUtf8(cupsLastErrorString()).trimmed();
    return reason.isEmpty()
               ? QCoreApplication::translate("Print", "il sistema di stampa non ha accettato il lavoro")
               : reason;
}

QString nameOf(const cups_dest_t &dest)
{
    QString name = QString::fromUtf8(dest.name);
    if (dest.instance)
        name += u'/' + QString::fromUtf8(dest.instance);
    return name;
}

struct DestDeleter
{
    void operator()(cups_dest_t *dest) const { cupsFreeDests(1, dest); }
};
using Dest = std::unique_ptr<cups_dest_t, DestDeleter>;

// The printer from the server's list, with its saved options. cupsGetNamedDest is not
// used: when its request goes unanswered it looks again on a connection of its own,
// which no time limit of ours covers. Null for a queue or instance the server lacks.
Dest namedDest(const PrintServer &server, const QString &printer)
{
    const qsizetype slash = printer.indexOf(u'/');
    const QByteArray name = printer.left(slash).toUtf8();
    const QByteArray instance = slash < 0 ? QByteArray() : printer.mid(slash + 1).toUtf8();
    cups_dest_t *dests = nullptr;
    const int count = server.ask([&](http_t *http) { return cupsGetDests2(http, &dests); });
    cups_dest_t *copy = nullptr;
    if (const cups_dest_t *found =
            cupsGetDest(name.constData(), instance.isEmpty() ? nullptr : instance.constData(), count, dests))
        cupsCopyDest(const_cast<cups_dest_t *>(found), 0, &copy);
    cupsFreeDests(count, dests);
    return Dest(copy);
}

// The reason a stopped queue gives: its state message ("Carta finita", as
// `cupsdisable -r` sets it) and any state reason beyond its being paused.
QString pauseReason(const PrintServer &server, const cups_dest_t &dest)
{
    QStringList reasons;
    if (const char *uri = cupsGetOption("printer-uri-supported", dest.num_options, dest.options)) {
        ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                     "printer-state-message");
        bool asked = false; // cupsDoRequest frees the request
        ipp_t *response = server.ask([&](http_t *http) {
            asked = true;
            return cupsDoRequest(http, request, "/");
        });
        if (!asked)
            ippDelete(request);
        if (ipp_attribute_t *message = ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT)) {
            const QString text = QString::fromUtf8(ippGetString(message, 0, nullptr)).trimmed();
            // "Paused" is what CUPS says when nobody gave a reason.
            if (!text.isEmpty() && text.compare(QStringLiteral("Paused"), Qt::CaseInsensitive) != 0)
                reasons << text;
        }
        ippDelete(response);
    }
    const QString keywords =
        QString::fromUtf8(cupsGetOption("printer-state-reasons", dest.num_options, dest.options));
    for (const QString &keyword : keywords.split(u',', Qt::SkipEmptyParts))
        if (keyword != QStringLiteral("none") && keyword != QStringLiteral("paused"))
            reasons << keyword;
    return reasons.join(QStringLiteral(", "));
}

// LPDEST, then PRINTER, as libcups reads them: the queue the user named as default.
std::pair<QString, QString> defaultFromEnvironment()
{
    for (const char *variable : {"LPDEST", "PRINTER"})
        if (const QString value = qEnvironmentVariable(variable); !value.isEmpty())
            return {value, QString::fromLatin1(variable)};
    return {};
}

// The accepted job's printer, when it is stopped: the notice that the job waits.
QString pauseNotice(const PrintServer &server, const QString &printer)
{
    const Dest now = namedDest(server, printer);
    const char *state = now ? cupsGetOption("printer-state", now->num_options, now->options) : nullptr;
    if (state && QByteArray(state).toInt() == IPP_PSTATE_STOPPED)
        return paused(printer, pauseReason(server, *now));
    return QString();
}

// One Print-Job request with the file, on the conversation's own connection.
// cupsPrintFile2 is not used: it looks the printer up again, and when that goes
// unanswered it asks on a connection of its own that no time limit of ours covers.
// The job number, or 0 when the job was not taken.
int sendJob(const PrintServer &server, const cups_dest_t &dest, const QString &path, const QString &jobName)
{
    const char *uri = cupsGetOption("printer-uri-supported", dest.num_options, dest.options);
    char localUri[HTTP_MAX_URI];
    if (!uri) {
        httpAssembleURIf(HTTP_URI_CODING_ALL, localUri, sizeof localUri, "ipp", nullptr, "localhost",
                         ippPort(), "/printers/%s", dest.name);
        uri = localUri;
    }
    ipp_t *request = ippNewRequest(IPP_OP_PRINT_JOB);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, jobName.toUtf8().constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, "application/pdf");
    // The destination's saved options (an lpoptions instance, say) go with the job.
    cupsEncodeOptions2(request, dest.num_options, dest.options, IPP_TAG_OPERATION);
    cupsEncodeOptions2(request, dest.num_options, dest.options, IPP_TAG_JOB);
    const QByteArray resource = QByteArrayLiteral("/printers/") + dest.name;
    bool asked = false; // cupsDoFileRequest frees the request
    ipp_t *response = server.ask([&](http_t *http) {
        asked = true;
        return cupsDoFileRequest(http, request, resource.constData(), QFile::encodeName(path).constData());
    });
    if (!asked)
        ippDelete(request);
    int job = 0;
    if (cupsLastError() <= IPP_STATUS_OK_CONFLICTING)
        if (ipp_attribute_t *id = ippFindAttribute(response, "job-id", IPP_TAG_INTEGER))
            job = ippGetInteger(id, 0);
    ippDelete(response);
    return job;
}

} // namespace

Destinations destinations()
{
    Destinations found;
    found.server = PrintServer::name();
    const PrintServer server;
    cups_dest_t *dests = nullptr;
    const int count = server.ask([&](http_t *http) { return cupsGetDests2(http, &dests); });
    if (const QString problem = server.problem(); !problem.isEmpty()) {
        cupsFreeDests(count, dests);
        found.reachable = false;
        found.problem = problem;
        return found;
    }
    for (int k = 0; k < count; ++k)
        found.printers << nameOf(dests[k]);
    cupsFreeDests(count, dests);
    // LPDEST or PRINTER naming no queue of the server is said as such: libcups would only
    // report that there is no default.
    if (const auto [named, variable] = defaultFromEnvironment();
        !named.isEmpty() && !found.printers.contains(named)) {
        found.missingDefault = missingDefault(named, variable);
        return found;
    }
    // The default as CUPS chooses it: LPDEST or PRINTER, lpoptions, then the server's.
    const Dest dest{server.ask([](http_t *http) { return cupsGetNamedDest(http, nullptr, nullptr); })};
    // A server that went silent has a default all the same: said as not answering, never
    // as having none.
    if (const QString problem = server.problem(); !problem.isEmpty()) {
        found.reachable = false;
        found.problem = problem;
        return found;
    }
    if (dest)
        found.defaultPrinter = nameOf(*dest);
    return found;
}

QString refusalText(const JobResult &result)
{
    if (!result.problem.isEmpty())
        return result.problem;
    return result.refusal.isEmpty() ? QString() : failure(result.refusal);
}

JobResult print(const Page &page, const QString &printer, const QString &jobName)
{
    return printPdf(pagerenderer::pdf(page), printer, jobName);
}

JobResult printPdf(const QByteArray &pdf, const QString &printer, const QString &jobName)
{
    // A new name in the temporary folder, written by the one writer. Once written it is
    // kept open and its name removed at once, so that not even a killed program leaves it
    // behind; libcups reads it through the open descriptor.
    const QString path =
        QDir::tempPath() + QStringLiteral("/vornak-%1.pdf")
                               .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
    const std::unique_ptr<const QString, void (*)(const QString *)> removal(
        &path, [](const QString *p) { QFile::remove(*p); });
    // The print system gets the file only once every byte of it is on the disk.
    if (const QString why =
            pdf.isEmpty() ? QCoreApplication::translate("pagerenderer", "il foglio non si è potuto disegnare")
                          : filewriter::write(path, pdf);
        !why.isEmpty())
        return {{}, {}, usertext::aboutFile(kCannotSavePdf, path, why)};
    QFile written(path);
    if (!written.open(QIODevice::ReadOnly))
        return {{}, {}, usertext::aboutFile(kCannotSavePdf, path, written.errorString())};
    QFile::remove(path);
    const QString openPath = QStringLiteral("/proc/self/fd/%1").arg(written.handle());
    const PrintServer server;
    if (!server.http())
        return {{}, {}, server.problem()};
    // An instance the server does not know is never taken for its plain queue.
    const Dest dest = namedDest(server, printer);
    if (!dest)
        return {{}, {}, server.problem().isEmpty() ? unknownPrinter(printer) : server.problem()};
    const int job = sendJob(server, *dest, openPath, jobName);
    if (job <= 0) {
        // Silent after the job was sent is not the same as never reached.
        const QString problem = server.problem();
        return {lastError(), {}, problem.isEmpty() ? problem : jobMayHaveArrived(problem)};
    }
    // A stopped queue takes the job and holds it: the user must know it will not come out yet.
    return {{}, pauseNotice(server, printer), {}};
}

} // namespace printerjob
