// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter.h"
#include "messages.h"
#include "pagetext.h"
#include "recordingsink.h"

#include <QTest>

namespace {

using C = Converter;

} // namespace

class TestConverter : public QObject
{
    Q_OBJECT

    Converter *converter = nullptr;
    RecordingSink sink;

    void fill(const QString &total, const QStringList &percents)
    {
        converter->setText(C::kTotal, total);
        for (int row = 1; row <= percents.size(); ++row) {
            converter->setText(C::name(row), QStringLiteral("Componente %1").arg(row));
            converter->setText(C::percent(row), percents[row - 1]);
        }
    }

    QStringList grams() const
    {
        QStringList result;
        for (int row = 1; row <= C::kRows; ++row)
            result << converter->text(C::grams(row));
        return result;
    }

private slots:
    void init()
    {
        converter = new Converter;
        sink.clear();
        converter->setWarningSink(&sink);
    }
    void cleanup() { delete converter; }

    void designState()
    {
        QCOMPARE(converter->fieldName(C::kTotal), QStringLiteral("TxtImpostaPeso"));
        QCOMPARE(converter->fieldName(C::name(13)), QStringLiteral("Txt13"));
        QCOMPARE(converter->fieldName(C::percent(1)), QStringLiteral("TxtPercent1"));
        QCOMPARE(converter->fieldName(C::grams(7)), QStringLiteral("TxtRis7"));
        QCOMPARE(converter->text(C::kTotal), QStringLiteral("0"));
        QVERIFY(converter->isEnabled(C::kTotal));
        for (int row = 1; row <= C::kRows; ++row)
            for (FieldId id : {C::name(row), C::percent(row), C::grams(row)}) {
                QVERIFY(!converter->isEnabled(id));
                QCOMPARE(converter->colour(id), Colour::Window);
            }
    }

    void totalEnablesAndDisablesAllRows()
    {
        converter->setText(C::kTotal, QStringLiteral("500"));
        QCOMPARE(converter->colour(C::kTotal), Colour::Filled);
        for (int row = 1; row <= C::kRows; ++row)
            QVERIFY(converter->isEnabled(C::name(row)) && converter->isEnabled(C::grams(row)));
        converter->setText(C::kTotal, QStringLiteral("0"));
        for (int row = 1; row <= C::kRows; ++row)
            QVERIFY(!converter->isEnabled(C::percent(row)));
        QVERIFY(sink.warnings.isEmpty());
    }

    void entryChecks_data()
    {
        QTest::addColumn<bool>("total");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("warnings");
        const QString over = QStringLiteral("Il valore Percentuale non deve superare il 100%");
        QTest::newRow("total emptied") << true << ""
                                       << "0" << QStringList{messages::kNotANumber};
        QTest::newRow("total negative") << true << "-3"
                                        << "0" << QStringList{messages::kNegative};
        QTest::newRow("total letters") << true << "mille"
                                       << "0" << QStringList{messages::kNotANumber};
        QTest::newRow("total 1.250,5") << true << "1.250,5"
                                       << "1.250,5" << QStringList();
        QTest::newRow("percent 150") << false << "150"
                                     << "0" << QStringList{over};
        QTest::newRow("percent negative") << false << "-1"
                                          << "0" << QStringList{messages::kNegative};
        QTest::newRow("percent emptied") << false << ""
                                         << "0" << QStringList{messages::kNotANumber};
        QTest::newRow("percent 100") << false << "100"
                                     << "100" << QStringList();
        // The converter has no eggs: its message names only the total.
        QTest::newRow("total beyond a double")
            << true << "1" + QString(400, u'0') << "0"
            << QStringList{QStringLiteral("Il peso totale è troppo grande per il calcolo: ridurlo")};
        QTest::newRow("percent beyond a double")
            << false << "1" + QString(400, u'0') << "0" << QStringList{over};
    }

