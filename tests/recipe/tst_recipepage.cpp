// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation.h"
#include "clearing.h"
#include "pagetext.h"
#include "recipemessages.h"
#include "recipepage.h"
#include "worksheet.h"

#include <QTest>

using namespace field;

namespace {

void workedExample(Worksheet &sheet, bool eggs)
{
    sheet.select(componente(1), QStringLiteral("ALBUMINA"));
    sheet.setText(peso(1), QStringLiteral("100"));
    sheet.select(componente(3), QStringLiteral("FARINA DI AVENA"));
    sheet.setText(peso(3), QStringLiteral("200"));
    if (eggs) {
        sheet.setChecked(true);
        sheet.select(componente(kEggRow), QStringLiteral("UOVO INTERO GALLINA"));
        sheet.setText(NumeroUova, QStringLiteral("2"));
    }
    sheet.setText(NomeRicetta, QStringLiteral("Prova"));
    sheet.setText(Note, QStringLiteral("riga uno\r\nriga due"));
    QVERIFY(calculate(sheet));
}

const QString kResultsGrams = QStringLiteral("@60 Prot. 100,20gr.@80 Gras. 15,20gr.@100 Carb. 145,80gr.");

} // namespace

class TestRecipePage : public QObject
{
    Q_OBJECT

private slots:
    void withoutEggs()
    {
        Worksheet sheet;
        workedExample(sheet, false);
        QVERIFY(recipepage::refusal(sheet).isEmpty());
        const Page out = recipepage::build(sheet);
        QVERIFY(out.landscape);
        QCOMPARE(out.fontFamily, QStringLiteral("Arial"));
        QCOMPARE(
            pageText(out),
            QStringList({
                "",
                "@3 Ricetta:  Prova",
                "",
                "",
                "@3 ALBUMINA@60 Prot. 75%@80 Gras. 1%@100 Carb. 0%@120 Dige. 3@140 Lega. 5@160 Peso: 100gr.",
                "@3 FARINA DI AVENA@60 Prot. 12,6%@80 Gras. 7,1%@100 Carb. 72,9%@120 Dige. 3@140 Lega. "
                "4@160 Peso: 200gr.",
                "",
                "",
                "",
                "",
                "",
                "@3 Risultati con uova escluse",
                "",
                "@60 Prot. 33,40%@80 Gras. 5,07%@100 Carb. 48,60%@120 Dige. 3,00@140 Lega. 4,33@160 "
                "Peso: 300,00gr.",
                kResultsGrams,
                "",
                "",
                "@3 Note: riga uno",
                "riga due",
            }));
        for (const PageLine &line : out.lines)
            QCOMPARE(line.pointSize, 10.0);
    }

    void withEggs()
    {
        Worksheet sheet;
        workedExample(sheet, true);
        const QStringList lines = pageText(recipepage::build(sheet));
        QCOMPARE(lines.at(6),
                 QStringLiteral("@3 Numero di UOVO INTERO GALLINA: 2@60 Prot. 13,0%@80 Gras. 11,1%@100 "
                                "Carb. 0%@120 Dige. 0@160 Peso: 104,00gr."));
        QVERIFY(lines.contains(QStringLiteral("@3 Risultati con uova incluse")));
    }

    void eggLineOnlyWhileTheCountIsEnabled()
    {
        Worksheet sheet;
        workedExample(sheet, true);
        sheet.select(componente(kEggRow), QStringLiteral("-")); // count disabled, back to "0"
        QVERIFY(!pageText(recipepage::build(sheet)).join(u'\n').contains(QStringLiteral("Numero di")));
    }

    // A row is left out when its grams read "0" (never weighed) or "0,0" (weighed at
    // nothing by the formula's Applica); any other text, a zero typed another way
    // included, is printed as it stands.
    void rowLineFollowsTheGramsText_data()
    {
        QTest::addColumn<QString>("grams");
        QTest::addColumn<bool>("printed");
        QTest::newRow("never weighed") << "0" << false;
        QTest::newRow("weighed at nothing by Applica") << "0,0" << false;
        QTest::newRow("zero typed with two decimals") << "0,00" << true;
        QTest::newRow("zero typed with a sign") << "+0" << true;
        QTest::newRow("zero typed as a bare comma") << "0," << true;
        QTest::newRow("zero typed with a leading zero") << "00" << true;
        QTest::newRow("grams with decimals") << "0,5" << true;
        QTest::newRow("whole grams") << "10" << true;
    }

    void rowLineFollowsTheGramsText()
    {
        QFETCH(QString, grams);
        QFETCH(bool, printed);
        Worksheet sheet;
        workedExample(sheet, false);
        sheet.select(componente(5), QStringLiteral("CASEINA"));
        sheet.setText(peso(5), grams);
        QCOMPARE(sheet.text(peso(5)), grams); // the quantity rule kept it
        const QStringList lines = pageText(recipepage::build(sheet));
        const QString line =
            QStringLiteral("@3 CASEINA@60 Prot. 90%@80 Gras. 1%@100 Carb. 1%@120 Dige. 4@140 "
                           "Lega. 5@160 Peso: %1gr.")
                .arg(grams);
        QCOMPARE(lines.contains(line), printed);
        QCOMPARE(lines.size(), printed ? 20 : 19);
    }

    void customRowPrintsItsTypedName()
    {
        Worksheet sheet;
        workedExample(sheet, false);
        sheet.setText(Aggiunta1, QStringLiteral("Mio"));
        sheet.setText(peso(12), QStringLiteral("5"));
        const QStringList lines = pageText(recipepage::build(sheet));
        QVERIFY(lines.at(6).startsWith(QStringLiteral("@3 Mio@60 Prot. 0%")));
        QVERIFY(lines.at(6).contains(QStringLiteral("@120 Dige. 0@140 Lega. 0@")));
    }

    void guards()
    {
        Worksheet sheet;
        QCOMPARE(recipepage::refusal(sheet), messages::kPrintBeforeCalculation);
        workedExample(sheet, false);
        sheet.setText(NomeRicetta, QString());
        QCOMPARE(recipepage::refusal(sheet), messages::kPrintWithoutName);
        clearWorksheet(sheet);
        QCOMPARE(recipepage::refusal(sheet), messages::kPrintBeforeCalculation);
    }
};

QTEST_APPLESS_MAIN(TestRecipePage)
#include "tst_recipepage.moc"
