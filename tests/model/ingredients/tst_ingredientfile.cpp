// SPDX-License-Identifier: GPL-3.0-or-later
#include "ingredientfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace personal;

namespace {

const QByteArray kHeader = "nome;proteine;grassi;carboidrati;digeribilita;legante;prezzo\n";

// The library in one line each: "NAME|values...|price" for personal ingredients, "NAME=price" for prices.
QStringList summary(const Library &library)
{
    QStringList lines;
    for (const Ingredient &ingredient : library.ingredients)
        lines << ingredient.name + u'|' +
                     QStringList(ingredient.values.begin(), ingredient.values.end()).join(u'|') + u'|' +
                     ingredient.price;
    QStringList prices;
    for (auto it = library.prices.cbegin(); it != library.prices.cend(); ++it)
        prices << it.key() + u'=' + it.value();
    prices.sort();
    return lines + prices;
}

} // namespace

class TestIngredientFile : public QObject
{
    Q_OBJECT

private slots:
    void dataLines_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QStringList>("library");
        QTest::addColumn<QStringList>("problems");

        QTest::newRow("personal with and without price, values kept as written")
            << QByteArray("Mix Luca;22,5;8;45; 3,5 ;-1;4,20\nPastoncino;10;0;0;1;5;\n")
            << QStringList{"Mix Luca|22,5|8|45|3,5|-1|4,20", "Pastoncino|10|0|0|1|5|"} << QStringList();
        // Written back behind an apostrophe, so a spreadsheet shows them as text, and read
        // without it.
        QTest::newRow("names a spreadsheet would run as formulas")
            << QByteArray("=1+1;1;1;1;3;-1;\n'+SUM(A1);1;1;1;3;0;\n@cmd;1;1;1;3;0;\n''-x;1;1;1;3;0;\n")
            << QStringList{"=1+1|1|1|1|3|-1|", "+SUM(A1)|1|1|1|3|0|", "@cmd|1|1|1|3|0|", "'-x|1|1|1|3|0|"}
            << QStringList();
        QTest::newRow("catalogue and egg lines carry only a price")
            << QByteArray("CASEINA;;;;;;12,50\nUOVO INTERO GALLINA;;;;;;0,30\nFARINA DI AVENA;;;;;;\n")
            << QStringList{"CASEINA=12,50", "UOVO INTERO GALLINA=0,30"} << QStringList();
        QTest::newRow("catalogue or egg line with values")
            << QByteArray("CASEINA;90;1;1;4;5;12\nTUORLO (IL ROSSO);15;;;;;0,2\n") << QStringList()
            << QStringList{
                   "riga 2: «CASEINA» è nel catalogo: valgono i suoi valori, la riga può dare solo il prezzo",
                   "riga 3: «TUORLO (IL ROSSO)» è un tipo di uovo: valgono i suoi valori, la riga può "
                   "dare solo il prezzo per uovo"};
        QTest::newRow("ranges, limits included")
            << QByteArray("A;0;100;0;1;5;0\nB;0;0;0;5;-1;1.000.000\nC;-1;0;0;3;0;\nD;0;100,5;0;3;0;\n"
                          "E;0;0;0;0,5;0;\nF;0;0;0;3;-1,5;\nG;0;0;0;3;0;-0,01\nH;0;0;0;3;0;1.000.000,01\n"
                          "I;1" +
                          QByteArray(400, '0') + ";0;0;3;0;\n")
            << QStringList{"A|0|100|0|1|5|0", "B|0|0|0|5|-1|1.000.000"}
            << QStringList{"riga 4: proteine «-1» non è tra 0 e 100",
                           "riga 5: grassi «100,5» non è tra 0 e 100",
                           "riga 6: digeribilita «0,5» non è tra 1 e 5",
                           "riga 7: legante «-1,5» non è tra -1 e 5",
                           "riga 8: il prezzo «-0,01» è negativo",
                           "riga 9: il prezzo «1.000.000,01» supera 1.000.000 €",
                           "riga 10: proteine «1" + QString(400, u'0') + "» è un numero troppo grande"};
        QTest::newRow("sum rounded to 15 digits")
            << QByteArray("Giusto;33,3;33,3;33,4;3;3;\nTroppo;50;50;0,01;3;3;\n")
            << QStringList{"Giusto|33,3|33,3|33,4|3|3|"}
            << QStringList{"riga 3: proteine, grassi e carboidrati insieme superano 100"};
        QTest::newRow("missing value and not a number")
            << QByteArray("A;10;;5;3;3;\nB;10;1;5;tre;3;\nC;1;1;1;3;3;2,5 €\nD;1;1;1;3;3;1e3\n")
            << QStringList{"C|1|1|1|3|3|2,5"}
            << QStringList{"riga 2: manca il valore di grassi", "riga 3: digeribilita «tre» non è un numero",
                           "riga 5: prezzo «1e3» non è un numero"};
        QTest::newRow("names: reserved, duplicate, case apart")
            << QByteArray(";1;1;1;3;3;\n-;1;1;1;3;3;\nMix;1;1;1;3;3;\nmix;1;1;1;3;3;\n Mix ;2;2;2;3;3;\n"
                          "CASEINA;;;;;;1\nCASEINA;;;;;;2\n")
            << QStringList{"Mix|1|1|1|3|3|", "mix|1|1|1|3|3|", "CASEINA=1"}
            << QStringList{"riga 2: manca il nome", "riga 3: «-» non può essere il nome di un ingrediente",
                           "riga 6: «Mix» compare già alla riga 4",
                           "riga 8: «CASEINA» compare già alla riga 7"};
        QTest::newRow("quoting")
            << QByteArray("\"Mix; speciale\";\"1\";1;1;3;3;\"2,5\"\n\"Mix \"\"A\"\"\";1;1;1;3;3;\n"
                          "\"chiuso\" x;1;1;1;3;3;\n\"aperto;1;1;1;3;3;\n")
            << QStringList{"Mix; speciale|1|1|1|3|3|2,5"}
            << QStringList{"riga 3: il nome non può contenere virgolette (\")",
                           "riga 4: virgolette non chiuse o seguite da altro testo",
                           "riga 5: virgolette non chiuse o seguite da altro testo"};
        QTest::newRow("names a recipe file cannot hold")
            << QByteArray("Cocco \xe2\x9c\x93 \xce\xa9;1;1;1;3;3;\nCaff\xc3\xa8 \xe2\x82\xac;1;1;1;3;3;\n")
            << QStringList{"Caffè €|1|1|1|3|3|"}
            << QStringList{"riga 2: il nome non può contenere il carattere «✓», che il file delle ricette "
                           "non può contenere"};
        QTest::newRow("field count, empty rows")
            << QByteArray("A;1;1;1;3;3\n\n;;;;;;\n  \nB;1;1;1;3;3;;\nD\xc3\xa8;1;1;1;3;3;\n")
            << QStringList{"Dè|1|1|1|3|3|"}
            << QStringList{"riga 2: servono 7 campi separati da «;», qui sono 6",
                           "riga 6: servono 7 campi separati da «;», qui sono 8"};
        // As spreadsheets save it: the plain "CSV" of an Italian spreadsheet is Windows-1252,
        // the "Macintosh" one ends lines with CR alone, and a cell may hold a line break.
        QTest::newRow("spreadsheet: Windows-1252 with the euro sign and accents")
            << QByteArray("Caff\xe8 \x80;1;1;1;3;3;2,50\r\nPi\xf9 \xe0;1;1;1;3;3;\r\n")
            << QStringList{"Caffè €|1|1|1|3|3|2,50", "Più à|1|1|1|3|3|"} << QStringList();
        QTest::newRow("spreadsheet: CR-only line ends")
            << QByteArray("Mix;1;1;1;3;3;1\rAltro;2;2;2;3;3;\r\rTerzo;1;1;1;9;3;\r")
            << QStringList{"Mix|1|1|1|3|3|1", "Altro|2|2|2|3|3|"}
            << QStringList{"riga 5: digeribilita «9» non è tra 1 e 5"};
        QTest::newRow("spreadsheet: a line break in a quoted cell, errors at the cell's own line")
            << QByteArray("Mix;1;1;\"1\r\n\";9;3;\r\nB;1;1;1;9;3;\r\nC;1;1;1;3;3;\"1\n\"\n")
            << QStringList{"C|1|1|1|3|3|1"}
            << QStringList{"riga 3: digeribilita «9» non è tra 1 e 5",
                           "riga 4: digeribilita «9» non è tra 1 e 5"};
    }

    void dataLines()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QStringList, library);
        QFETCH(QStringList, problems);
        const auto result = ingredientfile::decode(kHeader + lines);
        QCOMPARE(result.failure, QString());
        QCOMPARE(result.problems, problems);
        QCOMPARE(summary(result.library), library);

        // Whatever the reader accepts, the writer writes back to the same library.
        const auto again = ingredientfile::decode(ingredientfile::encode(result.library));
        QCOMPARE(again.problems, QStringList());
        QCOMPARE(again.library, result.library);
    }

    // A name a spreadsheet would run is written behind an apostrophe; a negative value,
    // a number, is not.
    void formulasAreWrittenAsText()
    {
        const auto read = ingredientfile::decode(kHeader + "=1+1;1;1;1;3;-1;\n-MIX;1;1;1;3;-1;\n");
        const QByteArray written = ingredientfile::encode(read.library);
        QVERIFY(written.contains("\r\n'=1+1;1;1;1;3;-1;\r\n'-MIX;1;1;1;3;-1;\r\n"));
    }

    // Whatever encoding a spreadsheet left, saving from the editor writes UTF-8 with its mark,
    // so Vornak's own file is never taken for Windows-1252.
    void savingWritesUtf8WithItsMark()
    {
        const auto read = ingredientfile::decode(kHeader + "Caff\xe8 \x80;1;1;1;3;3;2,50\r");
        QCOMPARE(read.library.ingredients.size(), 1);
        const QByteArray written = ingredientfile::encode(read.library);
        QVERIFY(written.startsWith("\xEF\xBB\xBF" + kHeader.trimmed() + "\r\n"));
        QVERIFY(written.contains("Caff\xC3\xA8 \xE2\x82\xAC;1;1;1;3;3;2,50\r\n"));
        QCOMPARE(ingredientfile::decode(written).library, read.library);
    }

    void wholeFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("ingredients");
        QTest::addColumn<bool>("failed");
        const QByteArray line = "Mix;1;1;1;3;3;1\n";
        QTest::newRow("empty file") << QByteArray() << 0 << false;
        QTest::newRow("blank lines only") << QByteArray("\r\n \n") << 0 << false;
        QTest::newRow("header only") << kHeader << 0 << false;
        QTest::newRow("UTF-8 BOM, CR LF, header in capitals")
            << QByteArray("\xEF\xBB\xBFNOME;Proteine;GRASSI;carboidrati;digeribilita;legante;prezzo\r\n" +
                          line.chopped(1) + "\r\n")
            << 1 << false;
        QTest::newRow("no header: nothing is used") << line + line << 0 << true;
        QTest::newRow("columns in another order")
            << QByteArray("nome;grassi;proteine;carboidrati;digeribilita;legante;prezzo\n") + line << 0
            << true;
    }

    // A file saved as "Unicode" is said to be UTF-16, with how to save it instead, never
    // blamed on its first line.
    void utf16IsSaidAsSuch_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QString text = QString::fromLatin1(kHeader + "Mix;1;1;1;3;3;1\n");
        const QByteArray little(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        QByteArray big;
        for (const QChar c : text)
            big += char(c.unicode() >> 8) + QByteArray(1, char(c.unicode() & 0xFF));
        QTest::newRow("little endian with its mark") << QByteArray("\xFF\xFE") + little;
        QTest::newRow("little endian without a mark") << little;
        QTest::newRow("big endian with its mark") << QByteArray("\xFE\xFF") + big;
        QTest::newRow("big endian without a mark") << big;
    }

    void utf16IsSaidAsSuch()
    {
        QFETCH(QByteArray, bytes);
        const auto result = ingredientfile::decode(bytes);
        QCOMPARE(result.failure,
                 QStringLiteral("il file è in UTF-16 (il formato «Unicode» di un editor di testo "
                                "o di un foglio di calcolo): salvarlo di nuovo come «CSV» o "
                                "«CSV UTF-8»"));
        QCOMPARE(result.library.ingredients.size(), 0);
    }

    // A save that fails says so in two lines, as every writer does: what failed, then the
    // file and why.
    void failedSaveInTwoLines_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder in its place")
            << QStringLiteral("cartella") << QStringLiteral("è una cartella");
        QTest::newRow("a folder that cannot be made")
            << QStringLiteral("file/ingredienti.csv") << QStringLiteral("la cartella non si può creare");
    }

    void failedSaveInTwoLines()
    {
        QFETCH(QString, relativePath);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("cartella")));
        QFile file(dir.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString path = dir.filePath(relativePath);
        QCOMPARE(
            ingredientfile::save(Library(), path),
            QStringLiteral("Impossibile salvare il file degli ingredienti\nFile «%1»: %2").arg(path, reason));
    }

    void wholeFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, ingredients);
        QFETCH(bool, failed);
        const auto result = ingredientfile::decode(bytes);
        QCOMPARE(result.library.ingredients.size(), ingredients);
        QCOMPARE(!result.failure.isEmpty(), failed);
        QCOMPARE(result.problems, QStringList());
        QCOMPARE(ingredientfile::warningText(QStringLiteral("x.csv"), result).isEmpty(), !failed);
    }

    void readingNeverWrites()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ingredienti.csv"));
        const QByteArray bytes = kHeader + "Mix;1;1;1;3;3;\nCASEINA;1;1;1;1;1;\n";
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        const QDateTime written = QFileInfo(path).lastModified();
        const auto result = ingredientfile::read(path);
        QCOMPARE(result.problems.size(), 1);
        QCOMPARE(result.library.ingredients.size(), 1);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
        QCOMPARE(QFileInfo(path).lastModified(), written);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"ingredienti.csv"});

        // A missing file is no ingredients and no message, and it is not created.
        const QString missing = dir.filePath(QStringLiteral("manca/ingredienti.csv"));
        const auto none = ingredientfile::read(missing);
        QVERIFY(none.library == Library());
        QVERIFY(ingredientfile::warningText(missing, none).isEmpty());
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("manca"))));

        // A folder in the file's place is reported, never replaced.
        QVERIFY(!ingredientfile::read(dir.path()).failure.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestIngredientFile)
#include "tst_ingredientfile.moc"
