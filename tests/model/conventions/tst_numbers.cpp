// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers.h"

#include <QTest>

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void reading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");

        QTest::newRow("integer") << "250" << true << 250.0;
        QTest::newRow("decimal comma") << "12,5" << true << 12.5;
        QTest::newRow("comma without decimals") << "12," << true << 12.0;
        QTest::newRow("comma without integer part") << ",5" << true << 0.5;
        QTest::newRow("plus sign") << "+5" << true << 5.0;
        QTest::newRow("minus sign") << "-5" << true << -5.0;
        QTest::newRow("leading blank") << " 5" << true << 5.0;
        QTest::newRow("trailing blank and tab") << "5 \t" << true << 5.0;
        QTest::newRow("grouping") << "1.234,5" << true << 1234.5;
        QTest::newRow("two groups") << "1.234.567" << true << 1234567.0;
        QTest::newRow("zero with decimals") << "0,0" << true << 0.0;
        QTest::newRow("double zero") << "00" << true << 0.0;
        QTest::newRow("minus zero is zero") << "-0" << true << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blank only") << "  " << false << 0.0;
        QTest::newRow("lone minus") << "-" << false << 0.0;
        QTest::newRow("lone comma") << "," << false << 0.0;
        QTest::newRow("letters after digits") << "12a" << false << 0.0;
        QTest::newRow("bad grouping") << "1.5" << false << 0.0;
        QTest::newRow("group of four") << "1.2345" << false << 0.0;
        QTest::newRow("first group too long") << "1234.567" << false << 0.0;
        QTest::newRow("leading point") << ".5" << false << 0.0;
        QTest::newRow("trailing point") << "1." << false << 0.0;
        QTest::newRow("grouping after comma") << "1,234.5" << false << 0.0;
        QTest::newRow("two commas") << "1,2,3" << false << 0.0;
        QTest::newRow("exponent") << "1e5" << false << 0.0;
        QTest::newRow("blank inside") << "1 000" << false << 0.0;
        QTest::newRow("sign after blank inside") << "- 5" << false << 0.0;
        QTest::newRow("two signs") << "+-5" << false << 0.0;
        QTest::newRow("non-ASCII digits") << QString::fromUtf8("\u0661\u0662") << false << 0.0;
        QTest::newRow("too large for a double") << QString(400, u'9') << false << 0.0;
        QTest::newRow("long but finite") << QString(300, u'9') << true << 1e300;
        QTest::newRow("too small for a double reads as zero")
            << QString(u',') + QString(330, u'0') + u'1' << true << 0.0;
    }

    void reading()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(double, value);
        QCOMPARE(numbers::isNumber(text), isNumber);
        QCOMPARE(numbers::toNumber(text).has_value(), isNumber);
        if (isNumber)
            QCOMPARE(*numbers::toNumber(text), value);
    }

    void plainText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("integer") << 104.0 << "104";
        QTest::newRow("half") << 0.5 << "0,5";
        QTest::newRow("four decimals") << 12.3456 << "12,3456";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative") << -1.25 << "-1,25";
        QTest::newRow("sum rounds to 100") << (33.3 + 33.3 + 33.4) << "100";
        QTest::newRow("third") << 1.0 / 3 << "0,333333333333333";
        QTest::newRow("small, no exponent") << 0.00001 << "0,00001";
        QTest::newRow("large, no exponent") << 1e20 << "100000000000000000000";
        QTest::newRow("no grouping") << 1234.5 << "1234,5";
    }

    void plainText()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(numbers::plainText(value), text);
        QVERIFY(numbers::isNumber(text)); // every plain text reads back
    }

    void roundTo15()
    {
        QVERIFY(0.2 + 83.9 + 15.9 > 100);                       // plain addition overshoots ...
        QCOMPARE(numbers::roundTo15(0.2 + 83.9 + 15.9), 100.0); // ... the rounded sum does not
        QCOMPARE(numbers::roundTo15(33.3 + 33.3 + 33.4), 100.0);
        QVERIFY(numbers::roundTo15(100.01) > 100);
    }

    void twoDecimals_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("half") << 0.5 << "0,50";
        QTest::newRow("grouped") << 1234.5 << "1.234,50";
        QTest::newRow("minus one") << -1.0 << "-1,00";
        QTest::newRow("millions") << 1234567.891 << "1.234.567,89";
        QTest::newRow("rounds up") << 4.3333333 << "4,33";
        QTest::newRow("decimal tie away from zero") << 1.005 << "1,01";
        QTest::newRow("negative tie") << -0.125 << "-0,13";
        QTest::newRow("carry into integer") << 9.999 << "10,00";
        QTest::newRow("tiny negative is zero") << -0.001 << "0,00";
        QTest::newRow("negative below a thousandth") << -0.00078 << "0,00";
        QTest::newRow("positive below a thousandth") << 0.0001 << "0,00";
        QTest::newRow("zero") << 0.0 << "0,00";
        QTest::newRow("hundred thousand") << 100000.0 << "100.000,00";
    }

    void twoDecimals()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(numbers::twoDecimals(value), text);
    }

    void percent_data()
    {
        QTest::addColumn<double>("fraction");
        QTest::addColumn<QString>("text");
        QTest::newRow("example") << 0.12345 << "12,35%";
        QTest::newRow("half") << 0.5 << "50,00%";
        QTest::newRow("third") << 100.2 / 300 << "33,40%";
        QTest::newRow("whole") << 1.0 << "100,00%";
        QTest::newRow("zero") << 0.0 << "0,00%";
        QTest::newRow("a millionth") << 0.000001 << "0,00%";
        QTest::newRow("negative, below a hundred-thousandth") << -0.0000078 << "0,00%";
    }

    void percent()
    {
        QFETCH(double, fraction);
        QFETCH(QString, text);
        QCOMPARE(numbers::percent(fraction), text);
    }

    void significantText()
    {
        QCOMPARE(numbers::significantText(double(13.0f), 7), QStringLiteral("13"));
        QCOMPARE(numbers::significantText(double(0.1f), 7), QStringLiteral("0,1"));
        QCOMPARE(numbers::significantText(double(1234.5678f), 7), QStringLiteral("1234,568"));
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
