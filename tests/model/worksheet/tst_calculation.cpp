// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation.h"
#include "messages.h"
#include "recordingsink.h"
#include "worksheet.h"

#include <QTest>

#include <functional>

using namespace field;

namespace {

using Setup = std::function<void(Worksheet &)>;

// The worked example: 100 g of ALBUMINA (75, 1, 0, 3, 5) and 200 g of
// FARINA DI AVENA (12,6, 7,1, 72,9, 3, 4).
void workedExample(Worksheet &sheet)
{
    sheet.select(componente(1), QStringLiteral("ALBUMINA"));
    sheet.setText(peso(1), QStringLiteral("100"));
    sheet.select(componente(2), QStringLiteral("FARINA DI AVENA"));
    sheet.setText(peso(2), QStringLiteral("200"));
}

void addEggs(Worksheet &sheet, const QString &kind, const QString &count)
{
    sheet.setChecked(true);
    sheet.select(componente(kEggRow), kind);
    sheet.setText(NumeroUova, count);
}

void customRow(Worksheet &sheet, int row, const QString &grams)
{
    sheet.setText(aggiunta(row), QStringLiteral("MIO"));
    sheet.setText(peso(row), grams);
}

QStringList results(const Worksheet &sheet)
{
    return {sheet.text(RisPeso),
            sheet.text(RisProteineGrammi),
            sheet.text(RisProteinePercentuale),
            sheet.text(RisGrassiGrammi),
            sheet.text(RisGrassiPercentuale),
            sheet.text(RisCarboidratiGrammi),
            sheet.text(RisCarboidratiPercentuale),
            sheet.text(RisDigeribilita),
            sheet.text(RisProprietaLegante)};
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class TestCalculation : public QObject
{
    Q_OBJECT

    Worksheet *sheet = nullptr;
    RecordingSink sink;

private slots:
    void init()
    {
        sheet = new Worksheet;
        sink.clear();
        sheet->setWarningSink(&sink);
    }
    void cleanup() { delete sheet; }

    void workedExampleWithoutEggs()
    {
        workedExample(*sheet);
        QVERIFY(calculate(*sheet));
        QVERIFY(sink.warnings.isEmpty());
        QCOMPARE(results(*sheet), QStringList({"300,00", "100,20", "33,40%", "15,20", "5,07%", "145,80",
                                               "48,60%", "3,00", "4,33"}));
        QCOMPARE(sheet->text(peso(kEggRow)), QStringLiteral("0,00"));
        for (FieldId id : kResultsInClearOrder)
            QCOMPARE(sheet->colour(id), Colour::Filled);
        // Untouched rows count as zero and show it afterwards.
        QCOMPARE(sheet->text(componente(3)), QStringLiteral("-"));
        QCOMPARE(sheet->text(proteine(3)), QStringLiteral("0"));
        QCOMPARE(sheet->text(dig(12)), QStringLiteral("0"));
        QCOMPARE(sheet->colour(dig(12)), Colour::Window);
        QCOMPARE(sheet->text(proteine(kEggRow)), QStringLiteral("0"));
    }

    void workedExampleWithTwoEggs()
    {
        workedExample(*sheet);
        addEggs(*sheet, QStringLiteral("UOVO INTERO GALLINA"), QStringLiteral("2"));
        QVERIFY(calculate(*sheet));
        QCOMPARE(sheet->text(peso(kEggRow)), QStringLiteral("104,00"));
        QCOMPARE(sheet->colour(peso(kEggRow)), Colour::Filled);
        QCOMPARE(sheet->text(RisPeso), QStringLiteral("404,00"));
        QCOMPARE(sheet->text(RisDigeribilita), QStringLiteral("2,23")); // (3 x 300 + 0 x 104) / 404
        QCOMPARE(sheet->text(RisProprietaLegante), QStringLiteral("4,33"));
        QCOMPARE(sheet->text(RisProteineGrammi), QStringLiteral("113,72")); // 100,2 + 104 x 13 %
    }

    void eggWeights_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("grams");
        QTest::newRow("three yolks") << "TUORLO (IL ROSSO)"
                                     << "3"
                                     << "48,00";
        QTest::newRow("one and a half whites") << "ALBUME (IL BIANCO)"
                                               << "1,5"
                                               << "55,50";
        QTest::newRow("three whites") << "ALBUME (IL BIANCO)"
                                      << "3"
                                      << "111,00";
        QTest::newRow("zero written with decimals") << "UOVO INTERO GALLINA"
                                                    << "0,0"
                                                    << "0,00";
    }

    void eggWeights()
    {
        QFETCH(QString, kind);
        QFETCH(QString, count);
        QFETCH(QString, grams);
        workedExample(*sheet);
        addEggs(*sheet, kind, count);
        QVERIFY(calculate(*sheet));
        QCOMPARE(sheet->text(peso(kEggRow)), grams);
    }

    void checks_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("message");

        auto named12 = [](Worksheet &s) {
            workedExample(s);
            customRow(s, 12, QStringLiteral("10"));
        };
        QTest::newRow("1: both selectors of row 12 at -") << Setup([=](Worksheet &s) {
            named12(s);
            s.select(dig(12), "-");
            s.select(legante(12), "-");
        }) << messages::missingDigestibility(12);
        QTest::newRow("2: binder of row 12 at -") << Setup([=](Worksheet &s) {
            named12(s);
            s.select(dig(12), "3");
            s.select(legante(12), "-");
        }) << "Devi selezionare un numero per l'indice legante relativo al DODICESIMO componente";
        QTest::newRow("3: digestibility of row 13 at -") << Setup([](Worksheet &s) {
            customRow(s, 13, "5");
            s.select(dig(13), "-");
        }) << "Devi selezionare un numero per l'indice di digeribilità relativo al TREDICESIMO componente";
        QTest::newRow("4: binder of row 13 at -") << Setup([](Worksheet &s) {
            customRow(s, 13, "5");
            s.select(legante(13), "-");
        }) << "Devi selezionare un numero per l'indice di legante relativo al TREDICESIMO componente";
        QTest::newRow("5: nothing chosen") << Setup([](Worksheet &) {}) << messages::kNoComponent;
        QTest::newRow("5: every list at -") << Setup([](Worksheet &s) {
            for (int row = 1; row <= 11; ++row)
                s.select(componente(row), "-");
        }) << messages::kNoComponent;
        for (int row = 1; row <= 11; ++row) {
            QTest::addRow("%d: row %d without grams", row + 5, row)
                << Setup([row](Worksheet &s) { s.select(componente(row), "CASEINA"); })
                << messages::missingWeight(row);
        }
        QTest::newRow("3 before 6: third row named TERZO")
            << Setup([](Worksheet &s) { s.select(componente(3), "CASEINA"); })
            << "Impostare il peso espresso in grammi corrispondente al TERZO componente scelto.";
        QTest::newRow("17: row 12 without grams")
            << Setup([](Worksheet &s) { s.setText(Aggiunta1, "MIO"); }) << messages::missingWeight(12);
        QTest::newRow("18: row 13 without grams")
            << Setup([](Worksheet &s) { s.setText(Aggiunta2, "MIO"); })
            << "Impostare il peso espresso in grammi corrispondente al TREDICESIMO componente scelto.";
        QTest::newRow("19: row 12 sums to 100,01") << Setup([](Worksheet &s) {
            customRow(s, 12, "10");
            s.setText(proteine(12), "50");
            s.setText(grassi(12), "50");
            s.setText(carbo(12), "0,01");
        }) << messages::sumOver100(12);
        QTest::newRow("20: row 13 over 100, row 12 fine") << Setup([](Worksheet &s) {
            customRow(s, 12, "10");
            customRow(s, 13, "10");
            s.setText(proteine(13), "60");
            s.setText(grassi(13), "60");
        }) << messages::sumOver100(13);
        QTest::newRow("19 before 20") << Setup([](Worksheet &s) {
            customRow(s, 12, "10");
            customRow(s, 13, "10");
            for (int row : {12, 13}) {
                s.setText(proteine(row), "60");
                s.setText(carbo(row), "60");
            }
        }) << messages::sumOver100(12);
        QTest::newRow("21: eggs without kind") << Setup([](Worksheet &s) {
            workedExample(s);
            s.setChecked(true);
        }) << messages::kChooseEggs;
        QTest::newRow("22: eggs without count") << Setup([](Worksheet &s) {
            workedExample(s);
            addEggs(s, "TUORLO (IL ROSSO)", "0");
        }) << messages::kEggCount;
        QTest::newRow("zero total mended") << Setup([](Worksheet &s) {
            s.select(componente(1), "CASEINA");
            s.setText(peso(1), "0,0");
        }) << messages::kZeroTotal;
        QTest::newRow("total too large to write back") << Setup([](Worksheet &s) {
            s.select(componente(1), "CASEINA");
            s.setText(peso(1),
                      QStringLiteral("17976931348623157") + QString(292, u'0')); // the largest double
        }) << messages::kTooLarge;
        QTest::newRow("too large mended") << Setup([](Worksheet &s) {
            for (int row : {1, 2}) {
                s.select(componente(row), "CASEINA");
                s.setText(peso(row), QString(308, u'9'));
            }
        }) << messages::kTooLarge;
    }

