// SPDX-License-Identifier: GPL-3.0-or-later
// Where the print command sends a page, decided from what the print system offers and
// what the user answers, every answer given through the warning sink.
#include "messageboxsink.h"
#include "modalwatcher.h"
#include "pageprinter.h"
#include "printmessages.h"
#include "recordingsink.h"

#include <QInputDialog>
#include <QTest>

namespace {

using Answer = WarningSink::Answer;

// The outside of the print command: the queues it finds, the job's fate, the PDF file.
class FakePrinter : public PagePrinter
{
public:
    FakePrinter() : PagePrinter(nullptr) {}
    printerjob::Destinations found;
    printerjob::JobResult fate;
    QStringList printedOn;
    QStringList pdfWritten;

protected:
    printerjob::Destinations destinations() override { return found; }
    printerjob::JobResult printOn(const Page &, const QString &printer) override
    {
        printedOn << printer;
        return fate;
    }
    QString choosePdfPath() override { return QStringLiteral("/tmp/ricetta.pdf"); }
    QString writePdf(const Page &, const QString &path) override
    {
        pdfWritten << path;
        return {};
    }
};

const QString kPdfOffer = QStringLiteral(". Salvare la ricetta in un file PDF?");

} // namespace

Q_DECLARE_METATYPE(printerjob::Destinations)
Q_DECLARE_METATYPE(printerjob::JobResult)

class TestPageDestinations : public QObject
{
    Q_OBJECT

private slots:
    void whereThePageGoes_data()
    {
        QTest::addColumn<printerjob::Destinations>("found");
        QTest::addColumn<printerjob::JobResult>("fate");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QStringList>("printedOn");
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<QStringList>("said"); // questions, then warnings
        const QStringList two{"A", "B"};
        const printerjob::Destinations withDefault{true, {}, "A", two, {}, {}};
        const printerjob::Destinations noDefault{true, {}, {}, two, {}, {}};
        const printerjob::Destinations none{true, {}, {}, {}, {}, {}};
        const printerjob::Destinations unreachable{false, "/run/cups/cups.sock", {}, {}, {}, {}};
        const QString chooser = printerjob::kNoDefault + ". Scegliere la stampante:\nA\nB";
        QTest::newRow("the default printer, asked nothing")
            << withDefault << printerjob::JobResult{} << QList<Answer>{} << QStringList{} << QStringList{"A"}
            << false << QStringList{};
        QTest::newRow("no default: the queue the user picks")
            << noDefault << printerjob::JobResult{} << QList<Answer>{} << QStringList{"B"} << QStringList{"B"}
            << false << QStringList{chooser};
        QTest::newRow("no default, the choice cancelled: nothing, no PDF offered")
            << noDefault << printerjob::JobResult{} << QList<Answer>{} << QStringList{QString()}
            << QStringList{} << false << QStringList{chooser};
        QTest::newRow("no printer, PDF accepted")
            << none << printerjob::JobResult{} << QList<Answer>{Answer::Yes} << QStringList{} << QStringList{}
            << true << QStringList{printerjob::kNoPrinter + kPdfOffer};
        QTest::newRow("no printer, PDF declined")
            << none << printerjob::JobResult{} << QList<Answer>{Answer::No} << QStringList{} << QStringList{}
            << false << QStringList{printerjob::kNoPrinter + kPdfOffer};
        QTest::newRow("no print server, PDF accepted")
            << unreachable << printerjob::JobResult{} << QList<Answer>{Answer::Yes} << QStringList{}
            << QStringList{} << true
            << QStringList{printerjob::unreachable("/run/cups/cups.sock") + kPdfOffer};
        QTest::newRow("a refused job is reported")
            << withDefault << printerjob::JobResult{"not accepting jobs", {}, {}} << QList<Answer>{}
            << QStringList{} << QStringList{"A"} << false
            << QStringList{printerjob::failure("not accepting jobs")};
        QTest::newRow("a paused printer is reported")
            << withDefault << printerjob::JobResult{{}, "in pausa", {}} << QList<Answer>{} << QStringList{}
            << QStringList{"A"} << false << QStringList{"in pausa"};
    }

    void whereThePageGoes()
    {
        QFETCH(printerjob::Destinations, found);
        QFETCH(printerjob::JobResult, fate);
        QFETCH(QList<Answer>, answers);
        QFETCH(QStringList, choices);
        QFETCH(QStringList, printedOn);
        QFETCH(bool, pdf);
        QFETCH(QStringList, said);
        FakePrinter printer;
        printer.found = found;
        printer.fate = fate;
        RecordingSink sink;
        sink.nextAnswers = answers;
        sink.nextChoices = choices;
        printer.print(Page{}, QStringLiteral("la ricetta"), sink);
        QCOMPARE(printer.printedOn, printedOn);
        QCOMPARE(printer.pdfWritten.size(), pdf ? 1 : 0);
        QStringList heard;
        for (const auto &question : sink.questions)
            heard << question.second;
        QCOMPARE(heard + sink.texts(), said);
        QVERIFY2(sink.unanswered.isEmpty(), qPrintable(sink.unanswered.join(u',')));
        QVERIFY(sink.nextAnswers.isEmpty() && sink.nextChoices.isEmpty()); // every answer was asked for
    }

    // The window's sink asks in a real box, and the button clicked is the answer.
    void boxAnswers_data()
    {
        QTest::addColumn<bool>("withCancel");
        QTest::addColumn<QString>("button");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("Sì") << false << "Sì" << Answer::Yes;
        QTest::newRow("No") << false << "No" << Answer::No;
        QTest::newRow("Annulla") << true << "Annulla" << Answer::Cancel;
        QTest::newRow("Sì beside Annulla") << true << "Sì" << Answer::Yes;
    }

    void boxAnswers()
    {
        QFETCH(bool, withCancel);
        QFETCH(QString, button);
        QFETCH(Answer, answer);
        ModalWatcher watcher;
        watcher.answer = button;
        MessageBoxSink sink(nullptr);
        QCOMPARE(sink.ask(QStringLiteral("AVVISO"), QStringLiteral("Salvare?"), withCancel), answer);
        QCOMPARE(watcher.boxes, (QList<QPair<QString, QString>>{{"AVVISO", "Salvare?"}}));
        QVERIFY(watcher.unexpected.isEmpty());
    }

    // ... and offers a choice in a list, empty when cancelled.
    void listChoice_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("the second queue") << true << "B";
        QTest::newRow("cancelled") << false << "";
    }

    void listChoice()
    {
        QFETCH(bool, accept);
        QFETCH(QString, chosen);
        ModalWatcher watcher;
        QStringList offered;
        watcher.onDialog = [&](QDialog *dialog) {
            auto *list = qobject_cast<QInputDialog *>(dialog);
            QVERIFY(list);
            offered = list->comboBoxItems();
            if (!accept)
                return list->reject();
            list->setTextValue(QStringLiteral("B"));
            list->accept();
        };
        MessageBoxSink sink(nullptr);
        QCOMPARE(sink.choose(QStringLiteral("Stampa"), QStringLiteral("Scegliere:"), {"A", "B"},
                             QStringLiteral("Stampa")),
                 chosen);
        QCOMPARE(offered, QStringList({"A", "B"}));
    }
};

QTEST_MAIN(TestPageDestinations)
#include "tst_pagedestinations.moc"
