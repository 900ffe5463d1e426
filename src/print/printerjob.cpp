// SPDX-License-Identifier: GPL-3.0-or-later
#include "printerjob.h"

#include "pagerenderer.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryFile>

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

Dest namedDest(const QString &printer)
{
    const qsizetype slash = printer.indexOf(u'/');
    const QByteArray name = printer.left(slash).toUtf8();
    const QByteArray instance = slash < 0 ? QByteArray() : printer.mid(slash + 1).toUtf8();
    return Dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                 instance.isEmpty() ? nullptr : instance.constData()));
}

// Whether the print server answers at all: without it libcups only says that no
// printer exists, which is not the problem.
bool serverAnswers()
{
    http_t *http =
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 5000, nullptr);
    if (!http)
        return false;
    httpClose(http);
    return true;
}

// The reason a stopped queue gives: its state message ("Carta finita", as
// `cupsdisable -r` sets it) and any state reason beyond its being paused.
QString pauseReason(const cups_dest_t &dest)
{
    QStringList reasons;
    if (const char *uri = cupsGetOption("printer-uri-supported", dest.num_options, dest.options)) {
        ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                     "printer-state-message");
        ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
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

} // namespace

Destinations destinations()
{
    Destinations found;
    found.server = QString::fromUtf8(cupsServer());
    found.reachable = serverAnswers();
    if (!found.reachable)
        return found;
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    for (int k = 0; k < count; ++k)
        found.printers << nameOf(dests[k]);
    cupsFreeDests(count, dests);
    // The default as CUPS chooses it: LPDEST or PRINTER, lpoptions, then the server's.
    if (const Dest dest{cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr)})
        found.defaultPrinter = nameOf(*dest);
    return found;
}

JobResult print(const Page &page, const QString &printer, const QString &jobName)
{
    QTemporaryFile pdf(QDir::tempPath() + QStringLiteral("/vornak-XXXXXX.pdf"));
    if (!pdf.open() || !pagerenderer::writePdf(page, pdf.fileName()))
        return {QCoreApplication::translate("Print", "impossibile preparare il foglio da stampare"), {}};
    if (!serverAnswers())
        return {unreachable(QString::fromUtf8(cupsServer())), {}};
    const Dest dest = namedDest(printer);
    if (!dest)
        return {lastError(), {}};
    // The destination's saved options (an lpoptions instance, say) go with the job.
    const int job =
        cupsPrintFile2(CUPS_HTTP_DEFAULT, dest->name, QFile::encodeName(pdf.fileName()).constData(),
                       jobName.toUtf8().constData(), dest->num_options, dest->options);
    if (job <= 0)
        return {lastError(), {}};
    // A stopped queue takes the job and holds it: the user must know it will not come out yet.
    const Dest now = namedDest(printer);
    const char *state = now ? cupsGetOption("printer-state", now->num_options, now->options) : nullptr;
    if (state && QByteArray(state).toInt() == IPP_PSTATE_STOPPED)
        return {{}, paused(printer, pauseReason(*now))};
    return {};
}

} // namespace printerjob
