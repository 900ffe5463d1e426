// SPDX-License-Identifier: GPL-3.0-or-later
// The recipe archive without a window: what it lists for a folder of generated recipes
// and of bad files, and how it follows the folder while it changes.
#include "comparison.h"
#include "language.h"
#include "libraryfolder.h"
#include "librarymodel.h"
#include "libraryscan.h"
#include "recipegenerator.h"
#include "recordingsink.h"
#include "session.h"
#include "testfiles.h"

#include <QDir>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

using namespace field;

namespace {

const char kPrices[] = "nome;proteine;grassi;carboidrati;digeribilita;legante;prezzo\n"
                       "ALBUMINA;;;;;;12\nFARINA DI AVENA;;;;;;2,1\nSEMOLINO;;;;;;1,5\n"
                       "UOVO INTERO GALLINA;;;;;;0,3\n";

// Every file of a folder with its bytes and date: what "only reads" must leave alone.
QMap<QString, QPair<QByteArray, QDateTime>> snapshot(const QString &folder)
{
    QMap<QString, QPair<QByteArray, QDateTime>> files;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot))
        files.insert(info.fileName(), {readAll(info.filePath()), info.lastModified()});
    return files;
}

// The entry of that path; a name ending in "*" is a prefix.
const library::Entry *find(const QList<library::Entry> &entries, const QString &name)
{
    for (const library::Entry &entry : entries)
        if (entry.relativePath == name ||
            (name.endsWith(u'*') && entry.relativePath.startsWith(name.chopped(1))))
            return &entry;
    return nullptr;
}

QStringList resultTexts(const Worksheet &w)
{
    return {w.text(RisPeso),
            w.text(RisProteinePercentuale),
            w.text(RisGrassiPercentuale),
            w.text(RisCarboidratiPercentuale),
            w.text(RisDigeribilita),
            w.text(RisProprietaLegante)};
}

QStringList listedTexts(const library::Entry &entry)
{
    QStringList texts;
    for (int column :
         {LibraryModel::WeightColumn, LibraryModel::ProteinColumn, LibraryModel::FatColumn,
          LibraryModel::CarboColumn, LibraryModel::DigestibilityColumn, LibraryModel::BinderColumn})
        texts.append(LibraryModel::cellText(entry, column));
    return texts;
}

QStringList storedTexts(const QString &path)
{
    const auto records = recipefile::decode(readAll(path));
    if (!records || records->isEmpty())
        return {};
    const QStringList &r = records->last();
    return {r[39], r[42], r[43], r[44], r[45], r[46], r[47], r[48], r[49], r[50]};
}

// Folders nested until their path passes what the system takes (PATH_MAX), made and
// removed from inside, step by step, as no path from outside reaches the deepest.
void makeLongPath(const QString &top, bool make)
{
    constexpr int kDepth = 25; // of 200 letters each: 5,000 bytes
    const QByteArray name(200, 'c');
    const QString start = QDir::currentPath();
    QDir().mkpath(top);
    QVERIFY(::chdir(QFile::encodeName(top).constData()) == 0);
    int depth = 0;
    for (; depth < kDepth; ++depth) {
        if (make)
            ::mkdir(name.constData(), 0700);
        if (::chdir(name.constData()) != 0)
            break;
    }
    for (; depth > 0; --depth) {
        QVERIFY(::chdir("..") == 0);
        if (!make)
            ::rmdir(name.constData());
    }
    QDir::setCurrent(start);
}

} // namespace

class TestLibrary : public QObject
{
    Q_OBJECT

    QTemporaryDir scratch;

