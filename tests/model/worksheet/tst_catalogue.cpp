// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"
#include "recordingsink.h"
#include "worksheet.h"

#include <QTest>

using namespace field;

namespace {

// The catalogue as the program must carry it: name|protein|fat|carbohydrate|digestibility|binder.
const char *const kExpected[] = {
    "ALBUMINA|75|1|0|3|5",
    "BIRDFOOD BLEND Drumlow|32|1,8|41|4|3,5",
    "BLUE MUSSEL MIX Drumlow|41,5|2|28|4|2,7",
    "CALCIO CASEINATO|90|1|1|3|4",
    "CASEINA|90|1|1|4|5",
    "CASEINA ACIDA|97|0,8|1|4|5",
    "CASTAGNA|6|3,4|62|2|3",
    "CRUSCA|14,1|5,5|26,6|4|-1",
    "EGG & HONEY BISKUIT RED|18|2,4|49|4|-1",
    "EGG & HONEY BISKUIT YELLOW|18|2,4|49|4|-1",
    "FARINA DI ARACHIDE TOST|40|50|8,5|3|0",
    "FARINA DI ARINGHE|69,5|8|1|3|-1",
    "FARINA DI AVENA|12,6|7,1|72,9|3|4",
    "FARINA DI CARNE|80|0|0|1|0",
    "FARINA DI CECI|21,8|4,9|54,3|3|4",
    "FARINA DI CRISALIDE|20|4|0|4|-1",
    "FARINA DI EMOGLOBINA|98|0,1|0|5|0",
    "FARINA DI FAVA|27,2|3|54,8|3|3",
    "FARINA DI FEGATO|85|10|2|3|0",
    "FARINA DI FEGATO DI POLLO|65|16|1|3|0",
    "FARINA DI GAMBERETTI Drumlow|58|1,7|0|4|0",
    "FARINA DI GAMBERO|55|1,8|0|4|0",
    "FARINA DI GRANO 00|11|0,7|78|4|5",
    "FARINA DI MAIS|8,7|2,7|81,5|5|4",
    "FARINA DI MELASSA|5|0|60|4|-1",
    "FARINA DI MERLUZZO|79|7|1|3|0",
    "FARINA DI ORZO|10,6|1,9|80|3|3",
    "FARINA DI PATATA|9,0|3|78|4|3",
    "FARINA DI PESCE BIANCO|62|12|0|3|0",
    "FARINA DI PESCE LT Drumlow|68|8|0|3|0",
    "FARINA DI RISO|7,3|0,5|87,8|4|3",
    "FARINA DI SALMONE|64|8|0|3|0",
    "FARINA DI SALMONE 89 LT Drumlow|72|9|0|3|0",
    "FARINA DI SANGUE AVICOLO (DIsid)|90|1|0|5|0",
    "FARINA DI SARDINA|60|0|0|4|0",
    "FARINA DI TONNO|61|16|0|3|0",
    "FISH MIX 2000 Drumlow|34|17|34|3,7|3,5",
    "FISHFOOD BLEND Drumlow|41|2,1|41|3,5|3,3",
    "GERME DI GRANO|29|10|55|5|4",
    "GLM|60|5|12|5|0",
    "GLUTINE DI GRANO|80|2|0|1|5",
    "GLUTINE DI MAIS|60|1,75|23|3|3",
    "IDROLIZZATO DI COZZA|90|0,2|1|5|0",
    "IDROLIZZATO DI FEGATO|90|2|0|5|0",
    "IDROLIZZATO DI GAMBERO|90|0,2|0|5|0",
    "IDROLIZZATO DI PESCE LT020|90|2|0|5|0",
    "IDROLIZZATO DI PIUME DI GALLINA|90|11,5|0|5|0",
    "ISOLATO DI SOYA|90|0,7|1|4|4",
    "LACTALBUMINA|90|1|1|4|4",
    "LATTE IN POLVERE|25|24,9|42|2|3",
    "MATRIX + MIX|29|6,2|0|3,7|3,5",
    "NATURE SEED MIX Drumlow|17|1,9|43|4|-1",
    "NECTARBLEND|15|9|65|4|-1",
    "PASTONCINO PER UCCELLI|10|10|50|4|-1",
    "PEANUTS BLEND Drumlow|29|18|38|3,8|3,5",
    "POLVERE D'UOVO|50|36,4|0,4|2|4",
    "PRO MIX Drumlow|38|1,9|42|4|4",
    "PROSECTO INSECTIVORUS|10|0|0|3|-1",
    "RED FACTOR|12|8|65|4|-1",
    "RED SEED MIX Drumlow|17|1,9|43|4|-1",
    "RIVER CLASSIC Drumlow|28|1,6|36|3,5|3,1",
    "ROBIN RED|12|14|65|5|-1",
    "ROBIN RED Drumlow|12|8|65|5|-1",
    "SEMOLINO|11,5|0,5|77,6|5|5",
    "SEMOLINO 50% + GERME 50%|20|5,25|66,3|5|4",
    "SLUIS CLO|13|8|65|4|-1",
    "SODIO CASEINATO|90|1|1|4|4",
    "SOYA GRASSA|36,5|23,5|23,5|2|2",
    "SOYA TOSTATA|45,3|7,2|28,2|4|4",
    "SUSHI IMPERIAL MIX|29,8|6,3|0|4|3,5",
    "TIGER NUTS|12|20|50|3|-1",
    "YELLOW SEED MIX Drumlow|17|1,9|43|4|-1",
};

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void everyEntryInListOrder_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("expected");
        int position = 1;
        for (const char *line : kExpected) {
            const QStringList cells = QString::fromLatin1(line).split(u'|');
            QTest::newRow(line) << position++ << cells;
        }
    }

    void everyEntryInListOrder()
    {
        QFETCH(int, position);
        QFETCH(QStringList, expected);
        QCOMPARE(catalogue::ingredientEntries().at(position), expected[0]);

        // Choosing the entry writes its five texts unchanged into the row.
        Worksheet sheet;
        QVERIFY(sheet.select(componente(4), expected[0]));
        const QStringList shown{sheet.text(proteine(4)), sheet.text(grassi(4)), sheet.text(carbo(4)),
                                sheet.text(dig(4)), sheet.text(legante(4))};
        QCOMPARE(shown, expected.mid(1));
    }

    void listShape()
    {
        QCOMPARE(catalogue::ingredients().size(), size_t(72));
        QCOMPARE(catalogue::ingredientEntries().size(), 73);
        QCOMPARE(catalogue::ingredientEntries().first(), QStringLiteral("-"));
        QCOMPARE(catalogue::eggEntries(),
                 QStringList({"-", "ALBUME (IL BIANCO)", "TUORLO (IL ROSSO)", "UOVO INTERO GALLINA"}));
        QCOMPARE(catalogue::digestibilityEntries(), QStringList({"-", "0", "1", "2", "3", "4", "5"}));
        QCOMPARE(catalogue::binderEntries(), QStringList({"-", "0", "1", "-1", "2", "3", "4", "5"}));
    }

    void lookupIsExact_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        QTest::newRow("exact") << "FARINA DI SALMONE 89 LT Drumlow" << true;
        QTest::newRow("trailing blank") << "FARINA DI SALMONE 89 LT Drumlow " << false;
        QTest::newRow("other case") << "farina di avena" << false;
        QTest::newRow("dash") << "-" << false;
        QTest::newRow("empty") << "" << false;
    }

    void lookupIsExact()
    {
        QFETCH(QString, name);
        QFETCH(bool, found);
        QCOMPARE(catalogue::findIngredient(name) != nullptr, found);
    }

    void choosingAnEntryFillsTheRow()
    {
        Worksheet sheet;
        QVERIFY(sheet.select(componente(1), QStringLiteral("FARINA DI PATATA")));
        QCOMPARE(sheet.text(proteine(1)), QStringLiteral("9,0"));
        QCOMPARE(sheet.colour(componente(1)), Colour::Filled);
        QVERIFY(sheet.isEnabled(peso(1)));
        for (RowColumn column : kValueColumns) {
            QCOMPARE(sheet.colour(at(column, 1)), Colour::Filled);
            QVERIFY(sheet.isEnabled(at(column, 1)));
        }
    }

    void zeroAndNegativeValuesAreFilled()
    {
        Worksheet sheet;
        sheet.select(componente(2), QStringLiteral("FARINA DI CARNE"));
        QCOMPARE(sheet.text(grassi(2)), QStringLiteral("0"));
        QCOMPARE(sheet.colour(grassi(2)), Colour::Filled);
        sheet.select(componente(2), QStringLiteral("CRUSCA"));
        QCOMPARE(sheet.text(legante(2)), QStringLiteral("-1"));
        QCOMPARE(sheet.colour(legante(2)), Colour::Filled);
    }

    void dashEmptiesTheRowAndKeepsNoGrams()
    {
        Worksheet sheet;
        RecordingSink sink;
        sheet.setWarningSink(&sink);
        sheet.select(componente(3), QStringLiteral("CASEINA"));
        sheet.setText(peso(3), QStringLiteral("250"));
        sheet.select(componente(3), QStringLiteral("SOYA TOSTATA"));
        QCOMPARE(sheet.text(peso(3)), QStringLiteral("250"));
        QCOMPARE(sheet.text(proteine(3)), QStringLiteral("45,3"));

        sheet.select(componente(3), QStringLiteral("-"));
        QCOMPARE(sheet.text(peso(3)), QStringLiteral("0"));
        QVERIFY(!sheet.isEnabled(peso(3)));
        QCOMPARE(sheet.colour(peso(3)), Colour::Window);
        QCOMPARE(sheet.colour(componente(3)), Colour::Window);
        for (RowColumn column : kValueColumns) {
            QVERIFY(sheet.text(at(column, 3)).isEmpty());
            QVERIFY(!sheet.isEnabled(at(column, 3)));
            QCOMPARE(sheet.colour(at(column, 3)), Colour::Window);
        }

        sheet.select(componente(3), QStringLiteral("CASEINA"));
        QVERIFY(sheet.isEnabled(peso(3)));
        QCOMPARE(sheet.text(peso(3)), QStringLiteral("0"));
        QVERIFY(sink.warnings.isEmpty());
    }

    void choiceTouchesOnlyItsRow()
    {
        Worksheet sheet;
        sheet.setText(RisPeso, QStringLiteral("12,00"));
        QList<FieldId> changed;
        connect(&sheet, &Worksheet::fieldChanged, this, [&](FieldId id) { changed << id; });
        sheet.select(componente(5), QStringLiteral("GLM"));
        for (FieldId id : changed)
            QVERIFY2(id % kRows == 4 && id < Aggiunta1, qPrintable(field::name(id)));
        QCOMPARE(sheet.text(RisPeso), QStringLiteral("12,00"));
    }

    void reselectingIsIdempotent()
    {
        Worksheet sheet;
        sheet.select(componente(6), QStringLiteral("ROBIN RED"));
        sheet.setText(peso(6), QStringLiteral("10"));
        QList<FieldId> changed;
        connect(&sheet, &Worksheet::fieldChanged, this, [&](FieldId id) { changed << id; });
        sheet.select(componente(6), QStringLiteral("ROBIN RED"));
        QVERIFY(changed.isEmpty());
    }

    void unknownEntryIsRefused()
    {
        Worksheet sheet;
        QVERIFY(!sheet.select(componente(1), QStringLiteral("NON ESISTE")));
        QVERIFY(sheet.text(componente(1)).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
