// SPDX-License-Identifier: GPL-3.0-or-later
// Printing through a real print system: run by withcups.sh, which starts a CUPS server
// of its own with a cups-pdf queue as the default printer.
#include "fakechooser.h"
#include "formprinc.h"
#include "frmconvertitore.h"
#include "modalwatcher.h"
#include "pageprinter.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cups/cups.h>

namespace {

enum class Way
{
    RecipeWindow,
    ConverterWindow,
    Cli
};

enum class State
{
    Paused,
    Unreachable,
    NoDefault
};

struct Run
{
    int exitCode = -1;
    QString out; // standard output and error; for a window, the texts of its boxes
};

Run run(const QString &program, const QStringList &arguments, const QString &cupsServer = {})
{
    QProcess process;
    if (!cupsServer.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CUPS_SERVER"), cupsServer);
        process.setProcessEnvironment(environment);
    }
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError())};
}

// The real printer side; only the PDF file dialog answers with a path the test chose.
class PdfPathPrinter : public PagePrinter
{
public:
    PdfPathPrinter(QWidget *parent, const QString &path) : PagePrinter(parent), m_path(path) {}

protected:
    QString choosePdfPath() override { return m_path; }

private:
    QString m_path;
};

void type(QWidget *window, const QString &name, const QString &text)
{
    auto *edit = window->findChild<QLineEdit *>(name);
    QVERIFY2(edit, qPrintable(name));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void click(QWidget *window, const QString &name)
{
    QTest::mouseClick(window->findChild<QPushButton *>(name), Qt::LeftButton);
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

    const QString queue = qEnvironmentVariable("VORNAK_TEST_QUEUE");
    QDir pdfDir{qEnvironmentVariable("VORNAK_TEST_PDF_DIR")};
    const QString recipe = QStringLiteral(VORNAK_TEST_DATA "/ricetta_uova.txt");
    QTemporaryDir dir;

    // Prints the recipe (or a 40/60 conversion) one way, answering "Sì" to the offer of a PDF
    // and choosing `chosen` where the window asks for a printer; vornak-cli takes `options`
    // and, when given, the print server `cupsServer`.
    Run printThrough(Way way, const QString &pdfPath, const QString &chosen = {},
                     const QStringList &options = {}, const QString &cupsServer = {})
    {
        if (way == Way::Cli)
            return run(QStringLiteral(VORNAK_CLI), QStringList{QStringLiteral("print"), recipe} + options,
                       cupsServer);
        FormPrinc form; // with the real printer side; only the PDF path is the test's
        auto chooser = std::make_unique<FakeChooser>();
        chooser->openPath = recipe;
        form.setFileChooser(std::move(chooser));
        form.setPagePrinter(std::make_unique<PdfPathPrinter>(&form, pdfPath));
        form.show();
        ModalWatcher watcher;
        watcher.answer = QStringLiteral("Sì");
        watcher.onDialog = [&](QDialog *dialog) {
            auto *list = qobject_cast<QInputDialog *>(dialog);
            if (!list || list->objectName() != QStringLiteral("dlgStampante") || chosen.isEmpty()) {
                watcher.unexpected << dialog->objectName();
                dialog->reject();
                return;
            }
            watcher.boxes.append(
                {list->windowTitle(), list->labelText() + u' ' + list->comboBoxItems().join(u',')});
            list->setTextValue(chosen);
            list->accept();
        };
        if (way == Way::RecipeWindow) {
            click(&form, QStringLiteral("CmdApri"));
            click(&form, QStringLiteral("CmdStampa"));
        } else {
            click(&form, QStringLiteral("CmdConvertitore"));
            FrmConvertitore *converter = form.converterWindow();
            converter->setPagePrinter(std::make_unique<PdfPathPrinter>(converter, pdfPath));
            for (const auto &[name, text] : {std::pair{"TxtImpostaPeso", "1000"},
                                             {"Txt1", "Mais"},
                                             {"TxtPercent1", "40"},
                                             {"Txt2", "Latte"},
                                             {"TxtPercent2", "60"}})
                type(converter, QString::fromLatin1(name), QString::fromLatin1(text));
            click(converter, QStringLiteral("CmdCalcola"));
            click(converter, QStringLiteral("CmdStampa"));
        }
        return {0, (watcher.texts() + watcher.unexpected).join(u'\n')};
    }

    // The PDF cups-pdf wrote for the one job sent, once `printer` has finished it.
    QString waitForPrintedPdf(const QString &printer)
    {
        const QDeadlineTimer deadline(30000);
        while (!deadline.hasExpired()) {
            const QStringList pdfs = pdfDir.entryList({QStringLiteral("*.pdf")});
            if (!pdfs.isEmpty() &&
                run(QStringLiteral("lpstat"), {QStringLiteral("-o"), printer}).out.isEmpty())
                return pdfs.size() == 1 ? pdfDir.filePath(pdfs.constFirst()) : QString();
            QTest::qWait(200);
        }
        return {};
    }

    void clearPdfDir()
    {
        for (const QString &pdf : pdfDir.entryList({QStringLiteral("*.pdf")}))
            QVERIFY(pdfDir.remove(pdf));
    }

    void setUpWays()
    {
        QTest::addColumn<Way>("way");
        QTest::newRow("recipe window") << Way::RecipeWindow;
        QTest::newRow("converter window") << Way::ConverterWindow;
        QTest::newRow("vornak-cli") << Way::Cli;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!queue.isEmpty() && pdfDir.exists(), "run this test through tests/print/withcups.sh");
        QVERIFY(dir.isValid());
    }

    void acceptedJobsArriveOnePageA4_data() { setUpWays(); }

    void acceptedJobsArriveOnePageA4()
    {
        QFETCH(Way, way);
        clearPdfDir();
        const Run outcome = printThrough(way, dir.filePath(QStringLiteral("unused.pdf")));
        QCOMPARE(outcome.out,
                 way == Way::Cli ? QStringLiteral("Stampa inviata a %1\n").arg(queue) : QString());
        QCOMPARE(outcome.exitCode, 0);

        const QString pdf = waitForPrintedPdf(queue);
        QVERIFY2(!pdf.isEmpty(), "cups-pdf wrote no PDF (or more than one) within 30 seconds");
        const QString info = run(QStringLiteral("pdfinfo"), {pdf}).out;
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size: .*\\(A4\\)"))),
                 qPrintable(info));

        const QString text =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}).out;
        const bool recipe = way != Way::ConverterWindow;
        for (const QString &expected : recipe ? QStringList{"Boilie al latte", "Prot. 28,15%"}
                                              : QStringList{"Conversione Percentuale - Grammi", "600 gr."})
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" missing in:\n") + text));

        // Landscape: the lines run along the paper's long side, however the page is turned.
        const QString boxes =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}).out;
        const auto page =
            QRegularExpression(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\"")).match(boxes);
        const auto word =
            QRegularExpression(QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                              "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">%1<")
                                   .arg(recipe ? QStringLiteral("Ricetta:") : QStringLiteral("Conversione")))
                .match(boxes);
        QVERIFY2(page.hasMatch() && word.hasMatch(), qPrintable(boxes));
        const bool pageWide = page.captured(1).toDouble() > page.captured(2).toDouble();
        const bool lineWide = word.captured(3).toDouble() - word.captured(1).toDouble() >
                              word.captured(4).toDouble() - word.captured(2).toDouble();
        QCOMPARE(pageWide == lineWide, recipe);
    }

    void refusedJobsAreReported_data() { setUpWays(); }

    void refusedJobsAreReported()
    {
        QFETCH(Way, way);
        QCOMPARE(run(QStringLiteral("cupsreject"), {queue}).exitCode, 0);
        const Run outcome = printThrough(way, dir.filePath(QStringLiteral("unused.pdf")));
        const QString prefix = way == Way::Cli ? QStringLiteral("AVVISO: Stampa non riuscita: ")
                                               : QStringLiteral("Stampa non riuscita: ");
        // One message: the prefix and the print system's reason, on one line.
        QVERIFY2(outcome.out.startsWith(prefix) && outcome.out.trimmed().size() > prefix.size() &&
                     !outcome.out.trimmed().contains(u'\n'),
                 qPrintable(outcome.out));
        QCOMPARE(outcome.exitCode, way == Way::Cli ? 1 : 0);
    }

    // What the print system's state means to the user: a paused queue holds the job, a server
    // that does not answer is named, and queues without a default are offered (the window asks,
    // vornak-cli lists them for --printer). `told` has %1 for the queue, %2 for the server.
    void printSystemStatesAreSaid_data()
    {
        QTest::addColumn<State>("state");
        QTest::addColumn<Way>("way");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("told");
        QTest::addColumn<int>("exitCode");
        const QString paused =
            QStringLiteral("La stampante %1 è in pausa (Carta finita): il lavoro resta in coda "
                           "e sarà stampato quando la stampante verrà riattivata");
        const QString unreachable = QStringLiteral("Impossibile raggiungere il server di stampa «%2»");
        const QString other = queue + QStringLiteral("-b");
        QTest::newRow("paused, window") << State::Paused << Way::RecipeWindow << QStringList() << paused << 0;
        QTest::newRow("paused, vornak-cli")
            << State::Paused << Way::Cli << QStringList() << "Stampa inviata a %1\nAVVISO: " + paused + "\n"
            << 0;
        QTest::newRow("no server, window") << State::Unreachable << Way::RecipeWindow << QStringList()
                                           << unreachable + ". Salvare la ricetta in un file PDF?" << 0;
        QTest::newRow("no server, vornak-cli --printer")
            << State::Unreachable << Way::Cli << QStringList{"--printer", queue}
            << "AVVISO: " + unreachable + "\n"
            << 1;
        QTest::newRow("no default, window asks")
            << State::NoDefault << Way::RecipeWindow << QStringList()
            << "Nessuna stampante predefinita. Scegliere la stampante: " + other << 0;
        QTest::newRow("no default, vornak-cli lists the queues")
            << State::NoDefault << Way::Cli << QStringList()
            << "AVVISO: Nessuna stampante predefinita: indicarne una con --printer NOME tra queste: " +
                   other + "\n"
            << 1;
        QTest::newRow("no default, vornak-cli --printer")
            << State::NoDefault << Way::Cli << QStringList{"--printer", other}
            << "Stampa inviata a " + other + "\n"
            << 0;
    }

    void printSystemStatesAreSaid()
    {
        QFETCH(State, state);
        QFETCH(Way, way);
        QFETCH(QStringList, options);
        QFETCH(QString, told);
        QFETCH(int, exitCode);
        const QString other = queue + QStringLiteral("-b");
        const QString socket = dir.filePath(QStringLiteral("nessuno.sock"));
        const QByteArray server = cupsServer();
        clearPdfDir();
        if (state == State::Paused) {
            run(QStringLiteral("cupsaccept"), {queue});
            run(QStringLiteral("cupsdisable"), {QStringLiteral("-r"), QStringLiteral("Carta finita"), queue});
        } else if (state == State::Unreachable) {
            cupsSetServer(
                QFile::encodeName(socket).constData()); // for the window; vornak-cli by its environment
        } else { // a second queue writing where the first does; removing the default leaves none
            run(QStringLiteral("lpadmin"),
                {QStringLiteral("-p"), other, QStringLiteral("-v"), "cups-pdf:/" + queue,
                 QStringLiteral("-P"), qEnvironmentVariable("VORNAK_TEST_PPD"), "-E"});
            run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue});
        }
        const QString pdf = dir.filePath(QTest::currentDataTag() + QStringLiteral(".pdf"));
        const Run outcome =
            printThrough(way, pdf, other, options, state == State::Unreachable ? socket : QString());
        cupsSetServer(server.constData());
        if (state == State::Paused) {
            run(QStringLiteral("cancel"), {QStringLiteral("-a"), queue});
            run(QStringLiteral("cupsenable"), {queue});
        }
        QCOMPARE(outcome.out,
                 QString(told).replace(QStringLiteral("%1"), queue).replace(QStringLiteral("%2"), socket));
        QCOMPARE(outcome.exitCode, exitCode);
        QCOMPARE(QFile::exists(pdf),
                 state == State::Unreachable && way == Way::RecipeWindow); // offered, saved
        if (state == State::NoDefault && outcome.exitCode == 0)
            QVERIFY2(!waitForPrintedPdf(other).isEmpty(), "the chosen queue printed nothing");
    }

    // A printer asked for that the server does not have is named, and nothing is printed
    // anywhere else: an unknown instance of a real queue, LPDEST naming no queue.
    void printersThatDoNotExist_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("lpdest");
        QTest::addColumn<QString>("message");
        // followed by the queues there are now, which earlier tests change
        const QString choices = QStringLiteral(": indicarne una con --printer NOME tra queste: ");
        QTest::newRow("an instance the server does not have")
            << QStringList{"--printer", queue + "/nope"} << QString()
            << "AVVISO: La stampante «" + queue + "/nope» non esiste" + choices;
        QTest::newRow("LPDEST naming no queue")
            << QStringList() << QStringLiteral("nope")
            << "AVVISO: La stampante predefinita «nope», indicata da LPDEST, non esiste sul server" + choices;
    }

    void printersThatDoNotExist()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, lpdest);
        QFETCH(QString, message);
        clearPdfDir();
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!lpdest.isEmpty())
            environment.insert(QStringLiteral("LPDEST"), lpdest);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VORNAK_CLI), QStringList{QStringLiteral("print"), recipe} + options);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 1);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(err.startsWith(message) && err.endsWith(QStringLiteral("\n")), qPrintable(err));
        QVERIFY(run(QStringLiteral("lpstat"), {QStringLiteral("-o")}).out.isEmpty());
        QVERIFY(pdfDir.entryList({QStringLiteral("*.pdf")}).isEmpty());
    }

    void withoutPrinterThePdfIsOffered_data()
    {
        QTest::addColumn<Way>("way");
        QTest::addColumn<QString>("told");
        QTest::newRow("recipe window")
            << Way::RecipeWindow << "Nessuna stampante disponibile. Salvare la ricetta in un file PDF?";
        QTest::newRow("vornak-cli") << Way::Cli << "AVVISO: Nessuna stampante disponibile\n";
    }

    void withoutPrinterThePdfIsOffered()
    {
        QFETCH(Way, way);
        QFETCH(QString, told);
        for (const QString &name : {queue, queue + QStringLiteral("-b")}) // the first row removes them
            run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), name});
        const QString pdf = dir.filePath(QTest::currentDataTag() + QStringLiteral(".pdf"));
        const Run outcome = printThrough(way, pdf);
        QCOMPARE(outcome.out, told);
        QCOMPARE(outcome.exitCode, way == Way::Cli ? 1 : 0);
        QCOMPARE(QFile::exists(pdf), way != Way::Cli);
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
