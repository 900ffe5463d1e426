// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation.h"
#include "clearing.h"
#include "faildevice.h"
#include "fakechooser.h"
#include "messages.h"
#include "recipecommands.h"
#include "recipefile.h"
#include "recipemessages.h"
#include "recordingsink.h"
#include "testfiles.h"
#include "usertext.h"
#include "worksheet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <functional>

#include <csignal>
#include <sys/resource.h>

using namespace field;

namespace {

// Every text, enabled state and colour of the worksheet, to compare two worksheets.
QStringList snapshot(const Worksheet &sheet)
{
    QStringList state;
    for (FieldId id = 0; id < Count; ++id) {
        const Field &f = sheet.field(id);
        if (f.kind != FieldKind::Unused)
            state << QStringLiteral("%1=%2|%3|%4|%5")
                         .arg(field::name(id), f.text)
                         .arg(f.enabled)
                         .arg(int(f.colour))
                         .arg(f.checked);
    }
    return state;
}

void fillAndCalculate(Worksheet &sheet)
{
    sheet.select(componente(1), QStringLiteral("ALBUMINA"));
    sheet.setText(peso(1), QStringLiteral("100"));
    sheet.select(componente(4), QStringLiteral("FARINA DI SALMONE 89 LT Drumlow"));
    sheet.setText(peso(4), QStringLiteral("1.250,5"));
    sheet.setText(Aggiunta2, QStringLiteral("Mio, speciale"));
    sheet.setText(proteine(13), QStringLiteral("30"));
    sheet.setText(carbo(13), QStringLiteral("40,5"));
    sheet.select(dig(13), QStringLiteral("4"));
    sheet.select(legante(13), QStringLiteral("-1"));
    sheet.setText(peso(13), QStringLiteral("75"));
    sheet.setChecked(true);
    sheet.select(componente(kEggRow), QStringLiteral("TUORLO (IL ROSSO)"));
    sheet.setText(NumeroUova, QStringLiteral("3"));
    sheet.setText(NomeRicetta, QStringLiteral("Più pesce"));
    sheet.setText(Note, QStringLiteral("uno, due\r\ntre"));
    QVERIFY(calculate(sheet));
}

} // namespace

using Setup = std::function<void(Worksheet &)>;
Q_DECLARE_METATYPE(Setup)

class TestRecipeFile : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    Worksheet *sheet = nullptr;
    RecordingSink sink;
    FakeChooser chooser;

    QString path(const QString &name) const { return dir.filePath(name); }