    void entryChecks()
    {
        QFETCH(bool, total);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QStringList, warnings);
        converter->setText(C::kTotal, QStringLiteral("7"));
        const FieldId id = total ? C::kTotal : C::percent(4);
        converter->setText(id, QStringLiteral("5"));
        converter->setText(id, typed);
        QCOMPARE(converter->text(id), shown);
        QCOMPARE(sink.texts(), warnings);
        for (const auto &w : sink.warnings)
            QCOMPARE(w.first, QStringLiteral("AVVISO"));
        QCOMPARE(converter->colour(id), shown == QStringLiteral("0") ? Colour::Window : Colour::Filled);
        if (total && shown == QStringLiteral("0"))
            QVERIFY(!converter->isEnabled(C::name(1)));
    }

    void conversions_data()
    {
        QTest::addColumn<QString>("total");
        QTest::addColumn<QStringList>("percents");
        QTest::addColumn<QStringList>("expected");
        const QStringList zeros(11, QStringLiteral("0"));
        QTest::newRow("40 and 60 of 1000")
            << "1000" << QStringList{"40", "60"} << QStringList{"400", "600"} + zeros;
        QTest::newRow("thirds and a tenth") << "1000" << QStringList{"33,3", "33,3", "33,3", "0,1"}
                                            << QStringList{"333", "333", "333", "1"} + QStringList(9, "0");
        QTest::newRow("10 % of 333") << "333" << QStringList{"10", "90"}
                                     << QStringList{"33,3", "299,7"} + zeros;
        QTest::newRow("12,5 % of 1000")
            << "1000" << QStringList{"12,5", "87,5"} << QStringList{"125", "875"} + zeros;
    }

    void conversions()
    {
        QFETCH(QString, total);
        QFETCH(QStringList, percents);
        QFETCH(QStringList, expected);
        fill(total, percents);
        QVERIFY(converter->calculate());
        QVERIFY(sink.warnings.isEmpty());
        QCOMPARE(grams(), expected);
        QCOMPARE(converter->colour(C::grams(1)), Colour::Filled);
        QCOMPARE(converter->colour(C::grams(13)), Colour::Window);
    }

    void wrongTotals_data()
    {
        QTest::addColumn<QStringList>("percents");
        QTest::addColumn<QString>("message");
        QTest::newRow("95") << QStringList{"45", "50"}
                            << "IL TOTALE ATTUALE È 95%\r\nDEVE INVECE ESSERE 100%\r\nAGGIUNGERE 5%";
        QTest::newRow("120") << QStringList{"60", "60"}
                             << "IL TOTALE ATTUALE È 120%\r\nDEVE INVECE ESSERE 100%\r\nTOGLIERE 20%";
        QTest::newRow("99,9 asks for 0,1")
            << QStringList{"33,3", "33,3", "33,3"}
            << "IL TOTALE ATTUALE È 99,9%\r\nDEVE INVECE ESSERE 100%\r\nAGGIUNGERE 0,1%";
        QTest::newRow("fifteen digits short of 100: never 0")
            << QStringList{"33,3333333333333", "33,3333333333333", "33,3333333333333"}
            << "IL TOTALE ATTUALE È 99,9999999999999%\r\nDEVE INVECE ESSERE 100%\r\nAGGIUNGERE "
               "0,0000000000001%";
        QTest::newRow("100,01") << QStringList{"50", "50,01"}
                                << "IL TOTALE ATTUALE È 100,01%\r\nDEVE INVECE ESSERE 100%\r\nTOGLIERE 0,01%";
    }

    void wrongTotals()
    {
        QFETCH(QStringList, percents);
        QFETCH(QString, message);
        fill(QStringLiteral("1000"), {"50", "50"});
        QVERIFY(converter->calculate());
        for (int row = 1; row <= 2; ++row)
            converter->setText(C::percent(row), QStringLiteral("0"));
        fill(QStringLiteral("1000"), percents);
        sink.clear();
        QVERIFY(!converter->calculate());
        QCOMPARE(sink.texts(), QStringList{message});
        QCOMPARE(sink.warnings.first().first, QStringLiteral("AVVISO"));
        QCOMPARE(converter->text(C::grams(1)), QStringLiteral("500")); // earlier results stay
    }

    void missingTotalHasItsOwnTitle()
    {
        QVERIFY(!converter->calculate());
        QCOMPARE(sink.warnings.size(), 1);
        QCOMPARE(sink.warnings.first().first, QStringLiteral("Avviso"));
        QCOMPARE(sink.warnings.first().second,
                 QStringLiteral("Impostare il Peso Totale Mix in grammi per poter proseguire nel calcolo!"));
    }

    void clearingReturnsToTheDesignState()
    {
        fill(QStringLiteral("1000"), {"40", "60"});
        QVERIFY(converter->calculate());
        converter->clear();
        QCOMPARE(converter->text(C::kTotal), QStringLiteral("0"));
        QCOMPARE(converter->colour(C::kTotal), Colour::Window);
        for (int row = 1; row <= C::kRows; ++row) {
            QCOMPARE(converter->text(C::percent(row)), QStringLiteral("0"));
            QVERIFY(converter->text(C::grams(row)).isEmpty());
            QVERIFY(converter->text(C::name(row)).isEmpty());
            for (FieldId id : {C::name(row), C::percent(row), C::grams(row)}) {
                QVERIFY(!converter->isEnabled(id));
                QCOMPARE(converter->colour(id), Colour::Window);
            }
        }
        QVERIFY(sink.warnings.isEmpty());
    }

    void sheetPrintsRowsWithAPercentage()
    {
        QCOMPARE(converter->printRefusal(),
                 QStringLiteral("La stampa è annullata. Eseguire prima il calcolo"));
        converter->setText(C::kTotal, QStringLiteral("200"));
        converter->setText(C::name(2), QStringLiteral("Mais"));
        converter->setText(C::percent(2), QStringLiteral("25"));
        converter->setText(C::name(5), QStringLiteral("Latte"));
        converter->setText(C::percent(5), QStringLiteral("75"));
        QCOMPARE(converter->printRefusal(),
                 QStringLiteral("La stampa è annullata. Eseguire prima il calcolo"));
        QVERIFY(converter->calculate());
        QVERIFY(converter->printRefusal().isEmpty());
        const Page page = converter->page();
        QVERIFY(!page.landscape);
        QCOMPARE(pageText(page),
                 QStringList({"", "@3 Conversione Percentuale - Grammi", "", "@3 Peso totale: 200 gr.", "",
                              "@3 Mais@35 25 %@45 50 gr.", "@3 Latte@35 75 %@45 150 gr."}));
        QCOMPARE(page.lines[1].pointSize, 12.0);
        QCOMPARE(page.lines[3].pointSize, 10.0);

        // A percentage changed after the calculation: the earlier grams are printed as they stand.
        converter->setText(C::percent(5), QStringLiteral("70"));
        QCOMPARE(pageLineText(converter->page().lines.last()), QStringLiteral("@3 Latte@35 70 %@45 150 gr."));
    }
};

QTEST_APPLESS_MAIN(TestConverter)
#include "tst_converter.moc"
