// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulaform.h"

#include <QTest>

using formula::Limit;
using formulaform::Box;
using formulaform::Form;

namespace {

// Two rows and kept eggs, as the worksheet gives them.
formula::Input worksheet()
{
    formula::Input input;
    input.rows << formula::Candidate{1, QStringLiteral("ALBUMINA"), 75, 1, 0, 3, 5, 9.5, 100, 0, {}, false}
               << formula::Candidate{3,    QStringLiteral("SEMOLINO"), 11.5, 0.5, 77.6, 5, 5, 1.4, 200, 0, {},
                                     false};
    input.eggs = formula::Eggs{};
    input.eggs->kind = QStringLiteral("UOVO INTERO GALLINA");
    input.eggs->gramsPerEgg = 52;
    input.eggs->currentCount = 2;
    input.totalGrams = 404;
    return input;
}

// The window's settings at first: the balanced bands, no index minimum, the total.
Form defaults()
{
    Form form;
    form.protein = {true, QStringLiteral("17"), QStringLiteral("40")};
    form.fat = {true, QStringLiteral("3"), QStringLiteral("8")};
    form.carbo = {true, QStringLiteral("25"), QStringLiteral("60")};
    form.total = QStringLiteral("404");
    form.rows = {{1, {}, {}, false}, {3, {}, {}, false}};
    form.keepEggs = true;
    return form;
}

using Change = std::function<void(Form &)>;

} // namespace

Q_DECLARE_METATYPE(Box)

class TestFormulaForm : public QObject
{
    Q_OBJECT

private slots:
    // Each box that can be wrong, with the message the window shows and the box to correct.
    void refusals_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Box>("box");
        QTest::addColumn<int>("row");
        QTest::newRow("protein minimum not a number")
            << Change([](Form &f) { f.protein.min = QStringLiteral("x"); })
            << "Proteine %: il minimo «x» non è un numero da 0 a 100" << Box::of(Limit::ProteinMin) << 0;
        QTest::newRow("fat maximum over 100")
            << Change([](Form &f) { f.fat.max = QStringLiteral("100,5"); })
            << "Grassi %: il massimo «100,5» non è un numero da 0 a 100" << Box::of(Limit::FatMax) << 0;
        QTest::newRow("carbohydrate minimum negative")
            << Change([](Form &f) { f.carbo.min = QStringLiteral("-1"); })
            << "Carboidrati %: il minimo «-1» non è un numero da 0 a 100" << Box::of(Limit::CarboMin) << 0;
        QTest::newRow("digestibility switched on, empty") << Change([](Form &f) {
            f.digestibility = {true, QString()};
        }) << "Indice Digeribilità: il minimo «» non è un numero"
                                                          << Box::of(Limit::DigestibilityMin) << 0;
        QTest::newRow("binder not a number") << Change([](Form &f) {
            f.binder = {true, QStringLiteral("3.5")};
        }) << "Indice Legante: il minimo «3.5» non è un numero"
                                             << Box::of(Limit::BinderMin) << 0;
        QTest::newRow("total with a fraction")
            << Change([](Form &f) { f.total = QStringLiteral("404,5"); })
            << "Peso totale: «404,5» non è un numero intero di grammi" << Box{Box::Kind::Total} << 0;
        QTest::newRow("row minimum with a fraction")
            << Change([](Form &f) { f.rows[1].min = QStringLiteral("12,5"); })
            << "Riga 3 (SEMOLINO): il minimo «12,5» non è un numero intero di grammi"
            << Box{Box::Kind::RowMin} << 3;
        QTest::newRow("row maximum negative")
            << Change([](Form &f) { f.rows[0].max = QStringLiteral("-5"); })
            << "Riga 1 (ALBUMINA): il massimo «-5» è negativo: i grammi non possono essere negativi"
            << Box{Box::Kind::RowMax} << 1;
        QTest::newRow("the first problem in the window's order") << Change([](Form &f) {
            f.rows[0].min = QStringLiteral("x");
            f.total = QStringLiteral("y");
            f.fat.max = QStringLiteral("z");
        }) << "Grassi %: il massimo «z» non è un numero da 0 a 100"
                                                                 << Box::of(Limit::FatMax) << 0;
    }

    void refusals()
    {
        QFETCH(Change, change);
        QFETCH(QString, text);
        QFETCH(Box, box);
        QFETCH(int, row);
        Form form = defaults();
        change(form);
        formula::Input input = worksheet();
        const std::optional<formulaform::Problem> problem = formulaform::read(form, input);
        QVERIFY(problem);
        QCOMPARE(problem->text, text);
        QVERIFY(problem->box == box);
        QCOMPARE(problem->row, row);
    }

    // What is accepted goes into the problem: bands switched off keep their texts
    // unread, a kept row ignores its bounds, the eggs follow their box.
    void accepted()
    {
        Form form = defaults();
        form.protein = {false, QStringLiteral("nonsense"), QString()};
        form.fat = {true, QStringLiteral("2,996"), QStringLiteral("8")};
        form.binder = {true, QStringLiteral("3")};
        form.total = QStringLiteral("1.000");
        form.goal = formula::Goal::ClosestToCurrent;
        form.rows = {{1, QStringLiteral("x"), QStringLiteral("y"), true},
                     {3, QStringLiteral(" 10 "), QString(), false}};
        form.keepEggs = false;
        formula::Input input = worksheet();
        QVERIFY(!formulaform::read(form, input));
        QVERIFY(!input.bands.protein.on);
        QCOMPARE(input.bands.fat.min, 2.996); // as typed: the formula admits it as 3,00
        QCOMPARE(input.bands.minBinder, std::optional<double>(3));
        QCOMPARE(input.totalGrams, 1000);
        QCOMPARE(input.goal, formula::Goal::ClosestToCurrent);
        QVERIFY(input.rows[0].keep);
        QCOMPARE(input.rows[1].minGrams, 10);
        QCOMPARE(input.rows[1].maxGrams, std::nullopt);
        QVERIFY(input.eggs->free);
    }
};

QTEST_GUILESS_MAIN(TestFormulaForm)
#include "tst_formulaform.moc"
