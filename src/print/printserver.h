// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

typedef struct _http_s http_t;

// One conversation with the print server, never without end: connecting and every
// request each have kSeconds, after which the request fails and problem() says the
// server does not answer.
namespace printerjob {

class PrintServer
{
public:
    static constexpr int kSeconds = 5;

    PrintServer();
    ~PrintServer();
    PrintServer(const PrintServer &) = delete;
    PrintServer &operator=(const PrintServer &) = delete;

    // The connection for libcups' requests; null when the server could not be reached
    // or did not answer a first request.
    http_t *http() const { return m_silent ? nullptr : m_http; }

    // Where the server was looked for: its socket, or «host:port».
    static QString name();
    // Makes `name` the server of the calling thread: libcups keeps one per thread.
    static void use(const QString &name);

    // Why the last request failed, in the user's words: the server did not answer within
    // the limit, or answered something that is no print server's answer. Empty when the
    // last request had an answer of the print system's own (a refusal included).
    QString problem() const;

private:
    static int onTimeout(http_t *http, void *self);

    http_t *m_http = nullptr;
    bool m_timedOut = false;
    bool m_silent = false; // the first request had no print server's answer
};

} // namespace printerjob
