// SPDX-License-Identifier: GPL-3.0-or-later
#include "clirun.h"
#include "italianwords.h"
#include "testfiles.h"
#include "version.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QString dataHome()
{
    static QTemporaryDir home;
    return home.path();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QByteArray kPrices = "nome;proteine;grassi;carboidrati;digeribilita;legante;prezzo\n"
                           "ALBUMINA;;;;;;10\nFARINA DI AVENA;;;;;;2\nUOVO INTERO GALLINA;;;;;;0,25\n"
                           "Mix Luca;22,5;8;45;3,5;-1;4\nSEMOLINO;;;;;;1\n";

Run cli(const QStringList &arguments, const QString &program = QStringLiteral(VORNAK_CLI))
{
    return runProgram(program, arguments, dataHome());
}

// vornak-cli with `lang` as LANG, or with each of its NAME=VALUE settings when it has any,
// none of the session's own, and a data folder of its own.
Run cliInLanguage(const QStringList &arguments, const QString &lang)
{
    static QTemporaryDir data;
    return runProgram(QStringLiteral(VORNAK_CLI), arguments, data.path(),
                      [&lang](QProcessEnvironment &environment) {
                          for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
                              environment.remove(QString::fromLatin1(name));
                          for (const QString &setting : lang.split(u' ', Qt::SkipEmptyParts)) {
                              if (setting.contains(u'='))
                                  environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
                              else
                                  environment.insert(QStringLiteral("LANG"), setting);
                          }
                      });
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

private slots:
    void initTestCase()
    {
        writeFile(path("prezzi.csv"), kPrices);
        writeFile(path("senza_uova.csv"), QByteArray(kPrices).replace("UOVO INTERO GALLINA;;", "UOVO;;"));
        QFile recipe(dataFile(QStringLiteral("ricetta_uova.txt")));
        QVERIFY(recipe.open(QIODevice::ReadOnly));
        const QByteArray bytes = recipe.readAll();
        writeFile(path("personale.txt"), QByteArray(bytes).replace("\"FARINA DI AVENA\"", "\"Mix Luca\""));
        writeFile(path("escape.txt"), QByteArray(bytes).replace("\"ALBUMINA\"", "\"ALBUMINA\x1b[31m\""));
        writeFile(path("prezzo_assurdo.csv"),
                  QByteArray(kPrices).replace("ALBUMINA;;;;;;10", "ALBUMINA;;;;;;1" + QByteArray(305, '0')));
        QByteArray manyBad = kPrices;
        for (int k = 1; k <= 12; ++k)
            manyBad += "Errata " + QByteArray::number(k) + ";;;;;;\n";
        writeFile(path("dodici_errate.csv"), manyBad);
    }

    void costAndPersonalIngredients_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString recipe = dataFile(QStringLiteral("ricetta_uova.txt"));
        const QString cost = QStringLiteral("Costo=1,90 €\nCosto al kg=4,70 €\n");
        QTest::newRow("cost") << QStringList{"cost", recipe, "--ingredients", path("prezzi.csv")} << 0 << cost
                              << QString();
        QTest::newRow("option first")
            << QStringList{"cost", "--ingredients", path("prezzi.csv"), recipe} << 0 << cost << QString();
        QTest::newRow("missing egg price, bad line reported")
            << QStringList{"cost", recipe, "--ingredients", path("senza_uova.csv")} << 1 << QString()
            << "AVVISO: Nel file degli ingredienti «" + path("senza_uova.csv") +
                   "» queste righe non sono valide e sono state ignorate:\nriga 4: manca il valore di "
                   "proteine\n"
                   "AVVISO: manca il prezzo di UOVO INTERO GALLINA\n";
        // A price a file may give never makes a cost beyond a double (the cost check still
        // guards a library given in code; see the model's cost test).
        QTest::newRow("a price beyond a million euro is left out")
            << QStringList{"cost", recipe, "--ingredients", path("prezzo_assurdo.csv")} << 1 << QString()
            << "AVVISO: Nel file degli ingredienti «" + path("prezzo_assurdo.csv") +
                   "» queste righe non sono valide e sono state ignorate:\nriga 2: il prezzo «1" +
                   QString(305, u'0') + "» supera 1.000.000 €\nAVVISO: manca il prezzo di ALBUMINA\n";
        QString everyBadLine = "AVVISO: Nel file degli ingredienti «" + path("dodici_errate.csv") +
                               "» queste righe non sono valide e sono state ignorate:\n";
        const int firstBad = int(QByteArray(kPrices).count('\n')) + 1;
        for (int line = firstBad; line < firstBad + 12; ++line)
            everyBadLine += QStringLiteral("riga %1: manca il valore di proteine\n").arg(line);
        QTest::newRow("every bad line named")
            << QStringList{"cost", recipe, "--ingredients", path("dodici_errate.csv")} << 0 << cost
            << everyBadLine;
        QTest::newRow("personal ingredient in a recipe")
            << QStringList{"calc", path("personale.txt"), "--ingredients", path("prezzi.csv")} << 0
            << "TxtPeso14=104,00\nTxtRisPeso=404,00\nTxtRisProteineGrammi=133,52\n"
            << QString();
        QTest::newRow("missing ingredient file: no personal ingredients")
            << QStringList{"calc", path("personale.txt"), "--ingredients", path("manca.csv")} << 2
            << QString()
            << "AVVISO: Il file degli ingredienti «" + path("manca.csv") +
                   "» non esiste\nAVVISO: Impossibile aprire il file: l'ingrediente «Mix Luca» non è nel "
                   "catalogo né tra gli ingredienti personali\nFile «" +
                   path("personale.txt") + "»\n";
    }

    void costAndPersonalIngredients()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = cli(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.out.startsWith(out), qPrintable(run.out));
        QCOMPARE(run.err, err);
    }

    void defaultIngredientFileIsInTheUsersDataFolder()
    {
        QVERIFY(QDir().mkpath(dataHome() + QStringLiteral("/vornak")));
        writeFile(dataHome() + QStringLiteral("/vornak/ingredienti.csv"), kPrices);
        const Run run = cli({"cost", path("personale.txt")});
        QVERIFY(QFile::remove(dataHome() + QStringLiteral("/vornak/ingredienti.csv")));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("Costo=2,30 €\nCosto al kg=5,69 €\n"));
    }

    void calcPrintsTheResults()
    {
        const Run run = cli({QStringLiteral("calc"), dataFile(QStringLiteral("ricetta_uova.txt"))});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out, QStringLiteral("TxtPeso14=104,00\nTxtRisPeso=404,00\nTxtRisProteineGrammi=113,72\n"
                                         "TxtRisProteinePercentuale=28,15%\nTxtRisGrassiGrammi=26,74\n"
                                         "TxtRisGrassiPercentuale=6,62%\nTxtRisCarboidratiGrammi=145,80\n"
                                         "TxtRisCarboidratiPercentuale=36,09%\nTxtRisDigeribilità=2,23\n"
                                         "TxtRisProprietàLegante=4,33\n"));
    }

    void refusalsAndBadFiles_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        // A file that cannot be used is named, with the reason, on a second line.
        QTest::newRow("unknown ingredient")
            << QStringList{"calc", dataFile("campo3_sconosciuto.txt")} << 2
            << "AVVISO: Impossibile aprire il file: l'ingrediente «FARINA DI "
               "LUNA» non è nel catalogo né tra gli ingredienti personali\nFile «" +
                   dataFile("campo3_sconosciuto.txt") + "»\n";
        QTest::newRow("not a recipe")
            << QStringList{"calc", dataFile("troncata.txt")} << 2
            << "AVVISO: Impossibile aprire il file: non è una ricetta valida\nFile «" +
                   dataFile("troncata.txt") + "»: il campo 40 apre le virgolette e non le chiude\n";
        QTest::newRow("missing file") << QStringList{"calc", dataFile("non-esiste.txt")} << 2
                                      << "AVVISO: Impossibile leggere il file\nFile «" +
                                             dataFile("non-esiste.txt") + "»: il file non esiste\n";
        QTest::newRow("save into a missing folder")
            << QStringList{"calc", dataFile("ricetta_uova.txt"), "--save", "/non-esiste/r.txt"} << 1
            << "AVVISO: Impossibile salvare il file\nFile «/non-esiste/r.txt»: la cartella «/non-esiste» non "
               "esiste\n";
        QTest::newRow("a PDF into a missing folder")
            << QStringList{"sheet", dataFile("ricetta_uova.txt"), "--pdf", "/non-esiste/r.pdf"} << 1
            << "AVVISO: Impossibile salvare il file PDF\nFile «/non-esiste/r.pdf»: la cartella «/non-esiste» "
               "non esiste\n";
        // A name read from a file never drives the terminal.
        QTest::newRow("control characters in a name")
            << QStringList{"calc", path("escape.txt")} << 2
            << "AVVISO: Impossibile aprire il file: l'ingrediente «ALBUMINA\\x1b[31m» non è nel catalogo né "
               "tra gli ingredienti personali\nFile «" +
                   path("escape.txt") + "»\n";
        QTest::newRow("empty file: nothing chosen") << QStringList{"calc", dataFile("vuoto.txt")} << 1
                                                    << "AVVISO: Non è stato selezionato alcun componente\n";
        QTest::newRow("sheet before a calculation")
            << QStringList{"sheet", dataFile("vuoto.txt"), "--pdf", "x.pdf"} << 1
            << "AVVISO: La stampa è annullata. Eseguire prima il calcolo\n";
        QTest::newRow("balance of an empty file") << QStringList{"balance", dataFile("vuoto.txt")} << 1
                                                  << "AVVISO: Non è stato selezionato alcun componente\n";
        QTest::newRow("balance of a file that is not a recipe")
            << QStringList{"balance", dataFile("troncata.txt")} << 2
            << "AVVISO: Impossibile aprire il file: non è una ricetta valida\nFile «" +
                   dataFile("troncata.txt") + "»: il campo 40 apre le virgolette e non le chiude\n";
        // A command line that cannot run says what is wrong, then shows the help.
        QTest::newRow("unknown command") << QStringList{"stampa"} << 2 << "Comando sconosciuto: stampa\n\n";
        QTest::newRow("unknown option")
            << QStringList{"calc", "x.txt", "--salva", "y.txt"} << 2 << "Opzione sconosciuta: --salva\n\n";
        QTest::newRow("--ingredients twice")
            << QStringList{"cost", "x.txt", "--ingredients", "a", "--ingredients", "b"} << 2
            << "Opzione ripetuta: --ingredients\n\n";
        QTest::newRow("--ingredients without a value") << QStringList{"cost", "x.txt", "--ingredients"} << 2
                                                       << "--ingredients vuole il nome di un file\n\n";
        QTest::newRow("no FILE") << QStringList{"balance"} << 2 << "Manca il file della ricetta\n\n";
        QTest::newRow("sheet without --pdf") << QStringList{"sheet", "x.txt"} << 2
                                             << "sheet vuole --pdf e il nome del file PDF da scrivere\n\n";
        QTest::newRow("--pdf twice") << QStringList{"sheet", "x.txt", "--pdf", "a.pdf", "--pdf", "b.pdf"} << 2
                                     << "Opzione ripetuta: --pdf\n\n";
        QTest::newRow("convert with --pdf twice")
            << QStringList{"convert", "--pdf", "a.pdf", "--total", "100", "A=100", "--pdf", "b.pdf"} << 2
            << "Opzione ripetuta: --pdf\n\n";
        // A PDF goes only to a regular file or a new name: a device or a pipe is refused at once.
        const QString device = QStringLiteral("non è un file normale (è una pipe o un dispositivo)\n");
        QTest::newRow("a PDF to /dev/full")
            << QStringList{"sheet", dataFile("ricetta_uova.txt"), "--pdf", "/dev/full"} << 1
            << "AVVISO: Impossibile salvare il file PDF\nFile «/dev/full»: " + device;
        ::mkfifo(QFile::encodeName(path("tubo.pdf")).constData(), 0600);
        QTest::newRow("a PDF to a named pipe")
            << QStringList{"sheet", dataFile("ricetta_uova.txt"), "--pdf", path("tubo.pdf")} << 1
            << "AVVISO: Impossibile salvare il file PDF\nFile «" + path("tubo.pdf") + "»: " + device;
        QTest::newRow("a converter PDF to /dev/full")
            << QStringList{"convert", "--total", "100", "A=100", "--pdf", "/dev/full"} << 1
            << "AVVISO: Impossibile salvare il file PDF\nFile «/dev/full»: " + device;
        // A text editor's "Unicode" is named as such.
        QFile recipe(dataFile("ricetta_uova.txt"));
        recipe.open(QIODevice::ReadOnly);
        const QString text = QString::fromLatin1(recipe.readAll());
        writeFile(path("utf16.txt"),
                  QByteArray("\xFF\xFE") +
                      QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2));
        QTest::newRow("a UTF-16 recipe")
            << QStringList{"calc", path("utf16.txt")} << 2
            << "AVVISO: Impossibile aprire il file: non è una ricetta valida\nFile «" + path("utf16.txt") +
                   "»: il file è in UTF-16 (il formato «Unicode» di un editor di testo): salvarlo di nuovo "
                   "come "
                   "«ANSI» o «UTF-8»\n";
    }

    void refusalsAndBadFiles()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        const Run run = cli(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.err, err.endsWith(u"\n\n") ? err + cli({"--help"}).out : err);
        QVERIFY(run.out.isEmpty() || arguments.contains(QStringLiteral("--save"))); // calc prints, then saves
    }

    void openingWarningsGoToStandardError_data()
    {
        QTest::addColumn<QStringList>("arguments");
        const QString file = dataFile(QStringLiteral("ricetta_punto_decimale.txt"));
        QTest::newRow("calc") << QStringList{"calc", file};
        QTest::newRow("sheet") << QStringList{"sheet", file, "--pdf", dir.filePath("punto.pdf")};
    }

    void openingWarningsGoToStandardError()
    {
        QFETCH(QStringList, arguments);
        const Run run = cli(arguments);
        QCOMPARE(run.exitCode, 0);
        const QString file =
            QStringLiteral("File «%1»: ").arg(dataFile(QStringLiteral("ricetta_punto_decimale.txt")));
        QCOMPARE(
            run.err,
            QStringLiteral("AVVISO: Non si possono inserire valori superiori a 100\n") + file +
                QStringLiteral("il campo 27 (le proteine del DODICESIMO componente) è «150»\n"
                               "AVVISO: Il valore digitato non è un numero prego reinserire il valore\n") +
                file + QStringLiteral("il campo 28 (i grassi del DODICESIMO componente) è «5.5»\n"));
        if (arguments.first() == QStringLiteral("calc"))
            QVERIFY(run.out.contains(QStringLiteral("TxtRisPeso=80,00\n")));
    }

    void saveWritesTheRecalculatedRecipe()
    {
        const QString out = dir.filePath(QStringLiteral("ricalcolata.txt"));
        const Run run = cli({"calc", dataFile("ricetta_lf_accenti.txt"), "--save", out});
        QCOMPARE(run.exitCode, 0);
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.endsWith("\"80,00\"\r\n"));
        QVERIFY(bytes.contains("\"P\xe0stura \xe8 buona\""));
        QCOMPARE(cli({"calc", out}).exitCode, 0);
    }

    void balancePrintsVerdictsAndSuggestions_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("out");
        QTest::newRow("fat too low")
            << "ricetta_sbilanciata.txt"
            << "Proteine=32,85% 17-40% nel range\nCarboidrati=50,95% 25-60% nel range\n"
               "Grassi=1,77% 3-8% sotto\n"
               "Suggerimento Grassi: aggiungere 180 g di FARINA DI AVENA\n";
        QTest::newRow("balanced, eggs included") << "ricetta_uova.txt"
                                                 << "Proteine=28,15% 17-40% nel range\n"
                                                    "Carboidrati=36,09% 25-60% nel range\n"
                                                    "Grassi=6,62% 3-8% nel range\n";
    }

    void balancePrintsVerdictsAndSuggestions()
    {
        QFETCH(QString, file);
        QFETCH(QString, out);
        const Run run = cli({QStringLiteral("balance"), dataFile(file)});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out, out);
    }

    // A sheet of thousands of pages is written all the same, and the count is said.
    void sheetAsPdf_data()
    {
        QTest::addColumn<int>("noteLines");
        QTest::addColumn<bool>("countSaid");
        QTest::newRow("the recipe's own note") << 0 << false;
        QTest::newRow("a note of 5000 lines") << 5000 << true;
    }

    void sheetAsPdf()
    {
        QFETCH(int, noteLines);
        QFETCH(bool, countSaid);
        QString recipe = dataFile("ricetta_uova.txt");
        if (noteLines) {
            QFile source(recipe);
            QVERIFY(source.open(QIODevice::ReadOnly));
            QByteArray record = source.readAll();
            const QByteArray note = "Bollire 2 minuti, poi asciugare";
            const qsizetype from = record.indexOf(note), to = record.indexOf("\",\"28,15%");
            QVERIFY(from > 0 && to > from);
            record.replace(from, to - from, QByteArray("x\r\n").repeated(noteLines));
            recipe = dir.filePath(QStringLiteral("lunga.txt"));
            QFile target(recipe);
            QVERIFY(target.open(QIODevice::WriteOnly) && target.write(record) == record.size());
        }
        const QString pdf = dir.filePath(QStringLiteral("foglio.pdf"));
        const Run run = cli({"sheet", recipe, "--pdf", pdf});
        QCOMPARE(run.exitCode, 0);
        const QRegularExpressionMatch count =
            QRegularExpression(QStringLiteral("^Il foglio occupa (\\d+) pagine.\n$")).match(run.err);
        QVERIFY2(countSaid ? count.hasMatch() && count.captured(1).toInt() > 36 : run.err.isEmpty(),
                 qPrintable(run.err));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
    }

    void convertPrintsGrams()
    {
        const Run run =
            cli({"convert", "--total", "1000", "Farina=33,3", "Mais=33,3", "Latte=33,3", "Miele=0,1"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("Farina=333\nMais=333\nLatte=333\nMiele=1\n"));
    }

    // Every NAME=GRAMS stays one line that cannot drive the terminal, whatever the name holds.
    void convertNamesAreOneLineEach()
    {
        const Run run =
            cli({"convert", "--total", "100", "A\x1b[31m=25", "B\nC=25", "D\u2028E=25", "\u202eF=25"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("A\\x1b[31m=25\nB\\x0aC=25\nD\\u2028E=25\n\\u202eF=25\n"));
    }

    void convertRefusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("err");
        QTest::newRow("95 %")
            << QStringList{"convert", "--total", "500", "A=45", "B=50"}
            << "AVVISO: IL TOTALE ATTUALE È 95%\r\nDEVE INVECE ESSERE 100%\r\nAGGIUNGERE 5%\n";
        QTest::newRow("no total")
            << QStringList{"convert", "--total", "0", "A=100"}
            << "Avviso: Impostare il Peso Totale Mix in grammi per poter proseguire nel "
               "calcolo!\n";
        QTest::newRow("percentage over 100") << QStringList{"convert", "--total", "500", "A=150"}
                                             << "AVVISO: Il valore Percentuale non deve superare il 100%\n";
    }

    void convertRefusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, err);
        const Run run = cli(arguments);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, err);
        QVERIFY(run.out.isEmpty());
    }

    void convertSheetAsPdf()
    {
        const QString pdf = dir.filePath(QStringLiteral("conversione.pdf"));
        QCOMPARE(cli({"convert", "--total", "333", "Mais=10", "Latte=90", "--pdf", pdf}).exitCode, 0);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
    }

    // The formula on a recipe: old and new grams, then the results as calc prints them and
    // the cost as cost prints it; no mix exits 1 with the reasons; a command line that
    // does not fit the recipe exits 2.
    void formula_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString unbalanced = dataFile(QStringLiteral("ricetta_sbilanciata.txt"));
        const QString eggs = dataFile(QStringLiteral("ricetta_uova.txt"));
        const QString prices = path("prezzi.csv");
        QTest::newRow("cheapest balanced mix")
            << QStringList{"formula", unbalanced, "--ingredients", prices} << 0
            << "1 ALBUMINA: 200 g -> 123 g\n2 SEMOLINO: 300 g -> 259 g\n3 FARINA DI AVENA: 100 g -> 218 g\n"
               "TxtPeso14=0,00\nTxtRisPeso=600,00\nTxtRisProteineGrammi=149,50\nTxtRisProteinePercentuale=24,"
               "92%\n"
               "TxtRisGrassiGrammi=18,00\nTxtRisGrassiPercentuale=3,00%\nTxtRisCarboidratiGrammi=359,91\n"
               "TxtRisCarboidratiPercentuale=59,98%\nTxtRisDigeribilità=3,86\nTxtRisProprietàLegante=4,64\n"
               "Costo=1,93 €\nCosto al kg=3,21 €\n"
            << QString();
        QTest::newRow("closest without prices, a row held to 0 g, no cost lines")
            << QStringList{"formula", unbalanced, "--goal", "closest", "--max", "2=0"} << 0
            << "1 ALBUMINA: 200 g -> 200 g\n2 SEMOLINO: 300 g -> 0 g\n3 FARINA DI AVENA: 100 g -> 400 g\n"
               "TxtPeso14=0,00\nTxtRisPeso=600,00\nTxtRisProteineGrammi=200,40\nTxtRisProteinePercentuale=33,"
               "40%\n"
               "TxtRisGrassiGrammi=30,40\nTxtRisGrassiPercentuale=5,07%\nTxtRisCarboidratiGrammi=291,60\n"
               "TxtRisCarboidratiPercentuale=48,60%\nTxtRisDigeribilità=3,00\nTxtRisProprietàLegante=4,33\n"
            << QString();
        QTest::newRow("eggs free, 1 kg, bands with a decimal comma and one off")
            << QStringList{"formula", eggs,    "--total", "1000", "--eggs", "free", "--goal", "closest",
                           "--fat",   "4,5:8", "--carbs", "off",  "--keep", "1",    "--min",  "2=300"}
            << 0 << "1 ALBUMINA: 100 g -> 100 g\n2 FARINA DI AVENA: 200 g -> " << QString();
        QTest::newRow("no mix: the reason")
            << QStringList{"formula", unbalanced, "--fat", "9:10", "--ingredients", prices} << 1 << QString()
            << "AVVISO: Grassi almeno 9%: con questi ingredienti si arriva al massimo a 7,10%\n";
        QTest::newRow("no mix: a missing price for the cheapest")
            << QStringList{"formula", eggs} << 1 << QString()
            << "AVVISO: manca il prezzo di ALBUMINA\nAVVISO: manca il prezzo di FARINA DI AVENA\n"
               "AVVISO: manca il prezzo di UOVO INTERO GALLINA\n";
        QTest::newRow("a bound on a row without an ingredient")
            << QStringList{"formula", unbalanced, "--min", "5=100"} << 2 << QString()
            << "AVVISO: --min 5: la riga 5 della ricetta non ha un componente\n";
        // Two worksheets from users' reports. A digestibility minimum the cheapest mix meets
        // anyway leaves that mix; the closest mix is the same on every run.
        const QString digestible = dataFile(QStringLiteral("formula_digeribilita.txt"));
        const QStringList cheapest{
            "formula", digestible, "--ingredients", dataFile("prezzi_digeribilita.csv"),
            "--goal",  "cost",     "--protein",     "off",
            "--total", "10000",    "--max",         "2=3420"};
        const QString cheapestOut =
            "2 FARINA DI MERLUZZO: 78 g -> 3420 g\n7 LATTE IN POLVERE: 244 g -> 1493 g\n"
            "9 FARINA DI ARINGHE: 471 g -> 0 g\n10 CASTAGNA: 142,1 g -> 5021 g\n"
            "12 Pastura casa 0: 229 g -> 2 g\n13 Mio mix 1: 230 g -> 0 g\nUova: 4 -> 4\n";
        QTest::newRow("cheapest, no digestibility minimum") << cheapest << 0 << cheapestOut << QString();
        QTest::newRow("cheapest, a digestibility minimum that does not bind")
            << cheapest + QStringList{"--digestibility", "2"} << 0 << cheapestOut << QString();
        QTest::newRow("closest, a user's worksheet of eight rows")
            << QStringList{"formula", dataFile("formula_orzo.txt"), "--goal", "closest"} << 0
            << "2 SEMOLINO: 434 g -> 0 g\n3 FARINA DI RISO: 0,86 g -> 0 g\n4 EGG & HONEY BISKUIT YELLOW: 820 "
               "g -> "
               "819 g\n6 FARINA DI PESCE BIANCO: 593 g -> 7319 g\n7 CALCIO CASEINATO: 0,7 g -> 0 g\n"
               "9 FARINA DI ORZO: 38926,64 g -> 38926 g\n10 IDROLIZZATO DI PIUME DI GALLINA: 334,1 g -> 336 "
               "g\n"
               "11 NATURE SEED MIX Drumlow: 29716 g -> 23425 g\n"
            << QString();
        // At ten tonnes with a row held to 100 g, GLPK fails one of its own checks under the
        // formula's branching; the second try finds the mix.
        QTest::newRow("cheapest, ten tonnes, a row held to 100 g")
            << QStringList{"formula",       dataFile("formula_orzo.txt"),
                           "--ingredients", dataFile("prezzi_orzo.csv"),
                           "--goal",        "cost",
                           "--total",       "10000000",
                           "--max",         "9=100"}
            << 0 << "2 SEMOLINO: 434 g -> 7732501 g\n"
            << QString();
        QTest::newRow("a kept row with a maximum")
            << cheapest + QStringList{"--keep", "2"} << 2 << QString()
            << "AVVISO: --keep 2: la riga 2 (FARINA DI MERLUZZO) resta ai suoi grammi, e non può avere anche "
               "--min o --max\n";
        QTest::newRow("free eggs without eggs")
            << QStringList{"formula", unbalanced, "--eggs", "free"} << 2 << QString()
            << "AVVISO: --eggs free: la ricetta non ha le uova\n";
        // A command line that cannot run says what is wrong, then shows the help.
        QTest::newRow("a band with a dash")
            << QStringList{"formula", unbalanced, "--protein", "17-40"} << 2 << QString()
            << "--protein vuole MIN:MAX in percento (per esempio 17:40 o 12,5:30) oppure off, non "
               "«17-40»\n\n";
        QTest::newRow("half a gram of total")
            << QStringList{"formula", unbalanced, "--total", "600,5"} << 2 << QString()
            << "--total vuole un numero intero di grammi tra 1 e 10.000.000, non "
               "«600,5»\n\n";
        QTest::newRow("row 14") << QStringList{"formula", unbalanced, "--keep", "14"} << 2 << QString()
                                << "--keep vuole il numero di una riga da 1 a 13, non «14»\n\n";
        QTest::newRow("a row kept twice")
            << QStringList{"formula", unbalanced, "--keep", "1", "--keep", "1"} << 2 << QString()
            << "--keep vuole il numero di una riga da 1 a 13, non «1» (una volta per riga)\n\n";
        QTest::newRow("a negative minimum")
            << QStringList{"formula", unbalanced, "--min", "1=-5"} << 2 << QString()
            << "--min vuole ROW=G, con ROW da 1 a 13 e G grammi interi (per esempio 3=100), non «1=-5»: i "
               "grammi non possono essere negativi\n\n";
        QTest::newRow("a minimum over the total, no maximum")
            << QStringList{"formula", unbalanced, "--min", "1=500", "--total", "401"} << 1 << QString()
            << "AVVISO: Riga 1 (ALBUMINA): il minimo di 500 g supera il peso totale di 401 g\n";
        QTest::newRow("total given twice")
            << QStringList{"formula", unbalanced, "--total", "500", "--total", "600"} << 2 << QString()
            << "Opzione ripetuta: --total\n\n";
        QTest::newRow("unknown goal") << QStringList{"formula", unbalanced, "--goal", "cheap"} << 2
                                      << QString() << "--goal vuole cost oppure closest, non «cheap»\n\n";
        QTest::newRow("no FILE") << QStringList{"formula", "--goal", "cost"} << 2 << QString()
                                 << "Manca il file della ricetta\n\n";
        QTest::newRow("a file that is not a recipe")
            << QStringList{"formula", dataFile("troncata.txt")} << 2 << QString()
            << "AVVISO: Impossibile aprire il file: non è una ricetta valida\nFile «" +
                   dataFile("troncata.txt") + "»: il campo 40 apre le virgolette e non le chiude\n";
    }

    void formula()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = cli(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(out.isEmpty() ? run.out.isEmpty() : run.out.startsWith(out), qPrintable(run.out));
        QCOMPARE(run.err, err.endsWith(u"\n\n") ? err + cli({"--help"}).out : err);
    }

    // The default bands the help names are the ones the formula takes when none is given:
    // naming them gives the same mix, and the fat band binds on this lean recipe.
    void helpNamesTheFormulasDefaultBands()
    {
        const QString help = cli({"--help"}).out;
        static const QRegularExpression defaults(
            QStringLiteral("se manca, (\\d+:\\d+), (\\d+:\\d+) e (\\d+:\\d+)\\)"));
        const QRegularExpressionMatch bands = defaults.match(help);
        QVERIFY2(bands.hasMatch(), qPrintable(help));
        const QStringList closest{"formula", dataFile("ricetta_sbilanciata.txt"), "--goal", "closest"};
        const Run byDefault = cli(closest);
        QCOMPARE(byDefault.exitCode, 0);
        const Run named = cli(closest + QStringList{"--protein", bands.captured(1), "--fat",
                                                    bands.captured(2), "--carbs", bands.captured(3)});
        QCOMPARE(named.out, byDefault.out);
    }

    // --save writes what Applica then Salva would: the new grams (a row without grams as
    // "0,0") and the results, and the file opens and calculates to the same results.
    void formulaSavesTheNewRecipe()
    {
        const QString out = path("formula.txt");
        const Run run = cli({"formula", dataFile("ricetta_sbilanciata.txt"), "--goal", "closest", "--max",
                             "2=0", "--save", out});
        QCOMPARE(run.exitCode, 0);
        const QByteArray saved = readAll(out);
        QVERIFY2(saved.startsWith("\"ALBUMINA\",\"SEMOLINO\",\"FARINA DI AVENA\",\"-\""), saved.constData());
        QVERIFY(saved.contains(",\"200\",\"0,0\",\"400\","));
        QVERIFY(saved.endsWith(",\"600,00\"\r\n"));
        const Run again = cli({"calc", out});
        QCOMPARE(again.exitCode, 0);
        QCOMPARE(again.err, QString());
        QCOMPARE(again.out, run.out.section(u'\n', 3)); // the results, after the three rows
    }

    // A reader that stops early (`| head`, here one that reads nothing) leaves the output
    // unread, not the command's work undone: the recipe asked for is saved all the same.
    void formulaSavesWhenTheReaderIsGone()
    {
        const QString out = path("letto-da-nessuno.txt");
        const QStringList formula{
            "formula", dataFile("ricetta_sbilanciata.txt"), "--goal", "closest", "--save", out};
        const Run run =
            cli(QStringList{"-c", "{ sleep 0.5; \"$0\" \"$@\"; } | true; exit \"${PIPESTATUS[0]}\"",
                            QStringLiteral(VORNAK_CLI)} +
                    formula,
                QStringLiteral("/bin/bash"));
        QCOMPARE(run.exitCode, 0);
        QVERIFY(readAll(out).endsWith(",\"600,00\"\r\n"));
    }

    // Both programs answer their command line before any window system starts, and their
    // help fits a terminal of 80 columns.
    void commandLinesOfBothPrograms_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("firstLine");
        const QString gui = QStringLiteral(VORNAK_GUI);
        QTest::newRow("vornak-cli --help") << QString(VORNAK_CLI) << QStringList{"--help"} << 0 << "Uso:";
        QTest::newRow("vornak --help") << gui << QStringList{"--help"} << 0 << "Uso: vornak [opzioni] [FILE]";
        QTest::newRow("vornak --version") << gui << QStringList{"--version"} << 0 << "vornak " VORNAK_VERSION;
        QTest::newRow("vornak --bogus")
            << gui << QStringList{"--bogus"} << 2 << "Opzione sconosciuta: --bogus";
        QTest::newRow("vornak with two files")
            << gui << QStringList{"a.txt", "b.txt"} << 2 << "Troppi argomenti";
        QTest::newRow("vornak --ingredients without a file")
            << gui << QStringList{"--ingredients"} << 2 << "--ingredients vuole il nome di un file";
        QTest::newRow("vornak without a screen")
            << gui << QStringList{"ricetta.txt"} << 1
            << "Vornak non può aprire la finestra: nessuno schermo (DISPLAY non è impostata).";
        QTest::newRow("vornak on a display that does not answer")
            << gui << QStringList{"-display", ":1987", "ricetta.txt"} << 1
            << "Vornak non può aprire la finestra: nessuno schermo (DISPLAY=:1987 non risponde).";
        QTest::newRow("vornak on a platform Qt lacks, whatever the display")
            << gui << QStringList{"-platform", "wayland", "-display", ":1987", "ricetta.txt"} << 1
            << "Vornak non può aprire la finestra: Qt non ha la piattaforma «wayland».";
        QTest::newRow("Qt's own options are Qt's")
            << gui << QStringList{"-style", "Fusion", "--reverse", "--bogus"} << 2
            << "Opzione sconosciuta: --bogus";
    }

    void commandLinesOfBothPrograms()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, firstLine);
        const Run run = cli(arguments, program);
        QCOMPARE(run.exitCode, exitCode);
        const QString text = exitCode == 0 ? run.out : run.err;
        QCOMPARE(text.section(u'\n', 0, 0), firstLine);
        for (const QString &line : text.split(u'\n'))
            QVERIFY2(line.size() <= 80, qPrintable(line));
    }

    // Each command in the language chosen by --lang or by the system's: English for English,
    // Italian for C and any other language.
    void speaksTheChosenLanguage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("english");
        const QString unbalanced = dataFile(QStringLiteral("ricetta_sbilanciata.txt"));
        const QString eggs = dataFile(QStringLiteral("ricetta_uova.txt"));
        QTest::newRow("calc --lang en") << QStringList{"calc", eggs, "--lang", "en"} << QString() << 0
                                        << QStringList{"TxtRisPeso=404,00"} << true;
        QTest::newRow("balance, LANG=en_GB")
            << QStringList{"balance", unbalanced} << "en_GB.UTF-8" << 0
            << QStringList{"Fat=1,77% 3-8% below", "Suggestion Fat: add 180 g of OAT FLOUR"} << true;
        QTest::newRow("formula --lang=en")
            << QStringList{"formula", unbalanced, "--goal", "closest", "--lang=en"} << QString() << 0
            << QStringList{" g -> ", "TxtRisGrassiPercentuale="} << true;
        QTest::newRow("refusal") << QStringList{"--lang", "en", "calc", dataFile("campo37_non_valido.txt")}
                                 << QString() << 2
                                 << QStringList{"WARNING: Cannot open the file: it is not a valid recipe",
                                                "egg data with the egg box unticked (field 37)"}
                                 << true;
        QTest::newRow("unknown command") << QStringList{"--lang", "en", "bogus"} << QString() << 2
                                         << QStringList{"Unknown command: bogus", "Usage:"} << true;
        QTest::newRow("help") << QStringList{"--help", "--lang", "en"} << QString() << 0
                              << QStringList{"Usage:", "Every command takes --ingredients FILE"} << true;
        QTest::newRow("C stays Italian")
            << QStringList{"balance", unbalanced} << "C" << 0
            << QStringList{"Suggerimento Grassi: aggiungere 180 g di FARINA DI AVENA"} << false;
        QTest::newRow("LANGUAGE=en with LC_ALL=C stays Italian")
            << QStringList{"balance", unbalanced} << "LANGUAGE=en LC_ALL=C" << 0
            << QStringList{"Grassi=1,77% 3-8% sotto"} << false;
        QTest::newRow("LANGUAGE=de:en with LANG=it_IT")
            << QStringList{"balance", unbalanced} << "LANGUAGE=de:en LANG=it_IT.UTF-8" << 0
            << QStringList{"Fat=1,77% 3-8% below"} << true;
        QTest::newRow("German stays Italian") << QStringList{"balance", unbalanced} << "de_DE.UTF-8" << 0
                                              << QStringList{"Grassi=1,77% 3-8% sotto"} << false;
        QTest::newRow("--lang it over English")
            << QStringList{"balance", unbalanced, "--lang", "it"} << "en_GB.UTF-8" << 0
            << QStringList{"Grassi=1,77% 3-8% sotto"} << false;
        const QString folder = QStringLiteral(VORNAK_TEST_DATA);
        QTest::newRow("compare --lang en")
            << QStringList{"compare", eggs, unbalanced, "--lang", "en"} << QString() << 0
            << QStringList{"Ingredients",   "Results",       "Cost per kg",
                           "Saved results", "WHOLE HEN EGG", "Balance Protein (17-40%)",
                           "balanced range"}
            << true;
        QTest::newRow("compare of one file --lang en")
            << QStringList{"compare", eggs, "--lang", "en"} << QString() << 2
            << QStringList{"compare takes 2 to 4 recipe files"} << true;
        QTest::newRow("list of no folder --lang en")
            << QStringList{"list", folder + QStringLiteral("/non_ce"), "--lang", "en"} << QString() << 2
            << QStringList{"Cannot read the folder: "} << true;
        QTest::newRow("--lang fr refused") << QStringList{"balance", unbalanced, "--lang", "fr"} << QString()
                                           << 2 << QStringList{"--lang vuole it oppure en"} << false;
    }
    void speaksTheChosenLanguage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, lang);
        QFETCH(int, exitCode);
        QFETCH(QStringList, expected);
        const Run run = cliInLanguage(arguments, lang);
        const QString all = run.out + run.err;
        QCOMPARE(run.exitCode, exitCode);
        for (const QString &text : expected)
            QVERIFY2(all.contains(text), qPrintable(all));
        QFETCH(bool, english);
        if (english) {
            // The results' names are the worksheet's field names, the same in every language.
            QString words = all;
            words.remove(QRegularExpression(QStringLiteral("Txt\\w+=")));
            QVERIFY2(italianWordsIn(words).isEmpty(),
                     qPrintable(italianWordsIn(words).join(", ") + "\n" + all));
        }
    }
};

QTEST_APPLESS_MAIN(TestCli)
#include "tst_cli.moc"
