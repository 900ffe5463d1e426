// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation.h"
#include "clearing.h"
#include "recordingsink.h"
#include "worksheet.h"

#include <QTest>

using namespace field;

class TestClearing : public QObject
{
    Q_OBJECT

    // A worksheet with everything filled in and calculated.
    static void fillEverything(Worksheet &sheet)
    {
        for (int row = 1; row <= 11; ++row) {
            sheet.select(componente(row), QStringLiteral("CASEINA"));
            sheet.setText(peso(row), QString::number(row * 10));
        }
        for (int row : {12, 13}) {
            sheet.setText(aggiunta(row), QStringLiteral("MIO"));
            sheet.setText(proteine(row), QStringLiteral("20"));
            sheet.select(dig(row), QStringLiteral("3"));
            sheet.select(legante(row), QStringLiteral("2"));
            sheet.setText(peso(row), QStringLiteral("5"));
        }
        sheet.setChecked(true);
        sheet.select(componente(kEggRow), QStringLiteral("TUORLO (IL ROSSO)"));
        sheet.setText(NumeroUova, QStringLiteral("3"));
        sheet.setText(NomeRicetta, QStringLiteral("Ricetta"));
        sheet.setText(Note, QStringLiteral("note"));
        QVERIFY(calculate(sheet));
    }

private slots:
    void clearEmptiesTheWorksheet()
    {
        Worksheet sheet;
        RecordingSink sink;
        sheet.setWarningSink(&sink);
        fillEverything(sheet);
        clearWorksheet(sheet);
        QVERIFY(sink.warnings.isEmpty());

        for (FieldId id : kResultsInClearOrder) {
            QVERIFY(sheet.text(id).isEmpty());
            QCOMPARE(sheet.colour(id), Colour::Window);
        }
        for (FieldId id : {NomeRicetta, Note, Aggiunta1, Aggiunta2}) {
            QVERIFY(sheet.text(id).isEmpty());
            QCOMPARE(sheet.colour(id), Colour::Window);
        }
        for (int row = 1; row <= 13; ++row) {
            QCOMPARE(sheet.text(peso(row)), QStringLiteral("0"));
            QVERIFY(!sheet.isEnabled(peso(row)));
            QCOMPARE(sheet.colour(peso(row)), Colour::Window);
        }
        for (int row = 1; row <= 11; ++row) {
            QCOMPARE(sheet.text(componente(row)), QStringLiteral("-"));
            QCOMPARE(sheet.colour(componente(row)), Colour::Window);
            for (RowColumn column : kValueColumns)
                QVERIFY(sheet.text(at(column, row)).isEmpty());
        }
        for (int row : {12, 13}) {
            for (RowColumn column : kValueColumns) {
                QCOMPARE(sheet.text(at(column, row)), QStringLiteral("0"));
                QCOMPARE(sheet.colour(at(column, row)), Colour::Window);
                QVERIFY(!sheet.isEnabled(at(column, row)));
            }
        }
        // The eggs were on: the egg switch reset the row.
        QVERIFY(!sheet.eggsChecked());
        QCOMPARE(sheet.text(componente(kEggRow)), QStringLiteral("-"));
        QCOMPARE(sheet.colour(NumeroUova), Colour::ButtonFace);
        QCOMPARE(sheet.text(Label17), QStringLiteral("Totale peso senza uova"));
    }

    void eggsAlreadyOffKeepWhatTheyShow()
    {
        Worksheet sheet;
        sheet.select(componente(1), QStringLiteral("CASEINA"));
        sheet.setText(peso(1), QStringLiteral("10"));
        QVERIFY(calculate(sheet));
        QCOMPARE(sheet.text(peso(kEggRow)), QStringLiteral("0,00"));
        clearWorksheet(sheet);
        QCOMPARE(sheet.text(peso(kEggRow)), QStringLiteral("0,00"));
        QCOMPARE(sheet.text(proteine(kEggRow)), QStringLiteral("0"));
    }

    void totalIsEmptiedLast()
    {
        Worksheet sheet;
        fillEverything(sheet);
        QStringList order;
        connect(&sheet, &Worksheet::fieldChanged, this, [&](FieldId id) {
            if ((id >= RisPeso && id <= Note) && sheet.text(id).isEmpty() && !order.contains(field::name(id)))
                order << field::name(id);
        });
        clearWorksheet(sheet);
        QCOMPARE(order.last(), QStringLiteral("TxtRisPeso"));
        QCOMPARE(order.indexOf(QStringLiteral("TxtNote")), order.size() - 2);
    }
};

QTEST_APPLESS_MAIN(TestClearing)
#include "tst_clearing.moc"