    personal::Library prices()
    {
        const QString path = scratch.filePath(QStringLiteral("prezzi.csv"));
        writeAll(path, kPrices);
        RecordingSink sink;
        Session session(sink);
        session.loadLibrary(path);
        return session.worksheet().library();
    }

private slots:
    // Every listed figure is what "Calcola" shows after "Apri", over many recipes.
    void figuresAreThoseOfCalcolaAfterApri()
    {
        QTemporaryDir folder;
        QRandomGenerator rng(29);
        QHash<QString, bool> fresh;
        for (int k = 0; k < 300; ++k) {
            const QString name = QStringLiteral("r%1.txt").arg(k, 3, 10, QLatin1Char('0'));
            fresh.insert(name, recipegenerator::write(rng, folder.filePath(name),
                                                      QStringLiteral("Ricetta %1").arg(k)));
        }
        const auto before = snapshot(folder.path());
        QString problem;
        const QList<library::Entry> entries = library::scanAll(folder.path(), prices(), &problem);
        QVERIFY(problem.isEmpty());
        QCOMPARE(entries.size(), 300);
        writeAll(scratch.filePath(QStringLiteral("prezzi.csv")), kPrices);
        for (const library::Entry &entry : entries) {
            RecordingSink sink;
            Session session(sink);
            session.loadLibrary(scratch.filePath(QStringLiteral("prezzi.csv")));
            QVERIFY(session.open(entry.path));
            const QStringList stored = storedTexts(entry.path);
            QVERIFY(session.calculate());
            const Calculation &calc = *session.lastCalculation();
            QCOMPARE(listedTexts(entry), resultTexts(session.worksheet()));
            QCOMPARE(entry.recipeName, session.worksheet().text(NomeRicetta));
            for (size_t k = 0; k < 3; ++k)
                QCOMPARE(entry.verdicts[k], calc.balance[k].verdict);
            QCOMPARE(entry.cost.missingPrice, calc.cost.missingPrice);
            QCOMPARE(entry.cost.perKg, calc.cost.perKg);
            const Worksheet &w = session.worksheet();
            const QStringList shown{w.text(peso(kEggRow)),        w.text(RisProteinePercentuale),
                                    w.text(RisGrassiPercentuale), w.text(RisCarboidratiPercentuale),
                                    w.text(RisProteineGrammi),    w.text(RisGrassiGrammi),
                                    w.text(RisCarboidratiGrammi), w.text(RisDigeribilita),
                                    w.text(RisProprietaLegante),  w.text(RisPeso)};
            QCOMPARE(entry.stale, shown != stored);
            QCOMPARE(entry.stale, !fresh.value(entry.relativePath));
        }
        QCOMPARE(snapshot(folder.path()), before);
    }

