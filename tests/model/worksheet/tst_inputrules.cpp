// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"
#include "recordingsink.h"
#include "worksheet.h"

#include <QTest>

using namespace field;

class TestInputRules : public QObject
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

    void startState()
    {
        for (int row = 1; row <= 13; ++row) {
            QCOMPARE(sheet->text(peso(row)), QStringLiteral("0"));
            QVERIFY(!sheet->isEnabled(peso(row)));
        }
        for (int row = 1; row <= 11; ++row) {
            QVERIFY(sheet->text(componente(row)).isEmpty());
            QVERIFY(sheet->isEnabled(componente(row)));
            QVERIFY(sheet->isEnabled(proteine(row)));
        }
        for (int row : {12, 13}) {
            QVERIFY(sheet->text(dig(row)).isEmpty());
            QVERIFY(!sheet->isEnabled(dig(row)));
            QVERIFY(!sheet->isEnabled(legante(row)));
            QCOMPARE(sheet->text(carbo(row)), QStringLiteral("0"));
            QVERIFY(sheet->isEnabled(aggiunta(row)));
        }
        for (FieldId id : kResultsInClearOrder)
            QVERIFY(sheet->text(id).isEmpty());
        QVERIFY(sheet->isEnabled(NomeRicetta));
        QVERIFY(sheet->isEnabled(Note));
        QVERIFY(!sheet->eggsChecked());
    }

    // One rule for every grams field and the egg count.
    void quantityRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("warnings");
        QTest::addColumn<int>("colour");
        const int filled = int(Colour::Filled);
        const int window = int(Colour::Window);
        QTest::newRow("250 is filled") << "250"
                                       << "250" << QStringList() << filled;
        QTest::newRow("0 is window") << "0"
                                     << "0" << QStringList() << window;
        QTest::newRow("0,0 is zero") << "0,0"
                                     << "0,0" << QStringList() << window;
        QTest::newRow("fraction") << "1,5"
                                  << "1,5" << QStringList() << filled;
        QTest::newRow("12a") << "12a"
                             << "0" << QStringList{messages::kNotANumber} << window;
        QTest::newRow("deleted") << ""
                                 << "0" << QStringList{messages::kNotANumber} << window;
        QTest::newRow("lone minus") << "-"
                                    << "0" << QStringList{messages::kNotANumber} << window;
        QTest::newRow("pasted -5") << "-5"
                                   << "0" << QStringList{messages::kNegative} << window;
        QTest::newRow("half typed 12,") << "12,"
                                        << "12," << QStringList() << filled;
        QTest::newRow("1 and 400 zeros is too large")
            << "1" + QString(400, u'0') << "0" << QStringList{messages::kTooLarge} << window;
        QTest::newRow("minus 1 and 400 zeros is negative")
            << "-1" + QString(400, u'0') << "0" << QStringList{messages::kNegative} << window;
    }

    void quantityRule()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QStringList, warnings);
        QFETCH(int, colour);
        sheet->select(componente(1), QStringLiteral("ALBUMINA"));
        sheet->setText(peso(1), QStringLiteral("7"));
        sheet->setText(peso(1), typed);
        QCOMPARE(sheet->text(peso(1)), shown);
        QCOMPARE(sink.texts(), warnings);
        QCOMPARE(int(sheet->colour(peso(1))), colour);

        // The egg count follows the same rule.
        sheet->setChecked(true);
        sink.clear();
        sheet->setText(NumeroUova, QStringLiteral("7"));
        sheet->setText(NumeroUova, typed);
        QCOMPARE(sheet->text(NumeroUova), shown);
        QCOMPARE(sink.texts(), warnings);
        for (const auto &w : sink.warnings)
            QCOMPARE(w.first, QStringLiteral("AVVISO"));
    }

    void percentageRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("warnings");
        QTest::addColumn<int>("colour"); // -1: the colour the field had before
        const int filled = int(Colour::Filled);
        const int window = int(Colour::Window);
        QTest::newRow("exactly 100") << "100"
                                     << "100" << QStringList() << filled;
        QTest::newRow("100,5") << "100,5"
                               << "0" << QStringList{messages::kOver100} << window;
        QTest::newRow("negative refused") << "-5"
                                          << "0" << QStringList{messages::kNegative} << window;
        QTest::newRow("minus 100 refused") << "-100"
                                           << "0" << QStringList{messages::kNegative} << window;
        QTest::newRow("minus zero is zero") << "-0"
                                            << "-0" << QStringList() << -1;
        QTest::newRow("1 and 400 zeros is above 100")
            << "1" + QString(400, u'0') << "0" << QStringList{messages::kOver100} << window;
        QTest::newRow("minus 1 and 400 zeros is negative")
            << "-1" + QString(400, u'0') << "0" << QStringList{messages::kNegative} << window;
        QTest::newRow("plus sign kept colour") << "+5"
                                               << "+5" << QStringList() << -1;
        QTest::newRow("comma five kept colour") << ",5"
                                                << ",5" << QStringList() << -1;
        QTest::newRow("0,5 filled as text") << "0,5"
                                            << "0,5" << QStringList() << filled;
        QTest::newRow("00 filled as text") << "00"
                                           << "00" << QStringList() << filled;
        QTest::newRow("0 window") << "0"
                                  << "0" << QStringList() << window;
        QTest::newRow("letters") << "abc"
                                 << "0" << QStringList{messages::kNotANumber} << window;
        QTest::newRow("deleted") << ""
                                 << "0" << QStringList{messages::kNotANumber} << window;
    }

    void percentageRule()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QStringList, warnings);
        QFETCH(int, colour);
        sheet->setText(Aggiunta1, QStringLiteral("MIO"));
        for (Colour before : {Colour::Filled, Colour::Window}) {
            sink.clear();
            sheet->setText(grassi(12), before == Colour::Filled ? QStringLiteral("7") : QStringLiteral("0"));
            QCOMPARE(sheet->colour(grassi(12)), before);
            sheet->setText(grassi(12), typed);
            QCOMPARE(sheet->text(grassi(12)), shown);
            QCOMPARE(sink.texts(), warnings);
            QCOMPARE(int(sheet->colour(grassi(12))), colour == -1 ? int(before) : colour);
        }
    }

    void indexRule()
    {
        sheet->setText(Aggiunta1, QStringLiteral("MIO"));
        sheet->select(dig(12), QStringLiteral("3"));
        QCOMPARE(sheet->colour(dig(12)), Colour::Filled);
        sheet->select(dig(12), QStringLiteral("-"));
        QCOMPARE(sheet->colour(dig(12)), Colour::Window);
        sheet->select(legante(12), QStringLiteral("-1"));
        QCOMPARE(sheet->colour(legante(12)), Colour::Filled);
        QVERIFY(!sheet->select(legante(12), QStringLiteral("7")));
        QCOMPARE(sheet->text(legante(12)), QStringLiteral("-1"));
    }

    void customNameOpensAndClosesTheRow()
    {
        sheet->setText(Aggiunta2, QStringLiteral(" "));
        QCOMPARE(sheet->colour(Aggiunta2), Colour::Filled);
        for (FieldId id : {proteine(13), grassi(13), carbo(13), dig(13), legante(13), peso(13)})
            QVERIFY(sheet->isEnabled(id));
        QVERIFY(sheet->text(dig(13)).isEmpty()); // opening changes no text

        sheet->setText(proteine(13), QStringLiteral("20"));
        sheet->setText(carbo(13), QStringLiteral("30"));
        sheet->select(dig(13), QStringLiteral("4"));
        sheet->select(legante(13), QStringLiteral("2"));
        sheet->setText(peso(13), QStringLiteral("80"));

        sheet->setText(Aggiunta2, QString());
        QVERIFY(sink.warnings.isEmpty());
        QCOMPARE(sheet->colour(Aggiunta2), Colour::Window);
        for (FieldId id : {proteine(13), grassi(13), carbo(13), dig(13), legante(13), peso(13)}) {
            QCOMPARE(sheet->text(id), QStringLiteral("0"));
            QVERIFY(!sheet->isEnabled(id));
            QCOMPARE(sheet->colour(id), Colour::Window);
        }

        sheet->setText(Aggiunta2, QStringLiteral("X"));
        QVERIFY(sheet->isEnabled(peso(13)));
        QCOMPARE(sheet->text(dig(13)), QStringLiteral("0"));
    }

    void highlightRule()
    {
        sheet->setText(NomeRicetta, QStringLiteral("M"));
        QCOMPARE(sheet->colour(NomeRicetta), Colour::Filled);
        sheet->setText(NomeRicetta, QString());
        QCOMPARE(sheet->colour(NomeRicetta), Colour::Window);
        sheet->setText(Note, QStringLiteral("  "));
        QCOMPARE(sheet->colour(Note), Colour::Filled);
        sheet->setText(RisPeso, QStringLiteral("1,00"));
        QCOMPARE(sheet->colour(RisPeso), Colour::Filled);
    }

    void inputNeverTouchesResults()
    {
        sheet->setText(RisGrassiGrammi, QStringLiteral("5,00"));
        sheet->select(componente(1), QStringLiteral("ALBUMINA"));
        sheet->setText(peso(1), QStringLiteral("x"));
        sheet->setText(Aggiunta1, QStringLiteral("A"));
        sheet->setText(Aggiunta1, QString());
        QCOMPARE(sheet->text(RisGrassiGrammi), QStringLiteral("5,00"));
    }
};

QTEST_APPLESS_MAIN(TestInputRules)
#include "tst_inputrules.moc"
