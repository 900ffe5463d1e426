// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation.h"
#include "catalogue.h"
#include "mixcost.h"
#include "numbers.h"
#include "recordingsink.h"
#include "worksheet.h"

#include <QTest>

#include <functional>

using namespace field;

namespace {

personal::Ingredient ingredient(const QString &name, const QStringList &values, const QString &price = {})
{
    personal::Ingredient entry{name, {}, price};
    for (int k = 0; k < personal::kValueCount; ++k)
        entry.values[size_t(k)] = values[k];
    return entry;
}

personal::Library library()
{
    personal::Library lib;
    lib.ingredients << ingredient("Mix Luca", {"22,5", "8", "45", "3,5", "-1"}, "4")
                    << ingredient("Anice", {"10", "0", "0", "1", "0"});
    lib.prices = {{"ALBUMINA", "10"}, {"FARINA DI AVENA", "2"}, {"UOVO INTERO GALLINA", "0,25"}};
    return lib;
}

using Setup = std::function<void(Worksheet &)>;

void choose(Worksheet &sheet, int row, const QString &name, const QString &grams)
{
    sheet.select(componente(row), name);
    sheet.setText(peso(row), grams);
}

// 100 g ALBUMINA at 10 €/kg and 200 g FARINA DI AVENA at 2 €/kg: 1,40 € for 300 g.
void pricedMix(Worksheet &sheet)
{
    choose(sheet, 1, "ALBUMINA", "100");
    choose(sheet, 2, "FARINA DI AVENA", "200");
}

void eggs(Worksheet &sheet, const QString &kind, const QString &count)
{
    sheet.setChecked(true);
    sheet.select(componente(kEggRow), kind);
    sheet.setText(NumeroUova, count);
}

QStringList rowValues(const Worksheet &sheet, int row)
{
    QStringList values;
    for (RowColumn column : kValueColumns)
        values << sheet.text(at(column, row));
    return values;
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class TestPersonalIngredients : public QObject
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
        sheet->setLibrary(library());
    }
    void cleanup() { delete sheet; }

    void listsOfferPersonalAfterTheCatalogue()
    {
        for (int row = 1; row <= kCatalogueRows; ++row)
            QCOMPARE(sheet->entries(componente(row)),
                     catalogue::ingredientEntries() + QStringList({"Mix Luca", "Anice"}));
        QCOMPARE(sheet->entries(componente(kEggRow)), catalogue::eggEntries());
    }

    void calculationWithAPersonalIngredient()
    {
        // 100 g ALBUMINA (75, 1, 0, 3, 5) and 200 g Mix Luca (22,5, 8, 45, 3,5, -1):
        // protein 75 + 45 = 120, fat 1 + 16 = 17, carbohydrate 0 + 90 = 90 over 300 g;
        // digestibility (300 + 700) / 300, binder (500 - 200) / 300.
        sheet->select(componente(1), QStringLiteral("ALBUMINA"));
        sheet->setText(peso(1), QStringLiteral("100"));
        sheet->select(componente(2), QStringLiteral("Mix Luca"));
        QCOMPARE(rowValues(*sheet, 2), QStringList({"22,5", "8", "45", "3,5", "-1"}));
        QCOMPARE(sheet->colour(legante(2)), Colour::Filled);
        QVERIFY(sheet->isEnabled(peso(2)));
        sheet->setText(peso(2), QStringLiteral("200"));
        QVERIFY(calculate(*sheet));
        const QStringList results{sheet->text(RisPeso),
                                  sheet->text(RisProteineGrammi),
                                  sheet->text(RisProteinePercentuale),
                                  sheet->text(RisGrassiGrammi),
                                  sheet->text(RisGrassiPercentuale),
                                  sheet->text(RisCarboidratiGrammi),
                                  sheet->text(RisCarboidratiPercentuale),
                                  sheet->text(RisDigeribilita),
                                  sheet->text(RisProprietaLegante)};
        QCOMPARE(results, QStringList({"300,00", "120,00", "40,00%", "17,00", "5,67%", "90,00", "30,00%",
                                       "3,33", "1,00"}));
        QVERIFY(sink.warnings.isEmpty());
    }

