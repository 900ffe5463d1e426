// SPDX-License-Identifier: GPL-3.0-or-later
#include "usertext.h"

#include <QTest>

// A text from a file reaches a message box or a terminal only as what it reads.
class TestUserText : public QObject
{
    Q_OBJECT

private slots:
    void printable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message"); // in a message
        QTest::addColumn<QString>("line");    // on one line of output
        QTest::newRow("plain text") << "Mix è €"
                                    << "Mix è €"
                                    << "Mix è €";
        QTest::newRow("escape sequence") << "A\x1b[31m"
                                         << "A\\x1b[31m"
                                         << "A\\x1b[31m";
        QTest::newRow("right-to-left override") << "nota \u202eosrevni"
                                                << "nota \\u202eosrevni"
                                                << "nota \\u202eosrevni";
        QTest::newRow("isolates and marks") << "\u2066a\u2069\u200f"
                                            << "\\u2066a\\u2069\\u200f"
                                            << "\\u2066a\\u2069\\u200f";
        QTest::newRow("Unicode line separator") << "a\u2028b\u2029c"
                                                << "a\\u2028b\\u2029c"
                                                << "a\\u2028b\\u2029c";
        QTest::newRow("line breaks") << "a\r\nb\nc\rd"
                                     << "a\r\nb\nc\\x0dd"
                                     << "a\\x0d\\x0ab\\x0ac\\x0dd";
        QTest::newRow("tab and NUL") << QString("a\tb") + QChar(0) << QString("a\tb\\x00")
                                     << QString("a\tb\\x00");
    }

    void printable()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QString, line);
        QCOMPARE(usertext::printable(text), message);
        QCOMPARE(usertext::printableLine(text), line);
    }
};

QTEST_APPLESS_MAIN(TestUserText)
#include "tst_usertext.moc"