    void checks()
    {
        QFETCH(Setup, setup);
        QFETCH(QString, message);
        setup(*sheet);
        sheet->setText(RisPeso, QStringLiteral("1,00")); // an earlier result stays after a refusal
        sink.clear();
        QVERIFY(!calculate(*sheet));
        QCOMPARE(sink.texts(), QStringList{message});
        QCOMPARE(sink.warnings.first().first, QStringLiteral("AVVISO"));
        QCOMPARE(sheet->text(RisPeso), QStringLiteral("1,00"));
        QVERIFY(sheet->text(RisProteineGrammi).isEmpty());
    }

    void refusalKeepsStepOneAndUnchecksForNoComponent()
    {
        sheet->setChecked(true);
        QVERIFY(!calculate(*sheet));
        QVERIFY(!sheet->eggsChecked());
        QCOMPARE(sheet->text(Frame2), QStringLiteral("Risultati con uova escluse"));
        for (int row = 1; row <= 11; ++row)
            QCOMPARE(sheet->text(componente(row)), QStringLiteral("-"));
    }

    void weightWrittenAsZeroWithDecimalsPasses()
    {
        workedExample(*sheet);
        sheet->select(componente(3), QStringLiteral("CASEINA"));
        sheet->setText(peso(3), QStringLiteral("0,0"));
        QVERIFY(calculate(*sheet));
        QCOMPARE(sheet->text(RisPeso), QStringLiteral("300,00"));
    }

