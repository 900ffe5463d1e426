// SPDX-License-Identifier: GPL-3.0-or-later
// Print servers that do not behave: one that takes the connection and never answers,
// one that answers something else than IPP, and none at all. Each is said as it is,
// and no wait lasts longer than the time limit (plus a margin for a slow machine).
#include "printerjob.h"
#include "printmessages.h"
#include "printserver.h"
#include "testfiles.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <atomic>
#include <cups/cups.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr qint64 kMarginMs = 3000;

enum class Behaviour
{
    Silent,  // listens, never accepts nor answers
    Garbage, // accepts and answers with text that is no IPP
    Closed   // nothing listens at all
};

// A print server of the test's own on a free port of the loopback interface.
class FakeServer
{
public:
    explicit FakeServer(Behaviour behaviour)
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
            m_thread = std::thread([this] { answerGarbage(); });
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

private:
    void answerGarbage()
    {
        while (!m_stop) {
            pollfd waiting{m_fd, POLLIN, 0};
            if (::poll(&waiting, 1, 100) <= 0)
                continue;
            const int client = ::accept(m_fd, nullptr, nullptr);
            char request[4096];
            (void)::read(client, request, sizeof request);
            const char answer[] = "HELLO, this is no print server\r\n\r\nnothing here";
            (void)::write(client, answer, sizeof answer - 1);
            ::close(client);
        }
    }

    int m_fd = -1;
    int m_port = 0;
    std::atomic<bool> m_stop = false;
    std::thread m_thread;
};

QString expectedProblem(Behaviour behaviour, const QString &server)
{
    switch (behaviour) {
    case Behaviour::Silent:
        return printerjob::notAnswering(server, printerjob::PrintServer::kSeconds);
    case Behaviour::Garbage:
        return printerjob::strangeAnswer(server);
    default:
        return printerjob::unreachable(server);
    }
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

    // vornak-cli print, with the server in CUPS_SERVER as a user would set it.
    void commandLineSaysSo_data() { serversThatDoNotBehave_data(); }

    void commandLineSaysSo()
    {
        QFETCH(Behaviour, behaviour);
        const FakeServer server(behaviour);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CUPS_SERVER"), server.name());
        process.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        process.start(QStringLiteral(VORNAK_CLI), {QStringLiteral("print"), dataFile("ricetta_uova.txt")});
        QVERIFY(process.waitForFinished(60000));
        QVERIFY2(clock.elapsed() < printerjob::PrintServer::kSeconds * 1000 + kMarginMs,
                 qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                 QStringLiteral("AVVISO: ") + expectedProblem(behaviour, server.name()) + u'\n');
    }
};

QTEST_MAIN(TestPrintServer)
#include "tst_printserver.moc"
