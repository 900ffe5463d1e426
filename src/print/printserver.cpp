// SPDX-License-Identifier: GPL-3.0-or-later
#include "printserver.h"

#include "printmessages.h"

#include <cups/cups.h>

namespace printerjob {

PrintServer::PrintServer()
{
    m_http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kSeconds * 1000,
                          nullptr);
    if (!m_http)
        return;
    httpSetTimeout(m_http, kSeconds, &PrintServer::onTimeout, this);
    // One small request first: a server that takes the connection and stays silent is
    // found out once, not again by each request libcups would make on its own.
    ippDelete(cupsDoRequest(m_http, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/"));
    m_silent = !problem().isEmpty();
}

PrintServer::~PrintServer()
{
    if (m_http)
        httpClose(m_http);
}

int PrintServer::onTimeout(http_t *, void *self)
{
    // Giving up at once: libcups would otherwise wait again, for ever.
    static_cast<PrintServer *>(self)->m_timedOut = true;
    return 0;
}

QString PrintServer::name()
{
    const QString server = QString::fromUtf8(cupsServer());
    if (server.startsWith(u'/'))
        return server;
    return QStringLiteral("%1:%2").arg(server).arg(ippPort());
}

void PrintServer::use(const QString &name)
{
    cupsSetServer(name.toUtf8().constData());
}

QString PrintServer::problem() const
{
    if (!m_http)
        return unreachable(name());
    if (m_timedOut)
        return notAnswering(name(), kSeconds);
    switch (cupsLastError()) {
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
    case IPP_STATUS_ERROR_INTERNAL:
        // what libcups reports for an answer it could not read as IPP
        return strangeAnswer(name());
    default:
        return QString();
    }
}

} // namespace printerjob