    void customSumOfExactly100Passes_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::newRow("thirds") << QStringList{"33,3", "33,3", "33,4"};
        QTest::newRow("double sum just above 100") << QStringList{"0,2", "83,9", "15,9"};
    }

    void customSumOfExactly100Passes()
    {
        QFETCH(QStringList, values);
        workedExample(*sheet);
        customRow(*sheet, 12, QStringLiteral("100"));
        sheet->setText(proteine(12), values[0]);
        sheet->setText(grassi(12), values[1]);
        sheet->setText(carbo(12), values[2]);
        QVERIFY(calculate(*sheet));
        QVERIFY(sink.warnings.isEmpty());
        // Untouched selectors of a named row count 0 and show "0" in the window colour.
        QCOMPARE(sheet->text(dig(12)), QStringLiteral("0"));
        QCOMPARE(sheet->colour(dig(12)), Colour::Window);
        QCOMPARE(sheet->text(RisPeso), QStringLiteral("400,00"));
        QCOMPARE(sheet->text(RisProprietaLegante), QStringLiteral("3,25")); // 13 / 400 x 100
    }

    void onlyEggsWeighLeavesBinderEmpty()
    {
        sheet->select(componente(1), QStringLiteral("CASEINA"));
        sheet->setText(peso(1), QStringLiteral("0,0"));
        sheet->setText(RisProprietaLegante, QStringLiteral("9,99"));
        addEggs(*sheet, QStringLiteral("UOVO INTERO GALLINA"), QStringLiteral("1"));
        QVERIFY(calculate(*sheet));
        QVERIFY(sink.warnings.isEmpty());
        QCOMPARE(sheet->text(RisPeso), QStringLiteral("52,00"));
        QCOMPARE(sheet->text(RisProteinePercentuale), QStringLiteral("13,00%"));
        QVERIFY(sheet->text(RisProprietaLegante).isEmpty());
        QCOMPARE(sheet->colour(RisProprietaLegante), Colour::Window);
    }

    void negativeBinderAndGrouping()
    {
        sheet->select(componente(1), QStringLiteral("CRUSCA"));
        sheet->setText(peso(1), QStringLiteral("1.234,5"));
        QVERIFY(calculate(*sheet));
        QCOMPARE(sheet->text(RisPeso), QStringLiteral("1.234,50"));
        QCOMPARE(sheet->text(RisProprietaLegante), QStringLiteral("-1,00"));
    }

    // The binder sum is kept in single precision, each row's share and the total: mixes whose
    // exact index lies on a rounding edge show what single precision makes of them.
    void binderSumInSinglePrecision_data()
    {
        QTest::addColumn<QStringList>("rows"); // name, grams, name, grams
        QTest::addColumn<QString>("binder");
        // The total in double would give 3,11.
        QTest::newRow("the total") << QStringList{"BLUE MUSSEL MIX Drumlow", "21736845",
                                                  "FISHFOOD BLEND Drumlow", "48760990"}
                                   << "3,12";
        // Each row's share in double would give 0,49.
        QTest::newRow("each row") << QStringList{"SOYA GRASSA", "28230205", "CRUSCA", "28419038"} << "0,50";
    }

    void binderSumInSinglePrecision()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, binder);
        for (int row = 1; row <= rows.size() / 2; ++row) {
            sheet->select(componente(row), rows[2 * row - 2]);
            sheet->setText(peso(row), rows[2 * row - 1]);
        }
        QVERIFY(calculate(*sheet));
        QCOMPARE(sheet->text(RisProprietaLegante), binder);
    }

    void noResultIsEverNanOrInf()
    {
        sheet->select(componente(1), QStringLiteral("CASEINA"));
        sheet->setText(peso(1), QStringLiteral("1") + QString(30, u'0'));
        addEggs(*sheet, QStringLiteral("TUORLO (IL ROSSO)"), QString(20, u'9'));
        QVERIFY(calculate(*sheet));
        for (const QString &text : results(*sheet)) {
            QVERIFY2(!text.contains(QStringLiteral("nan"), Qt::CaseInsensitive), qPrintable(text));
            QVERIFY2(!text.contains(QStringLiteral("inf"), Qt::CaseInsensitive), qPrintable(text));
        }
    }
};

QTEST_APPLESS_MAIN(TestCalculation)
#include "tst_calculation.moc"
