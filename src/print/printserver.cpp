// SPDX-License-Identifier: GPL-3.0-or-later
#include "printserver.h"

#include "printmessages.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <cups/cups.h>
#include <sys/socket.h>

namespace printerjob {

struct PrintServer::Deadline::Watch
{
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    std::thread thread;
};

PrintServer::Deadline::Deadline(const PrintServer &server) : m_watch(new Watch)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kSeconds);
    m_watch->thread = std::thread([watch = m_watch, &server, deadline] {
        std::unique_lock lock(watch->mutex);
        if (watch->ended.wait_until(lock, deadline, [watch] { return watch->done; }))
            return;
        server.m_timedOut = true;
        // Shut the connection, and any libcups opens again to retry, until the call gives
        // up: a read or write on a shut socket fails at once. Only the socket's direction
        // is shut; libcups still closes it itself.
        do {
            if (const int fd = httpGetFd(server.m_http); fd >= 0)
                ::shutdown(fd, SHUT_RDWR);
        } while (
            !watch->ended.wait_for(lock, std::chrono::milliseconds(20), [watch] { return watch->done; }));
    });
}

PrintServer::Deadline::~Deadline()
{
    {
        const std::lock_guard lock(m_watch->mutex);
        m_watch->done = true;
    }
    m_watch->ended.notify_all();
    m_watch->thread.join();
    delete m_watch;
}

// No password is asked: the window has no terminal to ask on, and a server that wants one
// is said as such.
static const char *noPassword(const char *, http_t *, const char *, const char *, void *)
{
    return nullptr;
}

PrintServer::PrintServer()
{
    cupsSetPasswordCB2(noPassword, nullptr);
    m_http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kSeconds * 1000,
                          nullptr);
    if (!m_http)
        return;
    // A silence between two reads is looked at every half second; the request's own
    // deadline decides whether to wait on.
    httpSetTimeout(m_http, 0.5, &PrintServer::onTimeout, this);
    // One small request first: a server that takes the connection and stays silent is
    // found out once, not again by each request libcups would make on its own.
    ask([](http_t *http) {
        ippDelete(cupsDoRequest(http, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/"));
        return 0;
    });
    m_silent = !problem().isEmpty();
}

PrintServer::~PrintServer()
{
    if (m_http)
        httpClose(m_http);
}

int PrintServer::onTimeout(http_t *, void *self)
{
    // Waiting on while the request has time left; giving up once it has none, where
    // libcups would otherwise wait again, for ever.
    return static_cast<PrintServer *>(self)->m_timedOut ? 0 : 1;
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
    // An HTTP error is the server's own answer, said with its status, even where libcups
    // then gave up waiting or took it for an answer that is no IPP.
    // libcups reports a password it could not get (none is asked, see the constructor) as a
    // status of its own: the server's was 401.
    if (const int status = httpGetStatus(m_http); status == HTTP_STATUS_CUPS_AUTHORIZATION_CANCELED)
        return refusedByServer(name(), HTTP_STATUS_UNAUTHORIZED);
    else if (status >= HTTP_STATUS_MULTIPLE_CHOICES)
        return refusedByServer(name(), status);
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
