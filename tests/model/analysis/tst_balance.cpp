// SPDX-License-Identifier: GPL-3.0-or-later
#include "balance.h"
#include "balancetexts.h"
#include "numbers.h"
#include "recordingsink.h"
#include "worksheet.h"

#include <QTest>

#include <functional>

using namespace field;
using namespace balance;

namespace {

using Setup = std::function<void(Worksheet &)>;

void ingredient(Worksheet &sheet, int row, const char *name, const char *grams)
{
    sheet.select(componente(row), QLatin1String(name));
    sheet.setText(peso(row), QLatin1String(grams));
}

void custom(Worksheet &sheet, int row, const char *name, const char *p, const char *f, const char *c,
            const char *grams)
{
    sheet.setText(aggiunta(row), QString::fromUtf8(name));
    sheet.setText(proteine(row), QLatin1String(p));
    sheet.setText(grassi(row), QLatin1String(f));
    sheet.setText(carbo(row), QLatin1String(c));
    sheet.setText(peso(row), QLatin1String(grams));
}

// ALBUMINA 200 g, SEMOLINO 300 g, FARINA DI AVENA 100 g: fat 1,77 %, too little.
void leanMix(Worksheet &sheet)
{
    ingredient(sheet, 1, "ALBUMINA", "200");
    ingredient(sheet, 2, "SEMOLINO", "300");
    ingredient(sheet, 3, "FARINA DI AVENA", "100");
}

// The share of a result field as shown, as a number: "3,00%" is 3.
double shownShare(const Worksheet &sheet, FieldId id)
{
    return numbers::valueOrZero(sheet.text(id).chopped(1));
}

const FieldId kShareFields[] = {RisProteinePercentuale, RisCarboidratiPercentuale, RisGrassiPercentuale};

} // namespace

Q_DECLARE_METATYPE(Setup)

class TestBalance : public QObject
{
    Q_OBJECT

    RecordingSink sink;

    // Calculates a fresh worksheet set up by `setup`, with `extra` grams more in `row`.
    bool calculated(Worksheet &sheet, const Setup &setup, CalculatedRows *rows, int row = 0, qint64 extra = 0)
    {
        sheet.setWarningSink(&sink);
        setup(sheet);
        if (row > 0)
            sheet.setText(peso(row),
                          numbers::plainText(numbers::valueOrZero(sheet.text(peso(row))) + double(extra)));
        return calculate(sheet, rows) && sink.warnings.isEmpty();
    }

private slots:
    void check_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("suggestions");

