// SPDX-License-Identifier: GPL-3.0-or-later
// The window keeps running while the print server makes it wait: the conversation runs
// on a thread of its own, and what the server did is said when the limit has passed.
#include "pageprinter.h"
#include "pagerenderer.h"
#include "printmessages.h"
#include "printserver.h"
#include "recordingsink.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cups/cups.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Saves the PDF offered instead at `pdfPath`; finds no printer at all when there is one.
class QuestionPrinter : public PagePrinter
{
public:
    using PagePrinter::PagePrinter;
    QString pdfPath;

protected:
    QString choosePdfPath() override { return pdfPath; }
    printerjob::Destinations destinations() override
    {
        if (!pdfPath.isEmpty())
            return {}; // no printer at all
        return PagePrinter::destinations();
    }
};

} // namespace

class TestPagePrinter : public QObject
{
    Q_OBJECT

private slots:
    void silentServerLeavesTheWindowRunning()
    {
        // Listens, never accepts nor answers.
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), size), 0);
        ::listen(fd, 8);
        ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &size);
        const QString server = QStringLiteral("127.0.0.1:%1").arg(ntohs(address.sin_port));
        cupsSetServer(server.toUtf8().constData());

        QWidget window;
        window.show();
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(100);
        QuestionPrinter printer(&window);
        RecordingSink sink;
        sink.nextAnswers = {WarningSink::Answer::No};
        Page page;
        page.addLine().at(3).text(QStringLiteral("Prova"));
        printer.print(page, QStringLiteral("la ricetta"), sink);
        ::close(fd);

        // The window's own events went on all the while (a frozen one would count none).
        QVERIFY2(ticks >= printerjob::PrintServer::kSeconds * 5, qPrintable(QString::number(ticks)));
        QCOMPARE(sink.questions.size(), 1);
        QCOMPARE(sink.questions.first().second,
                 printerjob::notAnswering(server, printerjob::PrintServer::kSeconds) +
                     QStringLiteral(". Salvare la ricetta in un file PDF?"));
        QVERIFY(!QApplication::overrideCursor()); // the wait cursor is gone again
    }

    // The PDF offered instead goes through the one writer: a device is refused at once.
    void pdfFallbackRefusesADevice()
    {
        QWidget window;
        QuestionPrinter printer(&window);
        printer.pdfPath = QStringLiteral("/dev/full");
        RecordingSink sink;
        sink.nextAnswers = {WarningSink::Answer::Yes};
        Page page;
        page.addLine().at(3).text(QStringLiteral("Prova"));
        printer.print(page, QStringLiteral("la ricetta"), sink);
        QCOMPARE(sink.texts(),
                 QStringList{QStringLiteral("Impossibile salvare il file PDF\nFile «/dev/full»: non è "
                                            "un file normale (è una pipe o un dispositivo)")});
    }

    // Above a few dozen sheets the window asks first, with the count; "No" prints nothing.
    void manySheetsAskFirst_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("goOn");
        QTest::addColumn<bool>("asks");
        QTest::addRow("one sheet") << 1 << true << false;
        QTest::addRow("a few sheets") << 500 << true << false;
        QTest::addRow("thousands of lines, go on") << 5000 << true << true;
        QTest::addRow("thousands of lines, cancelled") << 5000 << false << true;
    }

    void manySheetsAskFirst()
    {
        QFETCH(int, lines);
        QFETCH(bool, goOn);
        QFETCH(bool, asks);
        Page page;
        for (int k = 0; k < lines; ++k)
            page.addLine().at(3).text(QStringLiteral("x"));
        const int pages = pagerenderer::pageCount(page);
        QCOMPARE(pages > pagerenderer::kManyPages, asks);
        QWidget window;
        QuestionPrinter printer(&window);
        QTemporaryDir dir;
        printer.pdfPath = dir.filePath(QStringLiteral("foglio.pdf"));
        RecordingSink sink;
        sink.nextAnswers = {goOn ? WarningSink::Answer::Yes : WarningSink::Answer::No,
                            WarningSink::Answer::Yes};
        printer.print(page, QStringLiteral("la ricetta"), sink);
        QCOMPARE(sink.questions.size(), asks ? (goOn ? 2 : 1) : 1);
        if (asks)
            QCOMPARE(sink.questions.first().second,
                     QStringLiteral("Sono %1 pagine da stampare per la ricetta.\nContinuare?").arg(pages));
        QCOMPARE(QFileInfo::exists(printer.pdfPath), goOn);
    }
};

QTEST_MAIN(TestPagePrinter)
#include "tst_pageprinter.moc"
