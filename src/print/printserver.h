// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <atomic>

typedef struct _http_s http_t;

// One conversation with the print server, never without end: connecting has kSeconds, and
// so has every request as a whole, however slowly the server trickles its answer in: at
// the deadline the connection is shut, the request fails and problem() says the server
// does not answer. After that the conversation asks nothing more (libcups would otherwise
// reconnect and try again), so the whole wait stays within the limit said.
namespace printerjob {

class PrintServer
{
public:
    static constexpr int kSeconds = 5;

    PrintServer();
    ~PrintServer();
    PrintServer(const PrintServer &) = delete;
    PrintServer &operator=(const PrintServer &) = delete;

    // The connection for libcups' requests; null when the server could not be reached,
    // did not answer a first request or let a request run out of time.
    http_t *http() const { return m_silent || m_timedOut ? nullptr : m_http; }

    // Runs `call` (one libcups call, which may make several requests) on the connection
    // within kSeconds; without calling it, a value-initialised result when the server
    // cannot be asked any more.
    template <typename Call> auto ask(Call call) const -> decltype(call(static_cast<http_t *>(nullptr)))
    {
        http_t *connection = http();
        if (!connection)
            return {};
        const Deadline deadline(*this);
        return call(connection);
    }

    // Where the server was looked for: its socket, or «host:port».
    static QString name();
    // Makes `name` the server of the calling thread: libcups keeps one per thread.
    static void use(const QString &name);

    // Why the last request failed, in the user's words: the server did not answer within
    // the limit, or answered something that is no print server's answer. Empty when the
    // last request had an answer of the print system's own (a refusal included).
    QString problem() const;

private:
    // While it lives, a watchdog thread shuts the connection once kSeconds have passed.
    class Deadline
    {
    public:
        explicit Deadline(const PrintServer &server);
        ~Deadline();
        Deadline(const Deadline &) = delete;
        Deadline &operator=(const Deadline &) = delete;

    private:
        struct Watch;
        Watch *m_watch;
    };

    static int onTimeout(http_t *http, void *self);

    http_t *m_http = nullptr;
    mutable std::atomic<bool> m_timedOut = false;
    bool m_silent = false; // the first request had no print server's answer
};

} // namespace printerjob