private slots:
    void init()
    {
        sheet = new Worksheet;
        sink.clear();
        sheet->setWarningSink(&sink);
        chooser = FakeChooser();
    }
    void cleanup() { delete sheet; }

    void roundTripGivesTheSameBytes()
    {
        fillAndCalculate(*sheet);
        const QStringList before = recipefile::recordOf(*sheet);
        chooser.savePath = path("giro.txt");
        QVERIFY(recipecommands::save(*sheet, chooser));
        const QByteArray first = readAll(chooser.savePath);

        clearWorksheet(*sheet);
        chooser.openPath = chooser.savePath;
        QVERIFY(recipecommands::open(*sheet, chooser));
        QCOMPARE(recipefile::recordOf(*sheet), before);
        for (FieldId id :
             {componente(1), componente(4), FieldId(Aggiunta2), dig(13), peso(13), FieldId(NomeRicetta),
              FieldId(RisPeso), FieldId(RisProprietaLegante), proteine(kEggRow)})
            QCOMPARE(sheet->colour(id), Colour::Filled);

        chooser.savePath = path("giro2.txt");
        QVERIFY(recipecommands::save(*sheet, chooser));
        QCOMPARE(readAll(chooser.savePath), first);
        QVERIFY(sink.warnings.isEmpty());
    }

    void savedRecordShape()
    {
        fillAndCalculate(*sheet);
        sheet->setText(NomeRicetta, QString());
        chooser.savePath = path("forma");
        QVERIFY(recipecommands::save(*sheet, chooser));
        QVERIFY(QFile::exists(path("forma"))); // no extension is added
        const QByteArray bytes = readAll(path("forma"));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), 2); // the record's end and the one inside the notes
        QVERIFY(bytes.startsWith("\"ALBUMINA\",\"-\",\"-\",\"FARINA DI SALMONE 89 LT Drumlow\","));
        QVERIFY(bytes.contains(",\"-1\",1,\"TUORLO (IL ROSSO)\",\"3\",\"48,00\",\"\",\"uno, due\r\ntre\","));
        QVERIFY(bytes.contains("\"Mio, speciale\""));
        const auto records = recipefile::decode(bytes);
        QVERIFY(records);
        QCOMPARE(records->size(), 1);
        QCOMPARE(records->first().size(), 51);
        QCOMPARE(records->first().at(36), QStringLiteral("1"));
    }

    void filesWrittenByHand_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("total");
        QTest::newRow("CR LF, eggs, notes with a line break")
            << "ricetta_uova.txt"
            << "Boilie al latte"
            << "Bollire 2 minuti, poi asciugare\r\nConservare in freezer"
            << "404,00";
        QTest::newRow("LF and accented Windows-1252 bytes") << "ricetta_lf_accenti.txt"
                                                            << "Ricetta di però"
                                                            << "Più mais, meno ìndice, così ù"
                                                            << "404,00";
        QTest::newRow("two records: the last wins")
            << "due_ricette.txt"
            << "Seconda"
            << "Bollire 2 minuti, poi asciugare\r\nConservare in freezer"
            << "404,00";
    }

    void filesWrittenByHand()
    {
        QFETCH(QString, file);
        QFETCH(QString, name);
        QFETCH(QString, notes);
        QFETCH(QString, total);
        chooser.openPath = dataFile(file);
        QVERIFY(recipecommands::open(*sheet, chooser));
        QVERIFY(sink.warnings.isEmpty());
        QCOMPARE(sheet->text(NomeRicetta), name);
        QCOMPARE(sheet->text(Note), notes);
        QCOMPARE(sheet->text(RisPeso), total); // shown as stored, not recomputed
        QCOMPARE(sheet->colour(RisPeso), Colour::Filled);
    }

    void openingRefillsValuesFromTheCatalogue()
    {
        chooser.openPath = dataFile("ricetta_uova.txt");
        QVERIFY(recipecommands::open(*sheet, chooser));
        QCOMPARE(sheet->text(proteine(2)), QStringLiteral("12,6"));
        QCOMPARE(sheet->colour(proteine(2)), Colour::Filled);
        QVERIFY(sheet->isEnabled(peso(2)));
        QVERIFY(sheet->eggsChecked());
        QCOMPARE(sheet->text(proteine(kEggRow)), QStringLiteral("13,0"));
        QCOMPARE(sheet->text(peso(kEggRow)), QStringLiteral("104,00"));
        QCOMPARE(sheet->text(Frame2), QStringLiteral("Risultati con uova incluse"));

        chooser.openPath = dataFile("ricetta_lf_accenti.txt");
        QVERIFY(recipecommands::open(*sheet, chooser));
        QCOMPARE(sheet->text(Aggiunta1), QStringLiteral("Pàstura è buona"));
        QCOMPARE(sheet->text(legante(12)), QStringLiteral("-1"));
        QCOMPARE(sheet->colour(legante(12)), Colour::Filled);
        QVERIFY(!sheet->eggsChecked());
        QCOMPARE(sheet->text(componente(2)), QStringLiteral("-"));
    }

    // A refused file changes nothing and says which file and the first thing that makes it
    // no recipe.
    void badFilesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("reason");
        const QByteArray good = readAll(dataFile("ricetta_uova.txt"));
        auto withField = [&](int number, const QByteArray &value) {
            auto records = recipefile::decode(good);
            QStringList record = records->first();
            record[number - 1] = QString::fromLatin1(value);
            QByteArray bytes = *recipefile::encode(record);
            if (number == 37) // encode writes field 37 bare; keep the test's own text
                bytes.replace(",1,\"UOVO", "," + value + ",\"UOVO");
            return bytes;
        };
        const QString notARecipe = messages::kNotARecipe;
        QTest::newRow("third field no catalogue entry")
            << readAll(dataFile("campo3_sconosciuto.txt")) << messages::unknownIngredient("FARINA DI LUNA")
            << "";
        QTest::newRow("fewer than 51 fields") << readAll(dataFile("troncata.txt")) << notARecipe
                                              << "il campo 40 apre le virgolette e non le chiude";
        QTest::newRow("field 37 is 2: eggs off, yet a kind")
            << readAll(dataFile("campo37_non_valido.txt")) << notARecipe
            << "dati delle uova con la casella spenta (campo 37)";
        QTest::newRow("field 37 is a word")
            << withField(37, "si") << notARecipe << "il campo 37 («si») non è un numero";
        QTest::newRow("empty catalogue list")
            << withField(5, "") << notARecipe << "il campo 5 («») non è un componente della lista";
        QTest::newRow("binder entry not in its list")
            << withField(31, "7") << notARecipe << "il campo 31 («7») non è un indice legante della lista";
        QTest::newRow("egg kind in lower case")
            << withField(38, "uovo intero gallina") << notARecipe
            << "il campo 38 («uovo intero gallina») non è un tipo di uovo";
        QTest::newRow("percentage in an unnamed custom row")
            << withField(27, "150") << notARecipe
            << "il campo 27 dà un valore alla riga 12, che non ha un nome";
        QTest::newRow("grams in an unnamed custom row")
            << withField(25, "30") << notARecipe
            << "il campo 25 dà un valore alla riga 12, che non ha un nome";
        QTest::newRow("egg weight without eggs")
            << readAll(dataFile("ricetta_lf_accenti.txt")).replace("\"0,00\"", "\"104,00\"") << notARecipe
            << "dati delle uova con la casella spenta (campo 37)";
        QTest::newRow("grams on a row without ingredient")
            << withField(16, "30") << notARecipe
            << "il campo 16 dà dei grammi alla riga 3, che non ha un componente";
        QTest::newRow("egg count without eggs")
            << readAll(dataFile("ricetta_lf_accenti.txt")).replace(",0,\"-\",\"0\",", ",0,\"-\",\"2\",")
            << notARecipe << "dati delle uova con la casella spenta (campo 37)";
        QTest::newRow("second record broken") << good + readAll(dataFile("campo3_sconosciuto.txt"))
                                              << messages::unknownIngredient("FARINA DI LUNA") << "";
        QTest::newRow("unterminated quote")
            << QByteArray("\"ALBUMINA") << notARecipe << "il campo 1 apre le virgolette e non le chiude";
        QTest::newRow("a quote inside a bare field")
            << QByteArray("ALB\"UMINA,") << notARecipe
            << "il campo 1 ha una virgoletta fuori da un testo tra virgolette";
        QTest::newRow("a record cut short") << QByteArray("\"ALBUMINA\",\"-\"\r\n") << notARecipe
                                            << "la ricetta finisce dopo 2 campi invece di 51";
        QTest::newRow("over one MiB")
            << QByteArray(recipefile::kMaxFileSize + 10, ' ') << notARecipe << "il file supera 1 MiB";
    }

    void badFilesChangeNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(QString, reason);
        fillAndCalculate(*sheet);
        const QStringList before = snapshot(*sheet);
        writeAll(path("cattivo.txt"), bytes);
        chooser.openPath = path("cattivo.txt");
        QVERIFY(!recipecommands::open(*sheet, chooser));
        QCOMPARE(sink.texts(), QStringList{usertext::aboutFile(message, chooser.openPath, reason)});
        QCOMPARE(sink.warnings.first().first, QStringLiteral("AVVISO"));
        QCOMPARE(snapshot(*sheet), before);
    }

    // A double quote inside a hand-edited text is kept where the text reads one way only,
    // with a warning that names the field; otherwise the file is refused, naming it. A
    // byte-order mark makes the file UTF-8.
    void handEditedTexts_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name"); // null: the file is refused
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("message"); // the warning, or the refusal's reason
        const QByteArray good = readAll(dataFile("ricetta_uova.txt"));
        const QByteArray name = "\"Boilie al latte\"";
        const QByteArray notes = "\"Bollire 2 minuti, poi asciugare\r\nConservare in freezer\"";
        auto edited = [&](const QByteArray &from, const QByteArray &to) {
            return QByteArray(good).replace(from, to);
        };
        const QString storedName = QStringLiteral("Boilie al latte");
        const QString storedNotes =
            QStringLiteral("Bollire 2 minuti, poi asciugare\r\nConservare in freezer");
        const QString saving =
            QStringLiteral(" delle virgolette (\"), che il file delle ricette non può contenere: al "
                           "salvataggio ogni virgoletta sarà scritta come due apostrofi ('')");
        QTest::newRow("quoted words in the notes") << edited(notes, "\"Bollire \"bene\" poi asciugare\"")
                                                   << storedName << "Bollire \"bene\" poi asciugare"
                                                   << "Le note contengono" + saving;
        QTest::newRow("the same with a comma after them")
            << edited(notes, "\"Bollire \"bene\" poi, asciugare\"") << storedName
            << "Bollire \"bene\" poi, asciugare"
            << "Le note contengono" + saving;
        QTest::newRow("quoted word in the recipe name")
            << edited(name, "\"Boilie \"al\" latte\"") << "Boilie \"al\" latte" << storedNotes
            << "Il nome della ricetta contiene" + saving;
        QTest::newRow("name and notes named together")
            << edited(name, "\"Boilie \"al\" latte\"").replace("2 minuti", "\"2\" minuti")
            << "Boilie \"al\" latte"
            << "Bollire \"2\" minuti, poi asciugare\r\nConservare in freezer"
            << "Il nome della ricetta e le note contengono" + saving;
        QTest::newRow("text after a closing quote")
            << edited("\"ALBUMINA\",", "\"ALBUMINA\"xyz,") << QString() << QString()
            << "il campo 1 ha una virgoletta (\") che non si sa se chiude il testo: toglierla con un editor "
               "di "
               "testo";
        QTest::newRow("a quote just before a comma in the notes")
            << edited(notes, "\"Bollire \"bene\", poi asciugare\"") << QString() << QString()
            << "il campo 42 (le note) ha una virgoletta (\") che non si sa se chiude il testo: toglierla con "
               "un "
               "editor di testo";
        QTest::newRow("a quote just before a line break in the notes")
            << edited(notes, "\"Bollire bene\"\r\npoi asciugare\"") << QString() << QString()
            << "il campo 42 (le note) ha una virgoletta (\") che non si sa se chiude il testo: toglierla con "
               "un "
               "editor di testo";
        QTest::newRow("notes never closed")
            << good.left(good.indexOf(notes)) + "\"Bollire \"bene" << QString() << QString()
            << "il campo 42 (le note) non ha una virgoletta di chiusura seguita da una virgola o dalla fine "
               "della riga";
        QTest::newRow("text after the last field's closing quote")
            << good.left(good.lastIndexOf('"') + 1) + "xyz\r\n"
            << QString() << QString()
            << "il campo 51 non ha una virgoletta di chiusura seguita da una virgola o dalla fine della riga";
        QTest::newRow("a comma in field 37")
            << QByteArray(good).replace(",1,\"UOVO", ",1,5,\"UOVO") << QString() << QString()
            << "dopo i 51 campi della ricetta ne resta 1 campo: una virgola di troppo, forse nel campo 37, "
               "l'unico senza virgolette";
        QTest::newRow("UTF-8 with its byte-order mark")
            << "\xEF\xBB\xBF" + edited(name, "\"Ricetta di per\xC3\xB2\"") << "Ricetta di però" << storedNotes
            << "";
        QTest::newRow("UTF-8 with a character Windows-1252 lacks")
            << "\xEF\xBB\xBF" + edited(name, "\"Carpa \xCE\xA9\"") << "Carpa Ω" << storedNotes
            << "Il nome della ricetta contiene il carattere «Ω», che il file delle ricette non può "
               "contenere: va "
               "tolto prima di salvare";
        QTest::newRow("a byte-order mark on Windows-1252 text")
            << "\xEF\xBB\xBF" + edited(name, "\"Ricetta di per\xF2\"") << QString() << QString()
            << "il campo 41 (il nome della ricetta) non è in UTF-8, come il BOM all'inizio del file dice";
        // Each blames what went wrong, not field 37.
        QTest::newRow("quoted words with a comma between them in the notes")
            << edited(notes, "\"Usare \"A\",\"B\"\"") << QString() << QString()
            << "il campo 42 (le note) ha una virgoletta (\") che non si sa se chiude il testo: toglierla con "
               "un editor di testo";
        QTest::newRow("a NUL byte after the last line end")
            << good + QByteArray("\0", 1) << QString() << QString() // the notes hold a line break
            << "dopo la ricetta il file continua alla riga 3 con «\\x00», che non è l'inizio di un'altra "
               "ricetta";
        QTest::newRow("two records without a line break between them")
            << good.trimmed() + good << QString() << QString()
            << "il campo 51 è seguito da un'altra ricetta sulla stessa riga: manca l'a capo tra le due";
        QTest::newRow("a quote in a result field is named by what it holds")
            << edited(",\"404,00\"", ",\"404\"00\"") << "Boilie al latte" << storedNotes
            << "Il peso totale del mix contiene" + saving;
        QTest::newRow("UTF-8 without the mark reads as Windows-1252")
            << edited(name, "\"Ricetta di per\xC3\xB2\"") << "Ricetta di perÃ²" << storedNotes << "";
    }

    void handEditedTexts()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(QString, notes);
        QFETCH(QString, message);
        fillAndCalculate(*sheet);
        const QStringList before = snapshot(*sheet);
        writeAll(path("a-mano.txt"), bytes);
        chooser.openPath = path("a-mano.txt");
        const bool opened = recipecommands::open(*sheet, chooser);
        if (name.isNull()) {
            QVERIFY(!opened);
            QCOMPARE(sink.texts(),
                     QStringList{usertext::aboutFile(messages::kNotARecipe, chooser.openPath, message)});
            QCOMPARE(snapshot(*sheet), before);
            return;
        }
        QVERIFY(opened);
        QCOMPARE(sink.texts(), message.isEmpty()
                                   ? QStringList()
                                   : QStringList{usertext::aboutFile(message, chooser.openPath, {})});
        QCOMPARE(sheet->text(NomeRicetta), name);
        QCOMPARE(sheet->text(Note), notes);

        // Saved, every double quote becomes two apostrophes and the file opens without a word;
        // a character Windows-1252 lacks is refused, as the warning said.
        chooser.savePath = chooser.openPath = path("salvata.txt");
        QCOMPARE(recipecommands::save(*sheet, chooser), !name.contains(u'Ω'));
        if (name.contains(u'Ω'))
            return;
        sink.clear();
        Worksheet fresh;
        fresh.setWarningSink(&sink);
        QVERIFY(recipecommands::open(fresh, chooser));
        QVERIFY(sink.warnings.isEmpty());
        QCOMPARE(fresh.text(NomeRicetta), QString(name).replace(u'"', QStringLiteral("''")));
        QCOMPARE(fresh.text(Note), QString(notes).replace(u'"', QStringLiteral("''")));
    }

    void personalIngredientsInRecipes()
    {
        personal::Library library;
        library.ingredients << personal::Ingredient{"Mix Luca", {"22,5", "8", "45", "3,5", "-1"}, {}};
        sheet->setLibrary(library);
        sheet->select(componente(2), QStringLiteral("Mix Luca"));
        sheet->setText(peso(2), QStringLiteral("200"));
        QVERIFY(calculate(*sheet));
        chooser.savePath = chooser.openPath = path("personale.txt");
        QVERIFY(recipecommands::save(*sheet, chooser));

        Worksheet withLibrary;
        withLibrary.setLibrary(library);
        QVERIFY(recipecommands::open(withLibrary, chooser));
        QCOMPARE(recipefile::recordOf(withLibrary), recipefile::recordOf(*sheet));
        QCOMPARE(withLibrary.text(proteine(2)), QStringLiteral("22,5"));

        Worksheet without;
        without.setWarningSink(&sink);
        QVERIFY(!recipecommands::open(without, chooser));
        QCOMPARE(sink.texts(), QStringList{usertext::aboutFile(messages::unknownIngredient("Mix Luca"),
                                                               chooser.openPath, QString())});
    }

    // A value the input rules refuse opens as if typed: the rule's warning, "0", and
    // the rest of the recipe as stored. Edits and the expected record are "N=text".
    void handEditedValuesOpenThroughTheInputRules_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QStringList>("warnings");
        QTest::addColumn<QStringList>("opened");
        const QString uova = QStringLiteral("ricetta_uova.txt");
        const QString custom = QStringLiteral("ricetta_lf_accenti.txt");
        QTest::newRow("decimal point in grams")
            << uova << QStringList{"14=100.5"} << QStringList{messages::kNotANumber} << QStringList{"14=0"};
        QTest::newRow("egg count with a point")
            << uova << QStringList{"39=1.5"} << QStringList{messages::kNotANumber} << QStringList{"39=0"};
        QTest::newRow("warnings in field order")
            << custom << QStringList{"29=60g", "14=-1", "28=101"}
            << QStringList{messages::kNegative, messages::kOver100, messages::kNotANumber}
            << QStringList{"14=0", "28=0", "29=0"};
        QTest::newRow("negative custom percentage")
            << custom << QStringList{"27=-100"} << QStringList{messages::kNegative} << QStringList{"27=0"};
        QTest::newRow("field 37 is 2: eggs off")
            << custom << QStringList{"37=2"} << QStringList{} << QStringList{"37=0"};
        QTest::newRow("field 37 is 0,0 in quotes: eggs off") // bare, its comma would split it
            << custom << QStringList{"37=\"0,0\""} << QStringList{} << QStringList{"37=0"};
        QTest::newRow("field 37 is 01: the number 1, eggs on")
            << uova << QStringList{"37=01"} << QStringList{} << QStringList{"37=1"};
        QTest::newRow("eggs on without a kind keep their count")
            << uova << QStringList{"38=-", "39=2", "40=0,00"} << QStringList{} << QStringList{};
    }

    void handEditedValuesOpenThroughTheInputRules()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, edits);
        QFETCH(QStringList, warnings);
        QFETCH(QStringList, opened);
        QStringList record = recipefile::decode(readAll(dataFile(file)))->first();
        auto change = [](QStringList &target, const QStringList &changes) {
            for (const QString &edit : changes)
                target[edit.section(u'=', 0, 0).toInt() - 1] = edit.section(u'=', 1);
        };
        change(record, edits);
        writeAll(path("a-mano.txt"), *recipefile::encode(record)); // field 37 is written as it stands

        chooser.openPath = path("a-mano.txt");
        QVERIFY(recipecommands::open(*sheet, chooser));
        // Each rule's own words, then the file and the field the value came from.
        QStringList firstLines;
        for (const QString &text : sink.texts()) {
            firstLines << text.section(u'\n', 0, 0);
            QVERIFY2(text.section(u'\n', 1).startsWith(
                         QStringLiteral("File «%1»: il campo ").arg(chooser.openPath)),
                     qPrintable(text));
        }
        QCOMPARE(firstLines, warnings);
        change(record, opened);
        QCOMPARE(recipefile::recordOf(*sheet), record);
    }

    void quotedEggBoxIsRead()
    {
        QByteArray bytes = readAll(dataFile("ricetta_uova.txt"));
        bytes.replace(",1,\"UOVO", ",\"1\",\"UOVO");
        writeAll(path("virgolette.txt"), bytes);
        chooser.openPath = path("virgolette.txt");
        QVERIFY(recipecommands::open(*sheet, chooser));
        QVERIFY(sheet->eggsChecked());
    }

    // A file that cannot be read is named with the reason; a pipe is refused, never waited on.
    void unreadableAndEmptyFiles()
    {
        QVERIFY(::mkfifo(QFile::encodeName(path("tubo.txt")).constData(), 0600) == 0);
        const std::pair<QString, QString> unreadable[] = {
            {path("non-esiste.txt"), QStringLiteral("il file non esiste")},
            {dir.path(), QStringLiteral("è una cartella")},
            {path("tubo.txt"), QStringLiteral("non è un file normale (è una pipe o un dispositivo)")}};
        for (const auto &[file, reason] : unreadable) {
            sink.clear();
            chooser.openPath = file;
            QVERIFY(!recipecommands::open(*sheet, chooser));
            QCOMPARE(sink.texts(), QStringList{usertext::aboutFile(messages::kCannotRead, file, reason)});
        }

        sink.clear();
        const QStringList before = snapshot(*sheet);
        chooser.openPath = dataFile("vuoto.txt");
        QVERIFY(recipecommands::open(*sheet, chooser));
        QVERIFY(sink.warnings.isEmpty());
        QCOMPARE(snapshot(*sheet), before);
    }

    void cancelledDialogsDoNothing()
    {
        fillAndCalculate(*sheet);
        const QStringList before = snapshot(*sheet);
        const QStringList filesBefore = QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        QVERIFY(!recipecommands::open(*sheet, chooser));
        QVERIFY(!recipecommands::save(*sheet, chooser));
        QCOMPARE(chooser.asked, 2);
        QCOMPARE(snapshot(*sheet), before);
        QVERIFY(sink.warnings.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), filesBefore);
    }

    void saveBeforeCalculationIsRefused()
    {
        chooser.savePath = path("prima.txt");
        QVERIFY(!recipecommands::save(*sheet, chooser));
        fillAndCalculate(*sheet);
        clearWorksheet(*sheet);
        QVERIFY(!recipecommands::save(*sheet, chooser));
        QCOMPARE(sink.texts(), QStringList(2, messages::kSaveBeforeCalculation));
        QCOMPARE(chooser.asked, 0);
        QVERIFY(!QFile::exists(chooser.savePath));
    }

    // Every state the program can save opens again, into a fresh worksheet, to the
    // same 51 texts and without a warning.
    void everySavedStateOpensAgain_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::newRow("eggs ticked after a calculation, kind -, 2 eggs") << Setup([](Worksheet &s) {
            s.select(componente(1), QStringLiteral("ALBUMINA"));
            s.setText(peso(1), QStringLiteral("100"));
            QVERIFY(calculate(s));
            s.setChecked(true);
            s.setText(NumeroUova, QStringLiteral("2"));
        });
        QTest::newRow("eggs unticked and ticked again, 2 eggs") << Setup([](Worksheet &s) {
            fillAndCalculate(s);
            s.setChecked(false);
            s.setChecked(true);
            s.setText(NumeroUova, QStringLiteral("2"));
        });
        QTest::newRow("notes filling the file to its limit") << Setup([](Worksheet &s) {
            fillAndCalculate(s);
            s.setText(Note, QString());
            const qsizetype room =
                recipefile::kMaxFileSize - recipefile::encode(recipefile::recordOf(s))->size();
            s.setText(Note, QString(room, u'n'));
        });
    }

    void everySavedStateOpensAgain()
    {
        QFETCH(Setup, setup);
        setup(*sheet);
        const QStringList saved = recipefile::recordOf(*sheet);
        chooser.savePath = path("di-nuovo.txt");
        QVERIFY(recipecommands::save(*sheet, chooser));
        sink.clear();
        Worksheet fresh;
        fresh.setWarningSink(&sink);
        chooser.openPath = chooser.savePath;
        QVERIFY(recipecommands::open(fresh, chooser));
        QVERIFY(sink.warnings.isEmpty());
        QCOMPARE(recipefile::recordOf(fresh), saved);
    }

    void recipeTooLargeToOpenIsNotSaved()
    {
        fillAndCalculate(*sheet);
        sheet->setText(Note, QString(1100 * 1024, u'n'));
        chooser.savePath = path("enorme.txt");
        QVERIFY(!recipecommands::save(*sheet, chooser));
        // Refused with the file it was meant for and the text to shorten.
        QCOMPARE(sink.texts(),
                 QStringList{usertext::aboutFile(messages::kCannotSave, chooser.savePath,
                                                 QStringLiteral("la ricetta supera 1 MiB, il limite "
                                                                "del file delle ricette: accorciare "
                                                                "le note"))});
        QVERIFY(!QFile::exists(chooser.savePath));
    }

    void doubleQuoteIsWrittenAsTwoApostrophes()
    {
        fillAndCalculate(*sheet);
        sheet->setText(NomeRicetta, QStringLiteral("La \"bomba\""));
        chooser.savePath = path("virgolette.txt");
        QVERIFY(recipecommands::save(*sheet, chooser));
        QVERIFY(readAll(chooser.savePath).contains("\"La ''bomba''\""));
        QCOMPARE(sheet->text(NomeRicetta), QStringLiteral("La \"bomba\""));
    }

    void charactersOutsideTheCodePageAreRefused_data()
    {
        QTest::addColumn<int>("fieldId");
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("named");
        QTest::newRow("recipe name") << int(NomeRicetta) << QStringLiteral("\u03a9")
                                     << "il nome della ricetta contiene il carattere \u00ab\u03a9\u00bb";
        QTest::newRow("notes") << int(Note) << QStringLiteral("\u03a9")
                               << "le note contengono il carattere \u00ab\u03a9\u00bb";
        QTest::newRow("custom name")
            << int(Aggiunta2) << QStringLiteral("\u03a9")
            << "il nome del TREDICESIMO componente contiene il carattere \u00ab\u03a9\u00bb";
        QTest::newRow("an emoji is named whole") << int(Note) << QStringLiteral("\U0001F41F")
                                                 << "le note contengono il carattere \u00ab\U0001F41F\u00bb";
    }

    void charactersOutsideTheCodePageAreRefused()
    {
        QFETCH(int, fieldId);
        QFETCH(QString, character);
        QFETCH(QString, named);
        fillAndCalculate(*sheet);
        sheet->setText(fieldId, QStringLiteral("Carpa ") + character);
        chooser.savePath = path(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".txt"));
        QVERIFY(!recipecommands::save(*sheet, chooser));
        QCOMPARE(sink.texts(),
                 QStringList{usertext::aboutFile(messages::kCannotSave, chooser.savePath,
                                                 named + QStringLiteral(", che il file delle ricette non può "
                                                                        "contenere"))});
        QVERIFY(!QFile::exists(chooser.savePath));

        // The euro sign is in the code page and is kept.
        sink.clear();
        sheet->setText(fieldId, QStringLiteral("5 \u20ac al chilo"));
        QVERIFY(recipecommands::save(*sheet, chooser));
        QVERIFY(readAll(chooser.savePath).contains("5 \x80 al chilo"));
    }

    void failedSaveKeepsTheEarlierFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("diskRoom"); // bytes a file may grow to; 0: no limit
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder")
            << "manca/ricetta.txt" << 0 << QStringLiteral("la cartella «%1» non esiste").arg(path("manca"));
        QTest::newRow("read-only file") << "solalettura.txt" << 0 << "il file è di sola lettura";
        QTest::newRow("a folder of that name") << "cartella" << 0 << "è una cartella";
        QTest::newRow("a file that cannot grow")
            << "vecchia.txt" << 64 << "il file supera la dimensione consentita";
    }

    void failedSaveKeepsTheEarlierFile()
    {
        QFETCH(QString, target);
        QFETCH(int, diskRoom);
        QFETCH(QString, reason);
        const QByteArray earlier("\"vecchia ricetta\"\r\n");
        writeAll(path("solalettura.txt"), earlier);
        writeAll(path("vecchia.txt"), earlier);
        QFile::setPermissions(path("solalettura.txt"), QFileDevice::ReadOwner | QFileDevice::ReadOther);
        QDir(dir.path()).mkpath(QStringLiteral("cartella"));

        fillAndCalculate(*sheet);
        chooser.savePath = path(target);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        if (diskRoom) {
            rlimit small = previous;
            small.rlim_cur = rlim_t(diskRoom);
            setrlimit(RLIMIT_FSIZE, &small);
        }
        const bool saved = recipecommands::save(*sheet, chooser);
        setrlimit(RLIMIT_FSIZE, &previous);
        QVERIFY(!saved);
        QCOMPARE(sink.texts(),
                 QStringList{usertext::aboutFile(messages::kCannotSave, chooser.savePath, reason)});
        QCOMPARE(readAll(path("solalettura.txt")), earlier);
        QCOMPARE(readAll(path("vecchia.txt")), earlier);
        QFile::setPermissions(path("solalettura.txt"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void deviceThatFailsHalfWay()
    {
        fillAndCalculate(*sheet);
        const QByteArray bytes = *recipefile::encode(recipefile::recordOf(*sheet));
        FailDevice device(bytes.size() / 2);
        QVERIFY(device.open(QIODevice::WriteOnly));
        QVERIFY(!recipefile::write(bytes, device));
        FailDevice roomy(bytes.size());
        QVERIFY(roomy.open(QIODevice::WriteOnly));
        QVERIFY(recipefile::write(bytes, roomy));
    }
};

QTEST_APPLESS_MAIN(TestRecipeFile)
#include "tst_recipefile.moc"
