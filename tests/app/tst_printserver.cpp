// SPDX-License-Identifier: GPL-3.0-or-later
// Print servers that do not behave: one that takes the connection and never answers,
// one that answers something else than IPP, and none at all. Each is said as it is,
// and no wait lasts longer than the time limit (plus a margin for a slow machine).
#include "printerjob.h"
#include "printmessages.h"
#include "printserver.h"
#include "testfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <cups/cups.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr qint64 kMarginMs = 3000;

enum class Behaviour
{
    Silent,      // listens, never accepts nor answers
    Garbage,     // accepts and answers with text that is no IPP
    Closed,      // nothing listens at all
    Trickle,     // answers one byte a second, never done
    SlowBody,    // a whole header at once, then the IPP body one byte every 2 seconds
    SilentLater, // answers as a print server with one printer, the default, then goes silent
    Status       // answers every request with an HTTP status and no body
};

// A print server of the test's own on a free port of the loopback interface.
class FakeServer
{
public:
    // `answered`: for SilentLater, how many requests get their answer; `status`: for
    // Status, the HTTP status every answer has.
    explicit FakeServer(Behaviour behaviour, int answered = 0, int status = 0) : m_answered(answered)
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), size);
        ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&address), &size);
        m_port = ntohs(address.sin_port);
        if (behaviour == Behaviour::Closed) {
            ::close(m_fd); // the port was free a moment ago and nobody listens there now
            m_fd = -1;
            return;
        }
        ::listen(m_fd, 8);
        if (behaviour == Behaviour::Garbage)
            m_thread =
                std::thread([this] { answerWith("HELLO, this is no print server\r\n\r\nnothing here"); });
        if (behaviour == Behaviour::Status)
            m_thread = std::thread([this, status] {
                answerWith("HTTP/1.1 " + QByteArray::number(status) +
                           " Status\r\nContent-Length: 0\r\nWWW-Authenticate: Basic realm=\"CUPS\"\r\n"
                           "Upgrade: TLS/1.2, HTTP/1.1\r\n\r\n");
            });
        if (behaviour == Behaviour::Trickle || behaviour == Behaviour::SlowBody ||
            behaviour == Behaviour::SilentLater)
            m_thread = std::thread([this, behaviour] { converse(behaviour); });
    }
    ~FakeServer()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_fd >= 0)
            ::close(m_fd);
    }
    QString name() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    // The operation of the first request left without an answer, or -1.
    int unanswered() const { return m_unanswered; }