    void costOfTheMix_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("text");
        QTest::newRow("without eggs") << Setup(pricedMix) << "Costo: 1,40 € · 4,67 €/kg";
        QTest::newRow("two eggs at 0,25 €, 404 g in all") << Setup([](Worksheet &s) {
            pricedMix(s);
            eggs(s, "UOVO INTERO GALLINA", "2");
        }) << "Costo: 1,90 € · 4,70 €/kg";
        QTest::newRow("personal ingredient, custom row named after it") << Setup([](Worksheet &s) {
            pricedMix(s);
            choose(s, 3, "Mix Luca", "50");
            s.setText(Aggiunta1, "Mix Luca");
            s.setText(peso(12), "50");
        }) << "Costo: 1,80 € · 4,50 €/kg";
        QTest::newRow("first missing price in row order") << Setup([](Worksheet &s) {
            choose(s, 1, "Anice", "10");
            choose(s, 2, "CASEINA", "10");
            eggs(s, "TUORLO (IL ROSSO)", "1");
        }) << "Costo: manca il prezzo di Anice";
        QTest::newRow("a custom row named with blanks is named by its number") << Setup([](Worksheet &s) {
            pricedMix(s);
            s.setText(Aggiunta1, "   ");
            s.setText(peso(12), "8");
        }) << "Costo: manca il prezzo di riga 12";
        // Only what is weighed is priced: a row the formula left at nothing ("0,0") keeps its
        // ingredient, and so does a named custom row, but neither adds to the mix.
        QTest::newRow("a row at 0,0 g needs no price") << Setup([](Worksheet &s) {
            pricedMix(s);
            choose(s, 3, "CASEINA", "0,0");
        }) << "Costo: 1,40 € · 4,67 €/kg";
        QTest::newRow("a named custom row at 0,0 g needs no price") << Setup([](Worksheet &s) {
            pricedMix(s);
            s.setText(Aggiunta2, "Senza prezzo");
            s.setText(peso(13), "0,0");
        }) << "Costo: 1,40 € · 4,67 €/kg";
        QTest::newRow("eggs last") << Setup([](Worksheet &s) {
            pricedMix(s);
            eggs(s, "TUORLO (IL ROSSO)", "1");
        }) << "Costo: manca il prezzo di TUORLO (IL ROSSO)";
        QTest::newRow("custom row named after a catalogue entry takes its price") << Setup([](Worksheet &s) {
            pricedMix(s);
            s.setText(Aggiunta2, "ALBUMINA");
            s.setText(peso(13), "10");
        }) << "Costo: 1,50 € · 4,84 €/kg";
        QTest::newRow("custom row named after an egg kind: its price per 52 g") << Setup([](Worksheet &s) {
            pricedMix(s);
            s.setText(Aggiunta1, "UOVO INTERO GALLINA");
            s.setText(peso(12), "104");
        }) << "Costo: 1,90 € · 4,70 €/kg";
        // A single ingredient costs its own price per kilogram, however few grams.
        for (const char *grams : {"2,125", "0,006", "333,333", "1.234.567,891"})
            QTest::addRow("ALBUMINA alone, %s g", grams)
                << Setup([grams](Worksheet &s) {
                       s.setLibrary({{}, {{"ALBUMINA", "2,5"}}});
                       choose(s, 1, "ALBUMINA", grams);
                   })
                << "Costo: " + numbers::twoDecimals(numbers::valueOrZero(grams) * 2.5 / 1000) +
                       " € · 2,50 €/kg";
        QTest::newRow("a cost beyond a double is refused") << Setup([](Worksheet &s) {
            s.setLibrary({{}, {{"ALBUMINA", "1" + QString(305, u'0')}}});
            choose(s, 1, "ALBUMINA", "10.000.000.000");
        }) << kCostTooLarge;
    }

    void costOfTheMix()
    {
        QFETCH(Setup, setup);
        QFETCH(QString, text);
        setup(*sheet);
        CalculatedRows rows;
        QVERIFY(calculate(*sheet, &rows));
        QCOMPARE(costText(mixCost(*sheet, rows)), text);
    }

    void newLibraryKeepsEveryChoice()
    {
        sheet->select(componente(3), QStringLiteral("Mix Luca"));
        sheet->setText(peso(3), QStringLiteral("250"));
        sheet->select(componente(4), QStringLiteral("CASEINA"));

        // New values reach the row at once; the grams stay. An ingredient in use stays
        // offered even when the new library drops it.
        personal::Library changed;
        changed.ingredients << ingredient("Anice", {"11", "0", "0", "2", "0"});
        sheet->setLibrary(changed);
        QCOMPARE(sheet->text(componente(3)), QStringLiteral("Mix Luca"));
        QCOMPARE(sheet->text(peso(3)), QStringLiteral("250"));
        QCOMPARE(sheet->entries(componente(1)).mid(73), QStringList({"Anice", "Mix Luca"}));
        QCOMPARE(sheet->personalInUse(), QStringList{"Mix Luca"});

        changed.ingredients << ingredient("Mix Luca", {"30", "1", "2", "4", "5"});
        sheet->setLibrary(changed);
        QCOMPARE(rowValues(*sheet, 3), QStringList({"30", "1", "2", "4", "5"}));
        QCOMPARE(sheet->text(peso(3)), QStringLiteral("250"));
        QCOMPARE(sheet->text(componente(4)), QStringLiteral("CASEINA"));
    }
};

QTEST_APPLESS_MAIN(TestPersonalIngredients)
#include "tst_personalingredients.moc"
