// SPDX-License-Identifier: GPL-3.0-or-later
// vornak-cli list and compare, run as a user would.
#include "clirun.h"
#include "testfiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString dataHome()
{
    static QTemporaryDir home;
    return home.path();
}

Run cli(const QStringList &arguments)
{
    return runProgram(QStringLiteral(VORNAK_CLI), arguments, dataHome());
}

} // namespace

class TestCliArchive : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString prices;

private slots:
    void initTestCase()
    {
        for (const char *name : {"ricetta_uova.txt", "ricetta_sbilanciata.txt", "campo37_non_valido.txt"})
            QVERIFY(QFile::copy(dataFile(QLatin1String(name)), dir.filePath(QLatin1String(name))));
        prices = dataHome() + QStringLiteral("/prezzi.csv");
        writeAll(
            prices,
            "nome;proteine;grassi;carboidrati;digeribilita;legante;prezzo\n"
            "ALBUMINA;;;;;;10\nFARINA DI AVENA;;;;;;2\nUOVO INTERO GALLINA;;;;;;0,25\nSEMOLINO;;;;;;1\n");
    }

    // One line per recipe, in either form; files that are no recipe on standard error.
    void listRows_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("tabs")
            << QStringList{}
            << QStringList{
                   "ricetta_sbilanciata.txt\tMix magro\t*\t600,00\t32,85%\t1,77%\t50,95%\t4,00\t4,83\t"
                   "Grassi sotto\t4,17 €/kg\tuguali\t",
                   "ricetta_uova.txt\tBoilie al latte\t*\t404,00\t28,15%\t6,62%\t36,09%\t2,23\t4,33\t"
                   "nel range\t4,70 €/kg\tuguali\t"};
        QTest::newRow("csv, same column names in every language")
            << QStringList{"--csv"}
            << QStringList{"file;ricetta;modificata;peso_totale;proteine;grassi;carboidrati;digeribilita;"
                           "legante;bilancio;costo_kg;"
                           "risultati_salvati;stesso_mix\r",
                           "ricetta_sbilanciata.txt;Mix magro;*;600,00;32,85%;1,77%;50,95%;4,00;4,83;"
                           "Grassi sotto;4,17;uguali;\r",
                           "ricetta_uova.txt;Boilie al latte;*;404,00;28,15%;6,62%;36,09%;2,23;4,33;"
                           "nel range;4,70;uguali;\r"};
    }
    void listRows()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, lines);
        const Run run = cli(QStringList{"list", dir.path(), "--ingredients", prices} + options);
        QCOMPARE(run.exitCode, 0);
        QStringList out = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(out.size(), lines.size());
        for (qsizetype k = 0; k < lines.size(); ++k) {
            // The date is the file's own: any text in its column.
            const QChar sep = options.isEmpty() ? u'\t' : u';';
            QStringList got = out[k].split(sep), want = lines[k].split(sep);
            if (want.value(2) == QStringLiteral("*"))
                got[2] = QStringLiteral("*");
            QCOMPARE(got, want);
        }
        QVERIFY(run.err.contains(QStringLiteral("campo37_non_valido.txt")));
        QVERIFY(run.err.startsWith(
            QStringLiteral("AVVISO: Impossibile aprire il file: non è una ricetta valida")));
    }

    // The library's filters, as options: the recipes kept, or the refusal of a wrong value.
    void listFilters_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // the files listed, or the start of the refusal
        const QString both = QStringLiteral("ricetta_sbilanciata.txt ricetta_uova.txt");
        QTest::newRow("balanced") << QStringList{"--balance", "balanced"} << 0 << "ricetta_uova.txt";
        QTest::newRow("out of range") << QStringList{"--balance", "out"} << 0 << "ricetta_sbilanciata.txt";
        QTest::newRow("fat out") << QStringList{"--balance", "fat"} << 0 << "ricetta_sbilanciata.txt";
        QTest::newRow("protein out") << QStringList{"--balance", "protein"} << 0 << "";
        QTest::newRow("cost up to, edge kept")
            << QStringList{"--cost", ":4,17"} << 0 << "ricetta_sbilanciata.txt";
        QTest::newRow("cost from, edge kept") << QStringList{"--cost", "4,70:"} << 0 << "ricetta_uova.txt";
        QTest::newRow("cost band, both") << QStringList{"--cost", "4:5", "--csv"} << 0 << both;
        QTest::newRow("same mix: none") << QStringList{"--same-mix"} << 0 << "";
        QTest::newRow("bad balance")
            << QStringList{"--balance", "good"} << 2
            << "--balance vuole balanced, out, protein, fat oppure carbs, non «good»";
        QTest::newRow("cost upside down") << QStringList{"--cost", "5:2"} << 2 << "--cost vuole MIN:MAX";
        QTest::newRow("cost without edges") << QStringList{"--cost", ":"} << 2 << "--cost vuole MIN:MAX";
        QTest::newRow("cost negative") << QStringList{"--cost", "-1:2"} << 2 << "--cost vuole MIN:MAX";
        QTest::newRow("cost without value") << QStringList{"--cost"} << 2 << "--cost vuole MIN:MAX";
        QTest::newRow("repeated") << QStringList{"--same-mix", "--same-mix"} << 2
                                  << "Opzione ripetuta: --same-mix";
        QTest::newRow("unknown") << QStringList{"--cheap"} << 2 << "Opzione sconosciuta: --cheap";
    }
    void listFilters()
    {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        const Run run = cli(QStringList{"list", dir.path(), "--ingredients", prices} + options);
        QCOMPARE(run.exitCode, exitCode);
        if (exitCode != 0) {
            QVERIFY2(run.err.contains(out), qPrintable(run.err));
            return;
        }
        const bool csv = options.contains(QStringLiteral("--csv"));
        QStringList files;
        for (const QString &line : run.out.split(u'\n', Qt::SkipEmptyParts).mid(csv ? 1 : 0)) // the headings
            files.append(line.section(csv ? u';' : u'\t', 0, 0));
        QCOMPARE(files.join(u' '), out);
    }

    // Recipes of the same ingredients and grams name each other, under any name.
    void listNamesTheSameMix()
    {
        QTemporaryDir folder;
        QVERIFY(QFile::copy(dataFile(QStringLiteral("ricetta_uova.txt")),
                            folder.filePath(QStringLiteral("a.txt"))));
        QByteArray recipe = readAll(dataFile(QStringLiteral("ricetta_uova.txt")));
        recipe.replace("\"Boilie al latte\"", "\"Altro nome\"");
        writeAll(folder.filePath(QStringLiteral("b.txt")), recipe);
        QVERIFY(QFile::copy(dataFile(QStringLiteral("ricetta_sbilanciata.txt")),
                            folder.filePath(QStringLiteral("c.txt"))));
        const Run run = cli({"list", folder.path(), "--same-mix"});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].section(u'\t', -1), QStringLiteral("a.txt (2)"));
        QCOMPARE(lines[1].section(u'\t', -1), QStringLiteral("a.txt (2)"));
    }

    // Two recipes of one name are told apart by their files.
    void compareTellsSameNamesApart()
    {
        QTemporaryDir other;
        const QString copy = other.filePath(QStringLiteral("copia.txt"));
        QVERIFY(QFile::copy(dir.filePath(QStringLiteral("ricetta_uova.txt")), copy));
        const Run run = cli({"compare", dir.filePath(QStringLiteral("ricetta_uova.txt")), copy});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.split(u'\n').first(),
                 QStringLiteral("\tBoilie al latte (ricetta_uova.txt)\tBoilie al latte (copia.txt)"));
    }

    // A recipe name a spreadsheet would run as a formula comes out as text, behind an
    // apostrophe; a number keeps its sign; the file starts with the byte-order mark, as
    // ingredienti.csv does.
    void csvIsSafeToOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("cell");
        QTest::newRow("sum") << "=1+1"
                             << "'=1+1";
        QTest::newRow("a command") << "=cmd|' /C calc'!A0"
                                   << "'=cmd|' /C calc'!A0";
        QTest::newRow("plus") << "+SUM(A1)"
                              << "'+SUM(A1)";
        QTest::newRow("minus") << "-2+3"
                               << "'-2+3";
        QTest::newRow("at") << "@cmd"
                            << "'@cmd";
        QTest::newRow("a negative number") << "-12,5"
                                           << "-12,5";
        QTest::newRow("a sign inside") << "Mix =2"
                                       << "Mix =2";
    }

    void csvIsSafeToOpen()
    {
        QFETCH(QString, name);
        QFETCH(QString, cell);
        QTemporaryDir folder;
        QByteArray recipe = readAll(dataFile(QStringLiteral("ricetta_uova.txt")));
        recipe.replace("\"Boilie al latte\"", '"' + name.toUtf8() + '"');
        writeAll(folder.filePath(QStringLiteral("r.txt")), recipe);
        QProcess process;
        process.start(QStringLiteral(VORNAK_CLI), {"list", folder.path(), "--csv"});
        QVERIFY(process.waitForFinished());
        const QByteArray out = process.readAllStandardOutput();
        QVERIFY(out.startsWith("\xEF\xBB\xBF"
                               "file;ricetta;"));
        const QList<QByteArray> lines = out.split('\n');
        QCOMPARE(lines.value(1).split(';').value(1), cell.toUtf8());
    }

    void listOfAMissingFolderExitsWith2()
    {
        const Run run = cli({"list", dir.filePath(QStringLiteral("non_ce"))});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains(QStringLiteral("non esiste")));
    }

    // Each recipe is marked against the first, not against the one before it: the third
    // is the second again, and still differs from the first.
    void compareMarksTheDifferences()
    {
        const QString unbalanced = dir.filePath(QStringLiteral("ricetta_sbilanciata.txt"));
        const Run run = cli({"compare", dir.filePath(QStringLiteral("ricetta_uova.txt")), unbalanced,
                             unbalanced, "--ingredients", prices});
        QCOMPARE(run.exitCode, 0);
        const QStringList out = run.out.split(u'\n');
        QCOMPARE(out.first(), QStringLiteral("\tBoilie al latte\tMix magro\tMix magro"));
        QVERIFY(out.contains(QStringLiteral("SEMOLINO\t-\t300 g · 50,00% *\t300 g · 50,00% *")));
        QVERIFY(out.contains(QStringLiteral("Grassi %\t6,62%\t1,77% (-4,85) *\t1,77% (-4,85) *")));
        QVERIFY(out.contains(QStringLiteral("Bilancio Grassi (3-8%)\tnel range\tsotto *\tsotto *")));
        QVERIFY(out.contains(QStringLiteral("Costo al kg\t4,70 €/kg\t4,17 €/kg *\t4,17 €/kg *")));
    }

    void compareRefuses_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("says");
        QTest::newRow("one file") << QStringList{"ricetta_uova.txt"} << 2 << "compare vuole da 2 a 4";
        QTest::newRow("five files") << QStringList(5, "ricetta_uova.txt") << 2 << "compare vuole da 2 a 4";
        QTest::newRow("not a recipe")
            << QStringList{"ricetta_uova.txt", "campo37_non_valido.txt"} << 2 << "non è una ricetta valida";
        QTest::newRow("missing file")
            << QStringList{"ricetta_uova.txt", "manca.txt"} << 2 << "il file non esiste";
        // The reason "Apri" and the library give, not "il file non esiste".
        QTest::newRow("a link to itself")
            << QStringList{"ricetta_uova.txt", "anello.txt"} << 2 << "rimanda a sé stesso (un ciclo)";
    }
    void compareRefuses()
    {
        QFETCH(QStringList, files);
        QFETCH(int, exitCode);
        QFETCH(QString, says);
        QTemporaryDir links;
        QVERIFY(QFile::link(links.filePath(QStringLiteral("anello.txt")),
                            links.filePath(QStringLiteral("anello.txt"))));
        QStringList args{"compare"};
        for (const QString &file : files)
            args.append(file == QStringLiteral("anello.txt") ? links.filePath(file) : dir.filePath(file));
        const Run run = cli(args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(says), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliArchive)
#include "tst_cli_archive.moc"