private:
    void answerWith(const QByteArray &answer)
    {
        while (!m_stop) {
            pollfd waiting{m_fd, POLLIN, 0};
            if (::poll(&waiting, 1, 100) <= 0)
                continue;
            const int client = ::accept(m_fd, nullptr, nullptr);
            char request[4096];
            (void)::read(client, request, sizeof request);
            (void)::write(client, answer.constData(), size_t(answer.size()));
            ::close(client);
        }
    }

    struct Client
    {
        int fd;
        QByteArray in;
        bool continued = false;
    };

    // The IPP request whole in `in` (headers, then a body of Content-Length bytes or
    // chunks), taken out of it; empty while more must come.
    static QByteArray takeRequest(Client &client)
    {
        const qsizetype end = client.in.indexOf("\r\n\r\n");
        if (end < 0)
            return {};
        const QByteArray head = client.in.left(end).toLower();
        if (head.contains("expect: 100-continue") && !client.continued) {
            const char go[] = "HTTP/1.1 100 Continue\r\n\r\n";
            (void)::write(client.fd, go, sizeof go - 1);
            client.continued = true;
        }
        QByteArray body;
        qsizetype pos = end + 4;
        if (head.contains("transfer-encoding: chunked")) {
            for (;;) {
                const qsizetype lineEnd = client.in.indexOf("\r\n", pos);
                if (lineEnd < 0)
                    return {};
                const qsizetype size = client.in.mid(pos, lineEnd - pos).toLongLong(nullptr, 16);
                if (client.in.size() < lineEnd + 2 + size + 2)
                    return {};
                body += client.in.mid(lineEnd + 2, size);
                pos = lineEnd + 2 + size + 2;
                if (size == 0)
                    break;
            }
        } else {
            const qsizetype at = head.indexOf("content-length:");
            const qsizetype length =
                at < 0 ? 0 : head.mid(at + 15).split('\r').first().trimmed().toLongLong();
            if (client.in.size() < pos + length)
                return {};
            body = client.in.mid(pos, length);
            pos += length;
        }
        client.in.remove(0, pos);
        client.continued = false;
        return body.isEmpty() ? QByteArray(1, '\0') : body;
    }

    struct Reading
    {
        QByteArray bytes;
        qsizetype pos = 0;
    };

    static ssize_t readFrom(void *context, ipp_uchar_t *buffer, size_t bytes)
    {
        auto *reading = static_cast<Reading *>(context);
        const qsizetype n = std::min<qsizetype>(qsizetype(bytes), reading->bytes.size() - reading->pos);
        memcpy(buffer, reading->bytes.constData() + reading->pos, size_t(n));
        reading->pos += n;
        return n;
    }

    static ssize_t writeTo(void *context, ipp_uchar_t *buffer, size_t bytes)
    {
        static_cast<QByteArray *>(context)->append(reinterpret_cast<const char *>(buffer), qsizetype(bytes));
        return ssize_t(bytes);
    }

    static int operationOf(const QByteArray &body)
    {
        Reading reading{body};
        ipp_t *request = ippNew();
        ippReadIO(&reading, &FakeServer::readFrom, 1, nullptr, request);
        const int operation = ippGetOperation(request);
        ippDelete(request);
        return operation;
    }

    // A print server's answer to the request: one printer, "Ufficio", the default.
    QByteArray answer(const QByteArray &body) const
    {
        Reading reading{body};
        ipp_t *request = ippNew();
        ippReadIO(&reading, &FakeServer::readFrom, 1, nullptr, request);
        ipp_t *response = ippNewResponse(request);
        switch (ippGetOperation(request)) {
        case IPP_OP_CUPS_GET_DEFAULT:
        case IPP_OP_CUPS_GET_PRINTERS:
        case IPP_OP_GET_PRINTER_ATTRIBUTES: {
            const QByteArray uri = QStringLiteral("ipp://127.0.0.1:%1/printers/Ufficio").arg(m_port).toUtf8();
            ippAddString(response, IPP_TAG_PRINTER, IPP_TAG_NAME, "printer-name", nullptr, "Ufficio");
            ippAddString(response, IPP_TAG_PRINTER, IPP_TAG_URI, "printer-uri-supported", nullptr,
                         uri.constData());
            ippAddString(response, IPP_TAG_PRINTER, IPP_TAG_URI, "device-uri", nullptr, "file:///dev/null");
            ippAddInteger(response, IPP_TAG_PRINTER, IPP_TAG_ENUM, "printer-state", IPP_PSTATE_IDLE);
            ippAddInteger(response, IPP_TAG_PRINTER, IPP_TAG_ENUM, "printer-type", CUPS_PRINTER_DEFAULT);
            ippAddBoolean(response, IPP_TAG_PRINTER, "printer-is-accepting-jobs", 1);
            break;
        }
        case IPP_OP_CREATE_JOB:
        case IPP_OP_PRINT_JOB:
        case IPP_OP_SEND_DOCUMENT:
            ippAddInteger(response, IPP_TAG_JOB, IPP_TAG_INTEGER, "job-id", 7);
            break;
        default:
            break;
        }
        QByteArray out;
        ippSetState(response, IPP_STATE_IDLE);
        ippWriteIO(&out, &FakeServer::writeTo, 1, nullptr, response);
        ippDelete(request);
        ippDelete(response);
        return out;
    }

    // Sends `bytes` one at a time, `pause` apart, while the test runs.
    void trickle(int fd, const QByteArray &bytes, std::chrono::milliseconds pause)
    {
        for (char byte : bytes) {
            for (auto waited = std::chrono::milliseconds(0); waited < pause && !m_stop;
                 waited += std::chrono::milliseconds(50))
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (m_stop || ::send(fd, &byte, 1, MSG_NOSIGNAL) != 1)
                return;
        }
    }

    void converse(Behaviour behaviour)
    {
        std::vector<Client> clients;
        int requests = 0;
        while (!m_stop) {
            std::vector<pollfd> waiting{{m_fd, POLLIN, 0}};
            for (const Client &client : clients)
                waiting.push_back({client.fd, POLLIN, 0});
            if (::poll(waiting.data(), nfds_t(waiting.size()), 100) <= 0)
                continue;
            if (waiting[0].revents & POLLIN)
                clients.push_back({::accept(m_fd, nullptr, nullptr), {}});
            for (size_t k = 1; k < waiting.size(); ++k) {
                Client &client = clients[k - 1];
                if (!(waiting[k].revents & (POLLIN | POLLHUP)))
                    continue;
                char buffer[65536];
                const ssize_t got = ::read(client.fd, buffer, sizeof buffer);
                if (got <= 0)
                    continue; // gone: kept, so its number is not taken again while we poll
                client.in.append(buffer, got);
                for (QByteArray body = takeRequest(client); !body.isEmpty(); body = takeRequest(client)) {
                    if (behaviour == Behaviour::SilentLater && requests++ >= m_answered) {
                        if (m_unanswered < 0)
                            m_unanswered = operationOf(body);
                        continue;
                    }
                    const QByteArray ipp = answer(body);
                    const QByteArray header = "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\n"
                                              "Content-Length: " +
                                              QByteArray::number(ipp.size()) + "\r\n\r\n";
                    if (behaviour == Behaviour::Trickle) {
                        trickle(client.fd, header + ipp, std::chrono::seconds(1));
                    } else if (behaviour == Behaviour::SlowBody) {
                        (void)::send(client.fd, header.constData(), size_t(header.size()), MSG_NOSIGNAL);
                        trickle(client.fd, ipp, std::chrono::seconds(2));
                    } else {
                        const QByteArray whole = header + ipp;
                        (void)::send(client.fd, whole.constData(), size_t(whole.size()), MSG_NOSIGNAL);
                    }
                }
            }
        }
        for (const Client &client : clients)
            ::close(client.fd);
    }

    int m_answered = 0;
    std::atomic<int> m_unanswered = -1;
    int m_fd = -1;
    int m_port = 0;
    std::atomic<bool> m_stop = false;
    std::thread m_thread;
};

