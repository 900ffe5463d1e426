#include "calculation.h"
#include "catalogue.h"
#include "recordingsink.h"
#include "worksheet.h"

#include <QTest>

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
    return lib;
}

QStringList rowValues(const Worksheet &sheet, int row)
{
    QStringList values;
    for (Column column : kValueColumns)
        values << sheet.text(at(column, row));
    return values;
}

} // namespace

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

    void choosingAPersonalIngredientFillsTheRow()
    {
        sheet->setText(peso(5), QStringLiteral("0"));
        QVERIFY(sheet->select(componente(5), QStringLiteral("Mix Luca")));
        QCOMPARE(rowValues(*sheet, 5), QStringList({"22,5", "8", "45", "3,5", "-1"}));
        QCOMPARE(sheet->colour(componente(5)), Colour::Filled);
        QVERIFY(sheet->isEnabled(peso(5)));
        for (Column column : kValueColumns)
            QCOMPARE(sheet->colour(at(column, 5)), Colour::Filled);

        // Back to "-" empties the row like any catalogue entry.
        QVERIFY(sheet->select(componente(5), QStringLiteral("-")));
        QCOMPARE(rowValues(*sheet, 5), QStringList({"", "", "", "", ""}));
    }

    void calculationWithAPersonalIngredient()
    {
        // 100 g ALBUMINA (75, 1, 0, 3, 5) and 200 g Mix Luca (22,5, 8, 45, 3,5, -1):
        // protein 75 + 45 = 120, fat 1 + 16 = 17, carbohydrate 0 + 90 = 90 over 300 g;
        // digestibility (300 + 700) / 300, binder (500 - 200) / 300.
        sheet->select(componente(1), QStringLiteral("ALBUMINA"));
        sheet->setText(peso(1), QStringLiteral("100"));
        sheet->select(componente(2), QStringLiteral("Mix Luca"));
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
