// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"
#include "fakechooser.h"
#include "formulaentry.h"
#include "messages.h"
#include "numbers.h"
#include "pagetext.h"
#include "recordingsink.h"
#include "session.h"
#include "testfiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace field;

namespace {

using Setup = std::function<void(Worksheet &)>;

// ALBUMINA 100 g, FARINA DI AVENA 200 g, the custom row "Mio" 50 g, two whole eggs.
void fullMix(Worksheet &w)
{
    w.select(componente(1), QStringLiteral("ALBUMINA"));
    w.setText(peso(1), QStringLiteral("100"));
    w.select(componente(3), QStringLiteral("FARINA DI AVENA"));
    w.setText(peso(3), QStringLiteral("200"));
    w.setText(Aggiunta1, QStringLiteral("Mio"));
    w.setText(proteine(12), QStringLiteral("40"));
    w.setText(grassi(12), QStringLiteral("10,5"));
    w.select(dig(12), QStringLiteral("3"));
    w.select(legante(12), QStringLiteral("-1"));
    w.setText(peso(12), QStringLiteral("50"));
    w.setChecked(true);
    w.select(componente(kEggRow), QStringLiteral("UOVO INTERO GALLINA"));
    w.setText(NumeroUova, QStringLiteral("2"));
}

// A candidate or the eggs in one line, so a table can say what the formula gets.
QStringList describe(const formula::Input &input)
{
    auto price = [](std::optional<double> p) {
        return p ? numbers::plainText(*p) + u'€' : QStringLiteral("-");
    };
    QStringList lines;
    for (const formula::Candidate &c : input.rows)
        lines << QStringLiteral("%1 %2 %3/%4/%5/%6/%7 %8g %9")
                     .arg(c.row)
                     .arg(c.name)
                     .arg(numbers::plainText(c.protein), numbers::plainText(c.fat),
                          numbers::plainText(c.carbo), numbers::plainText(c.digestibility),
                          numbers::plainText(c.binder), numbers::plainText(c.currentGrams),
                          price(c.pricePerKg));
    if (const std::optional<formula::Eggs> &e = input.eggs)
        lines << QStringLiteral("Uova %1 %2g x %3 %4")
                     .arg(e->kind)
                     .arg(e->gramsPerEgg)
                     .arg(numbers::plainText(e->currentCount), price(e->pricePerEgg));
    lines << QStringLiteral("totale %1").arg(input.totalGrams);
    return lines;
}

} // namespace

class TestSession : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    // A session on the prices of ALBUMINA, the eggs and the personal "Mio" (not of oats).
    void loadPrices(Session &session)
    {
        const QString library = dir.filePath(QStringLiteral("prezzi.csv"));
        writeAll(library, "nome;proteine;grassi;carboidrati;digeribilita;legante;prezzo\n"
                          "ALBUMINA;;;;;;12\nUOVO INTERO GALLINA;;;;;;0,3\nMio;40;10,5;0;3;-1;5\n"
                          "FARINA DI MAIS;;;;;;1\n");
        session.loadLibrary(library);
    }