QString expectedProblem(Behaviour behaviour, const QString &server)
{
    switch (behaviour) {
    case Behaviour::Silent:
    case Behaviour::Trickle:
    case Behaviour::SlowBody:
    case Behaviour::SilentLater:
        return printerjob::notAnswering(server, printerjob::PrintServer::kSeconds);
    case Behaviour::Garbage:
        return printerjob::strangeAnswer(server);
    default:
        return printerjob::unreachable(server);
    }
}

// vornak-cli print of a recipe, with the server in CUPS_SERVER as a user would set it.
struct PrintRun
{
    int exitCode = -1;
    QString out;
    QString errors;
    qint64 ms = 0;
};

PrintRun printWithServer(const QString &server, const QString &temporaryFolder = {}, int killAfterMs = 0)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"), server);
    if (!temporaryFolder.isEmpty())
        environment.insert(QStringLiteral("TMPDIR"), temporaryFolder);
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(VORNAK_CLI), {QStringLiteral("print"), dataFile("ricetta_uova.txt")});
    PrintRun run;
    if (killAfterMs > 0 && !process.waitForFinished(killAfterMs))
        process.kill();
    const bool finished = process.waitForFinished(120000);
    run.ms = clock.elapsed();
    if (!finished)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

Q_DECLARE_METATYPE(Behaviour)

class TestPrintServer : public QObject
{
    Q_OBJECT

private slots:
    void serversThatDoNotBehave_data()
    {
        QTest::addColumn<Behaviour>("behaviour");
        QTest::newRow("accepts and never answers") << Behaviour::Silent;
        QTest::newRow("answers with no IPP") << Behaviour::Garbage;
        QTest::newRow("nobody listens") << Behaviour::Closed;
        QTest::newRow("answers one byte a second") << Behaviour::Trickle;
        QTest::newRow("a header, then the body one byte every 2 s") << Behaviour::SlowBody;
    }

    // A server that answers a few requests and then goes silent: said as not answering
    // (it has a default printer, so never "no default"), and no retry makes the wait longer.
    void silentPartWay_data()
    {
        QTest::addColumn<int>("answered");
        for (int answered = 1; answered <= 10; ++answered)
            QTest::addRow("silent after %d answers", answered) << answered;
    }