    // Files that are no recipe are listed with the reason "Apri" would give, never waited on.
    void badFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not a recipe") << "appunti.txt"
                                      << "la ricetta finisce dopo";
        QTest::newRow("over 1 MiB") << "grande.txt"
                                    << "il file supera 1 MiB";
        QTest::newRow("named pipe") << "tubo.txt"
                                    << "è una pipe o un dispositivo";
        QTest::newRow("device") << "dispositivo.txt"
                                << "è una pipe o un dispositivo";
        QTest::newRow("symbolic-link loop") << "anello.txt"
                                            << "rimanda a sé stesso";
        QTest::newRow("dangling link") << "perso.txt"
                                       << "punta a un file che non esiste";
        QTest::newRow("unknown ingredient") << "luna.txt"
                                            << "FARINA DI LUNA";
        QTest::newRow("name not in UTF-8") << QStringLiteral("caff\uFFFD.txt") << "non è in UTF-8";
        // Subfolders that cannot be walked are listed, so no recipe in them goes missing unsaid.
        QTest::newRow("folder name not in UTF-8")
            << QStringLiteral("stagione\uFFFD/") << "il nome della cartella non è in UTF-8";
        QTest::newRow("path too long") << "lungo/*"
                                       << "troppo lungo";
        if (geteuid() != 0) { // root reads any file
            QTest::newRow("unreadable") << "chiuso.txt"
                                        << "permesso negato";
            QTest::newRow("folder without permission") << "chiusa/"
                                                       << "Impossibile leggere la cartella\nCartella «";
            QTest::newRow("folder not searchable") << "cieca/r.txt"
                                                   << "permesso negato in una cartella del percorso";
        }
    }
    void badFiles()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QDir dir(folder.path());
        writeAll(dir.filePath(QStringLiteral("appunti.txt")), "comprare esche\r\n");
        writeAll(dir.filePath(QStringLiteral("grande.txt")), QByteArray(1024 * 1024 + 1, 'x'));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("tubo.txt"))).constData(), 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("dispositivo.txt"))));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("anello.txt")),
                            dir.filePath(QStringLiteral("anello.txt"))));
        QVERIFY(
            QFile::link(dir.filePath(QStringLiteral("manca")), dir.filePath(QStringLiteral("perso.txt"))));
        QVERIFY(QFile::copy(dataFile(QStringLiteral("campo3_sconosciuto.txt")),
                            dir.filePath(QStringLiteral("luna.txt"))));
        // "caffè" in Latin-1: a byte that UTF-8 cannot read.
        const QByteArray latin1 = QFile::encodeName(folder.path()) + "/caff\xe8.txt";
        FILE *raw = std::fopen(latin1.constData(), "w");
        QVERIFY(raw);
        std::fclose(raw);
        writeAll(dir.filePath(QStringLiteral("chiuso.txt")), "x");
        QFile::setPermissions(dir.filePath(QStringLiteral("chiuso.txt")), {});
        QVERIFY(::mkdir((QFile::encodeName(folder.path()) + "/stagione\xe8").constData(), 0700) == 0);
        for (const char *sub : {"chiusa", "cieca"})
            QVERIFY(dir.mkdir(QLatin1String(sub)));
        writeAll(dir.filePath(QStringLiteral("cieca/r.txt")), "x");
        QFile::setPermissions(dir.filePath(QStringLiteral("chiusa")), {});
        QFile::setPermissions(dir.filePath(QStringLiteral("cieca")), QFile::ReadOwner);
        makeLongPath(dir.filePath(QStringLiteral("lungo")), true);
        QFile::copy(dataFile(QStringLiteral("ricetta_uova.txt")), dir.filePath(QStringLiteral("buona.txt")));

        QString problem;
        const QList<library::Entry> entries = library::scanAll(folder.path(), prices(), &problem);
        QFile::setPermissions(dir.filePath(QStringLiteral("chiuso.txt")),
                              QFile::ReadOwner | QFile::WriteOwner);
        for (const char *sub : {"chiusa", "cieca"})
            QFile::setPermissions(dir.filePath(QLatin1String(sub)),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        std::remove(latin1.constData()); // QTemporaryDir cannot see it either
        ::rmdir((QFile::encodeName(folder.path()) + "/stagione\xe8").constData());
        makeLongPath(dir.filePath(QStringLiteral("lungo")), false);
        const library::Entry *entry = find(entries, name);
        QVERIFY2(entry, qPrintable(name));
        QVERIFY(!entry->isRecipe());
        QVERIFY2(entry->refusal.contains(reason), qPrintable(entry->refusal));
        QVERIFY(find(entries, QStringLiteral("buona.txt"))->isRecipe());
    }

    // A link back up the tree is walked once; every recipe file is listed once.
    void linkedFoldersAreWalkedOnce()
    {
        QTemporaryDir folder;
        QDir dir(folder.path());
        QVERIFY(dir.mkpath(QStringLiteral("inverno/vecchie")));
        QFile::copy(dataFile(QStringLiteral("ricetta_uova.txt")), dir.filePath(QStringLiteral("a.txt")));
        // A name in capitals, as some systems write it, is a recipe; another ending is not.
        QFile::copy(dataFile(QStringLiteral("ricetta_uova.txt")),
                    dir.filePath(QStringLiteral("inverno/vecchie/B.TXT")));
        QFile::copy(dataFile(QStringLiteral("ricetta_uova.txt")), dir.filePath(QStringLiteral("a.txt.bak")));
        QVERIFY(QFile::link(folder.path(), dir.filePath(QStringLiteral("inverno/vecchie/su"))));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("inverno")),
                            dir.filePath(QStringLiteral("anche_inverno"))));
        QString problem;
        const QList<library::Entry> entries = library::scanAll(folder.path(), {}, &problem);
        QStringList names;
        for (const library::Entry &entry : entries)
            names.append(entry.relativePath);
        names.sort();
        QCOMPARE(names,
                 QStringList({QStringLiteral("a.txt"), QStringLiteral("anche_inverno/vecchie/B.TXT")}));
    }

    // A walk told to stop reads no further folder: closing the library ends it at once,
    // however deep the tree.
    void aCancelledWalkStops()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("a/b")));
        QFile::copy(dataFile(QStringLiteral("ricetta_uova.txt")),
                    folder.filePath(QStringLiteral("a/b/r.txt")));
        std::atomic<bool> cancel{false};
        QCOMPARE(library::listFolder(folder.path(), &cancel).files.size(), 1);
        cancel = true;
        const library::Listing cut = library::listFolder(folder.path(), &cancel);
        QVERIFY(cut.files.isEmpty() && cut.folders.isEmpty());
    }

    // A recipe saved before any "Calcola" has no results to compare: "nessuno", not
    // "diversi" as if it were out of date.
    void savedWithoutResultsIsNotStale()
    {
        QTemporaryDir folder;
        QByteArray bytes = readAll(dataFile(QStringLiteral("ricetta_uova.txt")));
        const QByteArray notesEnd = "Conservare in freezer\"";
        bytes =
            bytes.left(bytes.indexOf(notesEnd) + notesEnd.size()) + QByteArray(",\"\"").repeated(9) + "\r\n";
        writeAll(folder.filePath(QStringLiteral("mai.txt")), bytes);
        writeAll(folder.filePath(QStringLiteral("uova.txt")),
                 readAll(dataFile(QStringLiteral("ricetta_uova.txt"))));
        const QList<library::Entry> entries = library::scanAll(folder.path(), {}, nullptr);
        QCOMPARE(entries.size(), 2);
        const library::Entry &never = *find(entries, QStringLiteral("mai.txt"));
        QVERIFY(never.isRecipe() && never.calculated() && !never.stale);
        QCOMPARE(LibraryModel::cellText(never, LibraryModel::StoredColumn), QStringLiteral("nessuno"));
        QCOMPARE(
            LibraryModel::cellText(*find(entries, QStringLiteral("uova.txt")), LibraryModel::StoredColumn),
            QStringLiteral("uguali"));
    }

    // The comparison's text chart says a share out of range in words: an overshoot smaller
    // than one character of the bar still shows; the range's edges are in range.
    void textChartSaysTheVerdict_data()
    {
        QTest::addColumn<double>("share");
        QTest::addColumn<QString>("ending");
        QTest::newRow("just above") << 8.08 << "8,08% sopra";
        QTest::newRow("just below") << 2.99 << "2,99% sotto";
        QTest::newRow("the low edge") << 3.0 << "3,00%";
        QTest::newRow("the high edge") << 8.0 << "8,00%";
    }
    void textChartSaysTheVerdict()
    {
        QFETCH(double, share);
        QFETCH(QString, ending);
        comparison::Table table;
        table.titles = QStringList{QStringLiteral("A")};
        table.files = QStringList{QStringLiteral("a.txt")};
        const comparison::Bar bar{QStringLiteral("Grassi"), {3, 8}, {share}};
        const QStringList lines = comparison::textLines(table, {bar});
        QVERIFY2(lines.last().endsWith(u'\t' + ending) || lines.last().endsWith(u' ' + ending),
                 qPrintable(lines.last()));
        QVERIFY(!lines.last().endsWith(ending + QStringLiteral(" sopra")));
    }

    void missingFolderIsAProblem()
    {
        QString problem;
        QVERIFY(library::scanAll(scratch.filePath(QStringLiteral("non_ce")), {}, &problem).isEmpty());
        QVERIFY(problem.contains(QStringLiteral("non esiste")));
    }

    void filterMatchesNameFileNotesAndIngredients_data()
    {
        QTest::addColumn<QString>("needle");
        QTest::addColumn<bool>("found");
        QTest::newRow("ingredient, other case") << "semolino" << true;
        QTest::newRow("egg kind") << "UOVO INTERO" << false;
        QTest::newRow("recipe name") << "magro" << true;
        QTest::newRow("file name") << "sbilanciata" << true;
        QTest::newRow("nothing") << "MAIS" << false;
        QTest::newRow("empty filter") << "" << true;
    }
    void filterMatchesNameFileNotesAndIngredients()
    {
        QFETCH(QString, needle);
        QFETCH(bool, found);
        const library::Entry entry = library::readEntry(dataFile(QStringLiteral("ricetta_sbilanciata.txt")),
                                                        QStringLiteral(VORNAK_TEST_DATA), {});
        QVERIFY(entry.isRecipe());
        QCOMPARE(library::matches(entry, needle), found);
    }

    // In English the filter finds an ingredient by the name shown as well as by the
    // Italian one kept in the file.
    void filterMatchesTheShownNames_data()
    {
        QTest::addColumn<QString>("needle");
        QTest::addColumn<bool>("found");
        QTest::newRow("English name") << "oat flour" << true;
        QTest::newRow("English name, in part") << "SEMOLINA" << true;
        QTest::newRow("Italian name") << "farina di avena" << true;
        QTest::newRow("nothing") << "maize" << false;
    }
    void filterMatchesTheShownNames()
    {
        QFETCH(QString, needle);
        QFETCH(bool, found);
        const library::Entry entry = library::readEntry(dataFile(QStringLiteral("ricetta_sbilanciata.txt")),
                                                        QStringLiteral(VORNAK_TEST_DATA), {});
        language::install(language::Language::English);
        const bool matched = library::matches(entry, needle);
        language::install(language::Language::Italian);
        QCOMPARE(matched, found);
    }

    // Recipes leaving the folder, a few or hundreds, in runs or scattered: the list keeps
    // exactly the rest, each row where the model's index says, and a sorted view agrees.
    void theListKeepsExactlyWhatStays_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("step"); // every step-th file from `from` on leaves
        QTest::newRow("the last ten") << 100 << 90 << 1;
        QTest::newRow("a few scattered") << 100 << 3 << 20;
        QTest::newRow("every other of 400") << 400 << 0 << 2;
        QTest::newRow("all") << 100 << 0 << 1;
    }

    void theListKeepsExactlyWhatStays()
    {
        QFETCH(int, count);
        QFETCH(int, from);
        QFETCH(int, step);
        QTemporaryDir folder, away;
        QRandomGenerator rng(11);
        QStringList staying;
        for (int k = 0; k < count; ++k) {
            const QString name = QStringLiteral("r%1.txt").arg(k, 3, 10, QLatin1Char('0'));
            recipegenerator::write(rng, QDir(folder.path()).filePath(name), name);
            if (k < from || (k - from) % step != 0)
                staying.append(name);
        }
        LibraryModel model;
        QSortFilterProxyModel view;
        view.setSourceModel(&model);
        view.sort(LibraryModel::FileColumn);
        QSignalSpy listed(&model, &LibraryModel::listed);
        model.setFolder(folder.path());
        QTRY_VERIFY(!listed.isEmpty());
        QCOMPARE(model.rowCount(), count);
        for (int k = from; k < count; k += step) {
            const QString name = QStringLiteral("r%1.txt").arg(k, 3, 10, QLatin1Char('0'));
            QVERIFY(QFile::rename(QDir(folder.path()).filePath(name), QDir(away.path()).filePath(name)));
        }
        QTRY_COMPARE(model.rowCount(), int(staying.size()));
        QTRY_VERIFY(!model.busy());
        QStringList shown;
        for (int row = 0; row < view.rowCount(); ++row)
            shown.append(view.index(row, LibraryModel::FileColumn).data().toString());
        QCOMPARE(shown, staying);
        for (int row = 0; row < model.rowCount(); ++row)
            QCOMPARE(model.rowOf(model.entry(row).path), row);
    }

    // The model fills from its thread and follows the folder: saved, renamed, removed.
    void modelFollowsTheFolder()
    {
        QTemporaryDir folder;
        QDir dir(folder.path());
        QRandomGenerator rng(7);
        for (int k = 0; k < 20; ++k)
            recipegenerator::write(rng, dir.filePath(QStringLiteral("m%1.txt").arg(k)),
                                   QStringLiteral("M%1").arg(k));
        LibraryModel model;
        QSignalSpy listed(&model, &LibraryModel::listed);
        model.setFolder(folder.path());
        QTRY_VERIFY(!listed.isEmpty());
        QCOMPARE(model.rowCount(), 20);
        auto names = [&model] {
            QStringList out;
            for (const library::Entry &e : model.entries())
                out.append(e.relativePath);
            out.sort();
            return out;
        };
        QFile::copy(dataFile(QStringLiteral("ricetta_sbilanciata.txt")),
                    dir.filePath(QStringLiteral("nuova.txt")));
        QTRY_VERIFY(names().contains(QStringLiteral("nuova.txt")));
        QVERIFY(dir.rename(QStringLiteral("nuova.txt"), QStringLiteral("rinominata.txt")));
        QTRY_VERIFY(names().contains(QStringLiteral("rinominata.txt")) &&
                    !names().contains(QStringLiteral("nuova.txt")));
        QVERIFY(dir.remove(QStringLiteral("m3.txt")));
        QTRY_VERIFY(!names().contains(QStringLiteral("m3.txt")));
        QCOMPARE(model.rowCount(), 20);
        // Saved again under the same name, as "Salva " does: the row follows.
        QFile::remove(dir.filePath(QStringLiteral("m4.txt")));
        QFile::copy(dataFile(QStringLiteral("ricetta_sbilanciata.txt")),
                    dir.filePath(QStringLiteral("m4.txt")));
        QTRY_VERIFY(std::any_of(model.entries().begin(), model.entries().end(), [](const library::Entry &e) {
            return e.relativePath == QStringLiteral("m4.txt") && e.recipeName == QStringLiteral("Mix magro");
        }));
        // Written over in place, as an editor may do: the row follows too.
        writeAll(dir.filePath(QStringLiteral("m5.txt")),
                 readAll(dataFile(QStringLiteral("ricetta_uova.txt"))));
        QTRY_VERIFY(std::any_of(model.entries().begin(), model.entries().end(), [](const library::Entry &e) {
            return e.relativePath == QStringLiteral("m5.txt") &&
                   e.recipeName == QStringLiteral("Boilie al latte");
        }));
        QSignalSpy gone(&model, &LibraryModel::folderProblem);
        QVERIFY(dir.removeRecursively());
        QTRY_VERIFY(!gone.isEmpty());
        QCOMPARE(model.rowCount(), 0);
    }

    // The folder itself renamed: the list says so with its path and empties, rather than
    // showing recipes that are no longer where it says; named back, it lists them again.
    void aRenamedFolderIsSaid()
    {
        QTemporaryDir parent;
        const QString folder = parent.filePath(QStringLiteral("ricette"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::copy(dataFile(QStringLiteral("ricetta_uova.txt")), folder + QStringLiteral("/a.txt")));
        LibraryModel model;
        QSignalSpy listed(&model, &LibraryModel::listed);
        model.setFolder(folder);
        QTRY_VERIFY(!listed.isEmpty());
        QCOMPARE(model.rowCount(), 1);
        QSignalSpy gone(&model, &LibraryModel::folderProblem);
        QVERIFY(QDir(parent.path()).rename(QStringLiteral("ricette"), QStringLiteral("vecchie")));
        QTRY_VERIFY(!gone.isEmpty());
        QVERIFY(gone.first().first().toString().contains(folder));
        QCOMPARE(model.rowCount(), 0);
        // Back under its name, it is listed again.
        QVERIFY(QDir(parent.path()).rename(QStringLiteral("vecchie"), QStringLiteral("ricette")));
        QTRY_COMPARE(model.rowCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestLibrary)
#include "tst_library.moc"
