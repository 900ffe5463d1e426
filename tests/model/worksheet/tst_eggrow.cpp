// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingsink.h"
#include "worksheet.h"

#include <QTest>

using namespace field;

namespace {

const FieldId kEggValues[] = {proteine(kEggRow), grassi(kEggRow), carbo(kEggRow), dig(kEggRow)};

QStringList eggValues(const Worksheet &sheet)
{
    QStringList values;
    for (FieldId id : kEggValues)
        values << sheet.text(id);
    return values;
}

} // namespace

class TestEggRow : public QObject
{
    Q_OBJECT

private slots:
    void eggsOffAtStart()
    {
        Worksheet sheet;
        QCOMPARE(sheet.text(componente(kEggRow)), QStringLiteral("-"));
        QCOMPARE(sheet.text(NumeroUova), QStringLiteral("0"));
        QCOMPARE(sheet.text(Label17), QStringLiteral("Totale peso senza uova"));
        QCOMPARE(sheet.text(Frame2), QStringLiteral("Risultati con uova escluse"));
        for (FieldId id : {componente(kEggRow), FieldId(NumeroUova), peso(kEggRow), kEggValues[0],
                           kEggValues[1], kEggValues[2], kEggValues[3]}) {
            QVERIFY2(!sheet.isEnabled(id), qPrintable(field::name(id)));
            QCOMPARE(sheet.colour(id), Colour::ButtonFace);
        }
        QVERIFY(sheet.isEnabled(ChkUova));
    }

    void checkingEnablesTheRow()
    {
        Worksheet sheet;
        sheet.setChecked(true);
        QCOMPARE(sheet.text(componente(kEggRow)), QStringLiteral("-"));
        QVERIFY(sheet.isEnabled(componente(kEggRow)));
        QVERIFY(sheet.isEnabled(NumeroUova));
        QCOMPARE(sheet.colour(NumeroUova), Colour::Window);
        for (FieldId id : kEggValues) {
            QVERIFY(sheet.text(id).isEmpty());
            QVERIFY(sheet.isEnabled(id));
            QCOMPARE(sheet.colour(id), Colour::Window);
        }
        QCOMPARE(sheet.text(Label17), QStringLiteral("Totale peso con uova"));
        QCOMPARE(sheet.text(Frame2), QStringLiteral("Risultati con uova incluse"));
    }

    void kinds_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("white") << "ALBUME (IL BIANCO)" << QStringList{"10,7", "1", "0", "3"};
        QTest::newRow("yolk") << "TUORLO (IL ROSSO)" << QStringList{"15", "29,1", "0", "0"};
        QTest::newRow("whole") << "UOVO INTERO GALLINA" << QStringList{"13,0", "11,1", "0", "0"};
    }

    void kinds()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, values);
        Worksheet sheet;
        sheet.setChecked(true);
        QVERIFY(sheet.select(componente(kEggRow), kind));
        QCOMPARE(eggValues(sheet), values);
        QCOMPARE(sheet.colour(componente(kEggRow)), Colour::Filled);
        for (FieldId id : kEggValues)
            QCOMPARE(sheet.colour(id), Colour::Filled);
        QVERIFY(sheet.isEnabled(NumeroUova));
        sheet.setText(NumeroUova, QStringLiteral("3"));
        QCOMPARE(sheet.colour(NumeroUova), Colour::Filled);
    }

    void dashWhileOnDisablesTheCount()
    {
        Worksheet sheet;
        sheet.setChecked(true);
        sheet.select(componente(kEggRow), QStringLiteral("TUORLO (IL ROSSO)"));
        sheet.setText(NumeroUova, QStringLiteral("3"));
        sheet.select(componente(kEggRow), QStringLiteral("-"));
        QVERIFY(sheet.eggsChecked());
        QCOMPARE(sheet.text(NumeroUova), QStringLiteral("0"));
        QVERIFY(!sheet.isEnabled(NumeroUova));
        QVERIFY(!sheet.isEnabled(peso(kEggRow)));
        QVERIFY(sheet.text(peso(kEggRow)).isEmpty());
        QCOMPARE(sheet.colour(componente(kEggRow)), Colour::Window);
        for (FieldId id : kEggValues)
            QVERIFY(!sheet.isEnabled(id));
    }

    void uncheckingForgetsEverythingButResults()
    {
        Worksheet sheet;
        sheet.setChecked(true);
        sheet.select(componente(kEggRow), QStringLiteral("ALBUME (IL BIANCO)"));
        sheet.setText(NumeroUova, QStringLiteral("3"));
        sheet.setText(peso(kEggRow), QStringLiteral("111,00"));
        QCOMPARE(sheet.colour(peso(kEggRow)), Colour::Filled);
        sheet.setText(RisPeso, QStringLiteral("411,00"));

        sheet.setChecked(false);
        QCOMPARE(sheet.text(componente(kEggRow)), QStringLiteral("-"));
        QCOMPARE(sheet.text(NumeroUova), QStringLiteral("0"));
        QVERIFY(sheet.text(peso(kEggRow)).isEmpty());
        QCOMPARE(eggValues(sheet), QStringList({"", "", "", ""}));
        QCOMPARE(sheet.colour(componente(kEggRow)), Colour::ButtonFace);
        QCOMPARE(sheet.colour(NumeroUova), Colour::ButtonFace);
        QCOMPARE(sheet.text(RisPeso), QStringLiteral("411,00"));
        QCOMPARE(sheet.text(Frame2), QStringLiteral("Risultati con uova escluse"));

        sheet.setChecked(true);
        QCOMPARE(sheet.text(NumeroUova), QStringLiteral("0"));
        sheet.setChecked(false);
        sheet.setChecked(true);
        QCOMPARE(sheet.text(NumeroUova), QStringLiteral("0"));
    }

    void eggWeightRuleNeverResetsTheColour()
    {
        Worksheet sheet;
        sheet.setChecked(true);
        sheet.select(componente(kEggRow), QStringLiteral("ALBUME (IL BIANCO)"));
        sheet.setText(peso(kEggRow), QStringLiteral("0"));
        QCOMPARE(sheet.colour(peso(kEggRow)), Colour::Window);
        sheet.setText(peso(kEggRow), QStringLiteral("37"));
        QCOMPARE(sheet.colour(peso(kEggRow)), Colour::Filled);
        sheet.setText(peso(kEggRow), QStringLiteral("0"));
        QCOMPARE(sheet.colour(peso(kEggRow)), Colour::Filled);
    }

    void valueFieldRuleDisablesWhileOff()
    {
        Worksheet sheet;
        sheet.setText(proteine(kEggRow), QStringLiteral("5"));
        QVERIFY(!sheet.isEnabled(proteine(kEggRow)));
        sheet.setChecked(true);
        sheet.setText(proteine(kEggRow), QStringLiteral("6"));
        QVERIFY(sheet.isEnabled(proteine(kEggRow)));
    }
};

QTEST_APPLESS_MAIN(TestEggRow)
#include "tst_eggrow.moc"