        QTest::newRow("worked example: all in range") << Setup([](Worksheet &s) {
            ingredient(s, 1, "ALBUMINA", "100");
            ingredient(s, 2, "FARINA DI AVENA", "200");
        }) << "Bilancio: Proteine 33,40% nel range · Carboidrati 48,60% nel range · Grassi 5,07% nel range"
                                                      << QStringList();
        QTest::newRow("fat below: oat flour")
            << Setup(leanMix)
            << "Bilancio: Proteine 32,85% nel range · Carboidrati 50,95% nel "
               "range · Grassi 1,77% sotto"
            << QStringList{"Grassi 1,77%: aggiungere 180 g di FARINA DI AVENA "
                           "(proteine 28,18%, carboidrati 56,02%, grassi 3,00%)"};
        QTest::newRow("protein above, fat below: the fewest grams win")
            << Setup([](Worksheet &s) {
                   ingredient(s, 1, "ALBUMINA", "100");
                   ingredient(s, 2, "FARINA DI AVENA", "50");
                   ingredient(s, 3, "SEMOLINO", "50");
               })
            << "Bilancio: Proteine 43,53% sopra · Carboidrati 37,63% nel range · Grassi 2,40% sotto"
            << QStringList{"Proteine 43,53%: aggiungere 25 g di SEMOLINO (proteine 39,97%, carboidrati "
                           "42,07%, grassi 2,19%)",
                           "Grassi 2,40%: aggiungere 29 g di FARINA DI AVENA (proteine 39,61%, carboidrati "
                           "42,09%, grassi 3,00%)"};
        QTest::newRow("on the edges as shown with two decimals")
            << Setup([](Worksheet &s) { custom(s, 12, "BORDO", "40,004", "2,995", "50", "100"); })
            << "Bilancio: Proteine 40,00% nel range · Carboidrati 50,00% nel range · Grassi 3,00% nel range"
            << QStringList();
        QTest::newRow("just past the edges, nothing can correct")
            << Setup([](Worksheet &s) { custom(s, 12, "BORDO", "40,005", "2,994", "50", "100"); })
            << "Bilancio: Proteine 40,01% sopra · Carboidrati 50,00% nel range · Grassi 2,99% sotto"
            << QStringList{"Proteine 40,01%: nessun componente del mix può correggerlo",
                           "Grassi 2,99%: nessun componente del mix può correggerlo"};
        QTest::newRow("eggs count in the shares, never in the suggestion")
            << Setup([](Worksheet &s) {
                   leanMix(s);
                   s.setChecked(true);
                   s.select(componente(kEggRow), QStringLiteral("TUORLO (IL ROSSO)"));
                   s.setText(NumeroUova, QStringLiteral("1"));
               })
            << "Bilancio: Proteine 32,39% nel range · Carboidrati 49,63% nel range · Grassi 2,48% sotto"
            << QStringList{"Grassi 2,48%: aggiungere 78 g di FARINA DI AVENA (proteine 30,16%, carboidrati "
                           "52,24%, grassi 3,00%)"};
        QTest::newRow("a custom row, by its name")
            << Setup([](Worksheet &s) {
                   leanMix(s);
                   custom(s, 13, "Pastura grassa", "10", "20", "50", "10");
               })
            << "Bilancio: Proteine 32,48% nel range · Carboidrati 50,93% nel range · Grassi 2,07% sotto"
            << QStringList{"Grassi 2,07%: aggiungere 34 g di Pastura grassa (proteine 31,29%, carboidrati "
                           "50,89%, grassi 3,01%)"};
        QTest::newRow("a custom row named with blanks: by its row")
            << Setup([](Worksheet &s) {
                   leanMix(s);
                   custom(s, 12, "  ", "10", "20", "50", "10");
               })
            << "Bilancio: Proteine 32,48% nel range · Carboidrati 50,93% nel range · Grassi 2,07% sotto"
            << QStringList{"Grassi 2,07%: aggiungere 34 g di riga 12 (proteine 31,29%, carboidrati "
                           "50,89%, grassi 3,01%)"};
        QTest::newRow("grams grouped like every number")
            << Setup([](Worksheet &s) {
                   ingredient(s, 1, "ALBUMINA", "1000");
                   custom(s, 13, "Olio", "0", "3,01", "0", "1");
               })
            << "Bilancio: Proteine 74,93% sopra · Carboidrati 0,00% sotto · Grassi 1,00% sotto"
            << QStringList{"Proteine 74,93%: aggiungere 874 g di Olio (proteine 40,00%, carboidrati 0,00%, "
                           "grassi 1,94%)",
                           "Carboidrati 0,00%: nessun componente del mix può correggerlo",
                           "Grassi 1,00%: aggiungere 132.999 g di Olio (proteine 0,56%, carboidrati 0,00%, "
                           "grassi 3,00%)"};
        // Only a row whose own percentage lies strictly beyond the edge can bring the share
        // back: one exactly on the edge only creeps towards it (shown as 3,00 % after some
        // 40 kg, by rounding), and is no fix.
        QTest::newRow("a row exactly on the low edge is no fix")
            << Setup([](Worksheet &s) {
                   ingredient(s, 1, "ALBUMINA", "100");
                   custom(s, 12, "Tre per cento", "10", "3", "60", "300");
               })
            << "Bilancio: Proteine 26,25% nel range · Carboidrati 45,00% nel range · Grassi 2,50% sotto"
            << QStringList{"Grassi 2,50%: nessun componente del mix può correggerlo"};
        QTest::newRow("a row exactly on the high edge is no fix")
            << Setup([](Worksheet &s) {
                   ingredient(s, 1, "ALBUMINA", "100");
                   custom(s, 12, "Quaranta", "40", "5", "40", "300");
               })
            << "Bilancio: Proteine 48,75% sopra · Carboidrati 30,00% nel range · Grassi 4,00% nel range"
            << QStringList{"Proteine 48,75%: nessun componente del mix può correggerlo"};
        QTest::newRow("a tie between two rows names the first")
            << Setup([](Worksheet &s) {
                   ingredient(s, 1, "ALBUMINA", "200");
                   ingredient(s, 2, "SEMOLINO", "300");
                   custom(s, 12, "Avena uno", "12,6", "7,1", "72,9", "50");
                   custom(s, 13, "Avena due", "12,6", "7,1", "72,9", "50");
               })
            << "Bilancio: Proteine 32,85% nel range · Carboidrati 50,95% nel range · Grassi 1,77% sotto"
            << QStringList{"Grassi 1,77%: aggiungere 180 g di Avena uno (proteine 28,18%, carboidrati "
                           "56,02%, grassi 3,00%)"};
        // In a mix of one gram, the least a row can add already carries the share past the
        // far edge: no whole number of grams lands inside.
        QTest::newRow("a tiny mix: one gram overshoots, no fix")
            << Setup([](Worksheet &s) {
                   ingredient(s, 1, "ALBUMINA", "1");
                   ingredient(s, 2, "FARINA DI ARACHIDE TOST", "0,01");
               })
            << "Bilancio: Proteine 74,65% sopra · Carboidrati 0,08% sotto · Grassi 1,49% sotto"
            << QStringList{"Proteine 74,65%: nessun componente del mix può correggerlo",
                           "Carboidrati 0,08%: nessun componente del mix può correggerlo",
                           "Grassi 1,49%: nessun componente del mix può correggerlo"};
    }

    void check()
    {
        QFETCH(Setup, setup);
        QFETCH(QString, status);
        QFETCH(QStringList, suggestions);
        sink.clear();
        Worksheet sheet;
        CalculatedRows rows;
        QVERIFY(calculated(sheet, setup, &rows));
        const Report report = balance::check(rows);
        QCOMPARE(statusLine(report), status);
        QStringList lines;
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(report[size_t(k)].share, sheet.text(kShareFields[k])); // the results' own shares
            if (report[size_t(k)].verdict != Verdict::InRange)
                lines << suggestionLine(report[size_t(k)]);
        }
        QCOMPARE(lines, suggestions);

        // Adding the suggested grams and recalculating gives the announced shares and
        // brings the share into range; one gram less does not.
        for (int k = 0; k < 3; ++k) {
            const auto &suggestion = report[size_t(k)].suggestion;
            if (!suggestion)
                continue;
            const Range range = rangeOf(kNutrients[k]);
            for (qint64 grams : {suggestion->grams, suggestion->grams - 1}) {
                Worksheet fixed;
                QVERIFY(calculated(fixed, setup, nullptr, suggestion->row, grams));
                const double share = shownShare(fixed, kShareFields[k]);
                QCOMPARE(range.low <= share && share <= range.high, grams == suggestion->grams);
                if (grams == suggestion->grams)
                    for (int j = 0; j < 3; ++j)
                        QCOMPARE(suggestion->shares[size_t(j)], fixed.text(kShareFields[j]));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestBalance)
#include "tst_balance.moc"