private slots:
    // The last calculation stands until a command makes it stale, and every such command
    // says so, whatever the worksheet's texts look like afterwards.
    void commandsThatMakeTheCalculationStale_data()
    {
        QTest::addColumn<std::function<void(Session &)>>("command");
        QTest::addColumn<bool>("stale");

        const QString recipe = dataFile(QStringLiteral("ricetta_uova.txt"));
        QTest::newRow("opening a recipe whose stored total is the one shown")
            << std::function([recipe](Session &s) { QVERIFY(s.open(recipe)); }) << true;
        QTest::newRow("clearing") << std::function([](Session &s) { s.clear(); }) << true;
        QTest::newRow("saving a new price") << std::function([](Session &s) {
            personal::Library library = s.worksheet().library();
            library.prices[QStringLiteral("ALBUMINA")] = QStringLiteral("9");
            QVERIFY(s.saveLibrary(library));
        }) << true;
        QTest::newRow("saving the same library")
            << std::function([](Session &s) { QVERIFY(s.saveLibrary(s.worksheet().library())); }) << false;
        QTest::newRow("a refused calculation") << std::function([](Session &s) {
            s.worksheet().setText(peso(1), QStringLiteral("0"));
            QVERIFY(!s.calculate());
        }) << false;
        QTest::newRow("a file that does not open") << std::function([this](Session &s) {
            QVERIFY(!s.open(dir.filePath(QStringLiteral("nessuna.txt"))));
        }) << false;
    }

    void commandsThatMakeTheCalculationStale()
    {
        QFETCH(std::function<void(Session &)>, command);
        QFETCH(bool, stale);
        const QString library = dir.filePath(QStringLiteral("ingredienti.csv"));
        writeAll(library, "nome;proteine;grassi;carboidrati;digeribilita;legante;prezzo\r\n"
                          "ALBUMINA;;;;;;12\r\nFARINA DI AVENA;;;;;;2\r\nUOVO INTERO GALLINA;;;;;;0,3\r\n");
        RecordingSink sink;
        Session session(sink);
        session.loadLibrary(library);
        QVERIFY(session.open(dataFile(QStringLiteral("ricetta_uova.txt"))));
        QVERIFY(session.calculate());
        QVERIFY(session.lastCalculation());
        QCOMPARE(session.lastCalculation()->cost.missingPrice, QString());

        QSignalSpy changed(&session, &Session::calculationChanged);
        command(session);
        QCOMPARE(!session.lastCalculation(), stale);
        QCOMPARE(changed.count(), stale ? 1 : 0);
    }

    // What the formula gets from the worksheet as it shows: the rows that name an
    // ingredient, their values and grams, their prices as the cost prices them, the eggs
    // with their kind's weight, and the total as the calculation adds it.
    void formulaInputFromTheWorksheet_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("catalogue, custom row and eggs")
            << Setup(fullMix)
            << QStringList{"1 ALBUMINA 75/1/0/3/5 100g 12€", "3 FARINA DI AVENA 12,6/7,1/72,9/3/4 200g -",
                           "12 Mio 40/10,5/0/3/-1 50g 5€", "Uova UOVO INTERO GALLINA 52g x 2 0,3€",
                           "totale 454"};
        QTest::newRow("a custom row named like a catalogue entry takes its price") << Setup([](Worksheet &w) {
            w.setText(Aggiunta2, QStringLiteral("FARINA DI MAIS"));
            w.setText(peso(13), QStringLiteral("10,4"));
        }) << QStringList{"13 FARINA DI MAIS 0/0/0/0/0 10,4g 1€", "totale 10"};
        QTest::newRow("a row back at \"-\" and a name erased are no candidates")
            << Setup([](Worksheet &w) {
                   fullMix(w);
                   w.select(componente(1), QStringLiteral("-"));
                   w.setText(Aggiunta1, QString());
               })
            << QStringList{"3 FARINA DI AVENA 12,6/7,1/72,9/3/4 200g -",
                           "Uova UOVO INTERO GALLINA 52g x 2 0,3€", "totale 304"};
        QTest::newRow("eggs ticked without a kind are left out")
            << Setup([](Worksheet &w) {
                   fullMix(w);
                   w.select(componente(kEggRow), QStringLiteral("-"));
               })
            << QStringList{"1 ALBUMINA 75/1/0/3/5 100g 12€", "3 FARINA DI AVENA 12,6/7,1/72,9/3/4 200g -",
                           "12 Mio 40/10,5/0/3/-1 50g 5€", "totale 350"};
        QTest::newRow("half grams and half eggs round the total to the nearest gram")
            << Setup([](Worksheet &w) {
                   w.select(componente(2), QStringLiteral("ALBUMINA"));
                   w.setText(peso(2), QStringLiteral("0,5"));
                   w.setChecked(true);
                   w.select(componente(kEggRow), QStringLiteral("TUORLO (IL ROSSO)"));
                   w.setText(NumeroUova, QStringLiteral("1,5"));
               })
            << QStringList{"2 ALBUMINA 75/1/0/3/5 0,5g 12€", "Uova TUORLO (IL ROSSO) 16g x 1,5 -",
                           "totale 25"};
    }

    void formulaInputFromTheWorksheet()
    {
        QFETCH(Setup, setup);
        QFETCH(QStringList, expected);
        RecordingSink sink;
        Session session(sink);
        loadPrices(session);
        setup(session.worksheet());
        const formula::Input input = session.formulaInput();
        QCOMPARE(describe(input), expected);
        QCOMPARE(input.goal, formula::Goal::LowestCost);
        QCOMPARE(input.bands.fat.min, 3.0);
        QVERIFY(input.eggs ? !input.eggs->free : true);
    }

    // What "Calcola" would refuse whatever the grams is said before any solving.
    void formulaRefusesWhatCalcolaRefuses_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<bool>("freeEggs");
        QTest::addColumn<QStringList>("reasons");
        QTest::newRow("nothing chosen")
            << Setup([](Worksheet &) {}) << false << QStringList{messages::kNoComponent};
        QTest::newRow("custom row without its indices") << Setup([](Worksheet &w) {
            fullMix(w);
            w.select(dig(12), QStringLiteral("-"));
            w.select(legante(12), QStringLiteral("-"));
        }) << false << QStringList{messages::missingDigestibility(12), messages::missingBinder(12)};
        QTest::newRow("custom percentages over 100") << Setup([](Worksheet &w) {
            fullMix(w);
            w.setText(carbo(12), QStringLiteral("50"));
        }) << false << QStringList{messages::sumOver100(12)};
        QTest::newRow("eggs without a kind") << Setup([](Worksheet &w) {
            fullMix(w);
            w.select(componente(kEggRow), QStringLiteral("-"));
            w.setChecked(true);
        }) << false << QStringList{messages::kChooseEggs};
        QTest::newRow("eggs kept at \"0\"")
            << Setup([](Worksheet &w) {
                   fullMix(w);
                   w.setText(NumeroUova, QStringLiteral("0"));
               })
            << false
            << QStringList{QStringLiteral("Uova: il foglio ha 0 uova: scriverne il numero, oppure "
                                          "lasciarlo scegliere alla formula")};
        QTest::newRow("eggs at \"0\" left to the formula") << Setup([](Worksheet &w) {
            fullMix(w);
            w.setText(NumeroUova, QStringLiteral("0"));
        }) << true << QStringList{};
    }

    void formulaRefusesWhatCalcolaRefuses()
    {
        QFETCH(Setup, setup);
        QFETCH(bool, freeEggs);
        QFETCH(QStringList, reasons);
        RecordingSink sink;
        Session session(sink);
        loadPrices(session);
        setup(session.worksheet());
        formula::Input input = session.formulaInput();
        input.goal = formula::Goal::ClosestToCurrent;
        input.totalGrams = 500;
        if (input.eggs)
            input.eggs->free = freeEggs;
        const formula::Result result = session.solveFormula(input);
        QCOMPARE(result.status == formula::Status::NoMix, !reasons.isEmpty());
        if (!reasons.isEmpty())
            QCOMPARE(result.reasons, reasons);
        QVERIFY(sink.warnings.isEmpty());
    }

    // Applica writes the proposal as the user would type it and calculates; the results
    // are then exactly those the formula showed, and a recipe saved with a row at 0 g
    // opens and calculates again.
    void applyWritesTheProposalAsTyped_data()
    {
        QTest::addColumn<formula::Goal>("goal");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<bool>("withoutAlbumin"); // row 1 held to 0 g
        QTest::addColumn<bool>("freeEggs");
        QTest::newRow("cheapest, albumin held to 0 g")
            << formula::Goal::LowestCost << qint64(2000) << true << false;
        QTest::newRow("closest, 2 kg, eggs free")
            << formula::Goal::ClosestToCurrent << qint64(2000) << false << true;
        QTest::newRow("closest, albumin held to 0 g, eggs free")
            << formula::Goal::ClosestToCurrent << qint64(2000) << true << true;
        QTest::newRow("cheapest, the current total")
            << formula::Goal::LowestCost << qint64(454) << false << false;
    }

    void applyWritesTheProposalAsTyped()
    {
        QFETCH(formula::Goal, goal);
        QFETCH(qint64, total);
        QFETCH(bool, withoutAlbumin);
        QFETCH(bool, freeEggs);
        RecordingSink sink;
        Session session(sink);
        loadPrices(session);
        Worksheet &sheet = session.worksheet();
        fullMix(sheet);
        formula::Input input = session.formulaInput();
        input.goal = goal;
        input.totalGrams = total;
        input.eggs->free = freeEggs;
        input.rows[1].pricePerKg = 2; // oats, so the cheapest mix may be asked
        if (withoutAlbumin)
            input.rows[0].maxGrams = 0;
        const formula::Result result = session.solveFormula(input);
        QCOMPARE(result.status, formula::Status::Best);
        QCOMPARE(sheet.text(peso(1)), QStringLiteral("100")); // nothing changes before Applica
        QCOMPARE(sheet.text(RisPeso), QString());

        QVERIFY(session.applyFormula(result));
        for (const formula::ProposedRow &row : result.rows)
            QCOMPARE(sheet.text(peso(row.row)), formulaentry::typedGrams(row.grams));
        QCOMPARE(sheet.text(NumeroUova), QString::number(*result.eggCount));
        QCOMPARE(sheet.text(RisPeso), numbers::twoDecimals(double(total)));
        QCOMPARE(sheet.text(RisGrassiPercentuale), numbers::percent(result.results.fatShare));
        QCOMPARE(sheet.text(RisDigeribilita), numbers::twoDecimals(result.results.digestibility));
        QVERIFY(sink.warnings.isEmpty());
        sheet.setText(NomeRicetta, QStringLiteral("Formula"));
        const QString sheetText = pageText(*session.recipePage()).join(u'\n');
        for (const formula::ProposedRow &row : result.rows) // on the sheet while it has grams
            QCOMPARE(sheetText.contains(QStringLiteral("@3 %1@60").arg(row.name)), row.grams > 0);

        FakeChooser chooser;
        chooser.savePath = dir.filePath(QStringLiteral("formula.txt"));
        QVERIFY(session.save(chooser));
        Session reopened(sink);
        reopened.loadLibrary(session.libraryPath());
        QVERIFY(reopened.open(chooser.savePath));
        QVERIFY(reopened.calculate());
        QCOMPARE(reopened.worksheet().text(peso(1)),
                 withoutAlbumin ? QStringLiteral("0,0") : sheet.text(peso(1)));
        QCOMPARE(reopened.worksheet().text(RisPeso), sheet.text(RisPeso));
        QVERIFY(sink.warnings.isEmpty());
    }

    // Rows whose grams the proposal keeps keep their text; a row at exactly "0" becomes
    // "0,0", which Calcola accepts.
    void applyKeepsUnchangedTexts()
    {
        RecordingSink sink;
        Session session(sink);
        Worksheet &sheet = session.worksheet();
        sheet.select(componente(1), QStringLiteral("ALBUMINA"));
        sheet.setText(peso(1), QStringLiteral("100,0"));
        sheet.select(componente(2), QStringLiteral("SEMOLINO"));
        formula::Result proposal;
        proposal.status = formula::Status::Best;
        proposal.rows = {{1, QStringLiteral("ALBUMINA"), 100, 100}, {2, QStringLiteral("SEMOLINO"), 0, 0}};
        proposal.worksheet = session.formulaInput();
        QVERIFY(session.applyFormula(proposal));
        QCOMPARE(sheet.text(peso(1)), QStringLiteral("100,0"));
        QCOMPARE(sheet.text(peso(2)), QStringLiteral("0,0"));
        QCOMPARE(sheet.text(RisPeso), QStringLiteral("100,00"));
        QVERIFY(sink.warnings.isEmpty());
    }

    // A proposal for rows the worksheet no longer has is refused and changes nothing.
    void applyRefusesAStaleProposal_data()
    {
        QTest::addColumn<Setup>("change");
        QTest::newRow("another ingredient on a row")
            << Setup([](Worksheet &w) { w.select(componente(3), QStringLiteral("SEMOLINO")); });
        QTest::newRow("a new row") << Setup(
            [](Worksheet &w) { w.select(componente(5), QStringLiteral("GLM")); });
        QTest::newRow("the last row gone") << Setup([](Worksheet &w) { w.setText(Aggiunta1, QString()); });
        // Row 13, of no grams, gone: the other rows, the total and the eggs are as they were.
        QTest::newRow("an empty last row gone")
            << Setup([](Worksheet &w) { w.setText(Aggiunta2, QString()); });
        QTest::newRow("eggs switched off") << Setup([](Worksheet &w) { w.setChecked(false); });
        // The closest mix scales the grams and eggs typed: others of the same total make
        // another target.
        QTest::newRow("grams moved between rows") << Setup([](Worksheet &w) {
            w.setText(peso(1), QString::number(numbers::valueOrZero(w.text(peso(1))) + 7));
            w.setText(peso(3), QString::number(numbers::valueOrZero(w.text(peso(3))) - 7));
        });
        QTest::newRow("an egg more, its weight off a row") << Setup([](Worksheet &w) {
            w.setText(NumeroUova, QString::number(w.text(NumeroUova).toInt() + 1));
            w.setText(peso(1),
                      QString::number(numbers::valueOrZero(w.text(peso(1))) -
                                      catalogue::findEggKind(w.text(componente(kEggRow)))->gramsPerEgg));
        });
        QTest::newRow("another egg kind") << Setup(
            [](Worksheet &w) { w.select(componente(kEggRow), QStringLiteral("TUORLO (IL ROSSO)")); });
    }

    void applyRefusesAStaleProposal()
    {
        QFETCH(Setup, change);
        RecordingSink sink;
        Session session(sink);
        loadPrices(session);
        fullMix(session.worksheet());
        session.worksheet().setText(Aggiunta2, QStringLiteral("Vuota")); // 0 g on row 13
        session.worksheet().setText(peso(13), QStringLiteral("0"));
        formula::Input input = session.formulaInput();
        input.goal = formula::Goal::ClosestToCurrent;
        const formula::Result result = session.solveFormula(input);
        QVERIFY(result.status != formula::Status::NoMix);
        change(session.worksheet());
        QStringList before;
        for (int row = 1; row <= kIngredientRows; ++row)
            before << session.worksheet().text(peso(row));
        before << session.worksheet().text(NumeroUova) << session.worksheet().text(RisPeso);

        QVERIFY(!session.applyFormula(result));
        QStringList after;
        for (int row = 1; row <= kIngredientRows; ++row)
            after << session.worksheet().text(peso(row));
        after << session.worksheet().text(NumeroUova) << session.worksheet().text(RisPeso);
        QCOMPARE(after, before);
        QCOMPARE(sink.texts().size(), 1);
        QVERIFY(sink.texts().first().startsWith(QStringLiteral("Il foglio è cambiato")));
    }

    // A new price saved in "Ingredienti e prezzi" withdraws a proposal for the cheapest mix
    // like a change of the worksheet, whether or not a calculation stands: since start,
    // Cancella or Apri none does, and Applica would write grams found for the old prices.
    void aNewPriceWithdrawsTheProposal_data()
    {
        QTest::addColumn<bool>("calculated");
        QTest::addColumn<QString>("price");
        QTest::addColumn<bool>("stands");
        QTest::newRow("no calculation, albumin dearer") << false << "13" << false;
        QTest::newRow("a calculation, albumin dearer") << true << "13" << false;
        QTest::newRow("no calculation, the same price again") << false << "12" << true;
    }

    void aNewPriceWithdrawsTheProposal()
    {
        QFETCH(bool, calculated);
        QFETCH(QString, price);
        QFETCH(bool, stands);
        RecordingSink sink;
        Session session(sink);
        loadPrices(session);
        fullMix(session.worksheet());
        if (calculated)
            QVERIFY(session.calculate());
        formula::Input input = session.formulaInput();
        input.rows[1].maxGrams = 0; // oats have no price
        input.bands = {{false}, {false}, {false}, std::nullopt, std::nullopt};
        const formula::Result result = session.solveFormula(input);
        QCOMPARE(result.status, formula::Status::Best);
        QVERIFY(session.proposalStands(result));

        QSignalSpy changed(&session, &Session::calculationChanged);
        personal::Library library = session.worksheet().library();
        library.prices[QStringLiteral("ALBUMINA")] = price;
        QVERIFY(session.saveLibrary(library));
        QCOMPARE(changed.isEmpty(), stands);
        QCOMPARE(session.proposalStands(result), stands);
        const QString grams = session.worksheet().text(peso(1));
        QCOMPARE(session.applyFormula(result), stands);
        if (!stands) {
            QCOMPARE(session.worksheet().text(peso(1)), grams);
            QCOMPARE(sink.texts().size(), 1);
            QVERIFY2(sink.texts().first().startsWith(QStringLiteral("I prezzi sono cambiati")),
                     qPrintable(sink.texts().first()));
        }
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