    void silentPartWay()
    {
        QFETCH(int, answered);
        const FakeServer server(Behaviour::SilentLater, answered);
        cupsSetServer(server.name().toUtf8().constData());
        QElapsedTimer clock;
        clock.start();
        const printerjob::Destinations found = printerjob::destinations();
        QVERIFY2(clock.elapsed() < printerjob::PrintServer::kSeconds * 1000 + kMarginMs,
                 qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));
        if (found.reachable) // every request of this conversation had its answer
            QCOMPARE(found.defaultPrinter, QStringLiteral("Ufficio"));
        else
            QCOMPARE(found.problem, expectedProblem(Behaviour::SilentLater, server.name()));
    }

    // vornak-cli print against the same: whichever request meets the silence (the list of
    // printers, choosing the one to print on, the job, the look at its state), the whole
    // command ends within the limit and says the server does not answer, unless the job
    // was already taken.
    void commandLineSilentPartWay_data() { silentPartWay_data(); }

    void commandLineSilentPartWay()
    {
        QFETCH(int, answered);
        const FakeServer server(Behaviour::SilentLater, answered);
        const PrintRun run = printWithServer(server.name());
        QVERIFY2(run.ms < printerjob::PrintServer::kSeconds * 1000 + kMarginMs,
                 qPrintable(QStringLiteral("%1 ms").arg(run.ms)));
        if (run.exitCode == 0) {
            QCOMPARE(run.out, QStringLiteral("Stampa inviata a Ufficio\n"));
            QCOMPARE(run.errors, QString());
        } else {
            // Silent once it had the job, the server may print it all the same.
            const QString problem = expectedProblem(Behaviour::SilentLater, server.name());
            const bool hadTheJob = server.unanswered() == IPP_OP_PRINT_JOB;
            QCOMPARE(run.errors, QStringLiteral("AVVISO: ") +
                                     (hadTheJob ? printerjob::jobMayHaveArrived(problem) : problem) + u'\n');
            QCOMPARE(run.exitCode, 1);
        }
    }

    // A print killed while it waits for the server leaves no sheet in the temporary folder:
    // the PDF handed to libcups has no name once written.
    void killedPrintLeavesNoFile()
    {
        const FakeServer server(Behaviour::SilentLater, 4); // silent once the PDF is written
        QTemporaryDir folder;
        (void)printWithServer(server.name(), folder.path(), 2000);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // The lists of printers, as the window asks for them before printing.
    void serversThatDoNotBehave()
    {
        QFETCH(Behaviour, behaviour);
        const FakeServer server(behaviour);
        cupsSetServer(server.name().toUtf8().constData());
        QElapsedTimer clock;
        clock.start();
        const printerjob::Destinations found = printerjob::destinations();
        QVERIFY2(clock.elapsed() < printerjob::PrintServer::kSeconds * 1000 + kMarginMs,
                 qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));
        QVERIFY(!found.reachable);
        QCOMPARE(found.problem, expectedProblem(behaviour, server.name())); // the port is named
    }

    // A server that answers with an HTTP error is said as such, each status with its own
    // reason: reached, but wanting a password, forbidding, lacking the page, wanting
    // encryption, or failing. Never "unreachable", never "no printer".
    void serverThatRefuses_data()
    {
        QTest::addColumn<int>("status");
        for (const int status : {401, 403, 404, 426, 500, 503})
            QTest::addRow("%d", status) << status;
    }

    void serverThatRefuses()
    {
        QFETCH(int, status);
        const FakeServer server(Behaviour::Status, 0, status);
        cupsSetServer(server.name().toUtf8().constData());
        const printerjob::Destinations found = printerjob::destinations();
        QVERIFY(!found.reachable);
        QCOMPARE(found.problem, printerjob::refusedByServer(server.name(), status));
        const PrintRun run = printWithServer(server.name());
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.errors,
                 QStringLiteral("AVVISO: ") + printerjob::refusedByServer(server.name(), status) + u'\n');
    }

    // vornak-cli print, with the server in CUPS_SERVER as a user would set it.
    void commandLineSaysSo_data() { serversThatDoNotBehave_data(); }

    void commandLineSaysSo()
    {
        QFETCH(Behaviour, behaviour);
        const FakeServer server(behaviour);
        const PrintRun run = printWithServer(server.name());
        QVERIFY2(run.ms < printerjob::PrintServer::kSeconds * 1000 + kMarginMs,
                 qPrintable(QStringLiteral("%1 ms").arg(run.ms)));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.errors, QStringLiteral("AVVISO: ") + expectedProblem(behaviour, server.name()) + u'\n');
    }
};

QTEST_MAIN(TestPrintServer)
#include "tst_printserver.moc"
