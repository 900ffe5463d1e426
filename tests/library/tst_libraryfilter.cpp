// SPDX-License-Identifier: GPL-3.0-or-later
// The library's filters over a folder of generated recipes: what each choice keeps, and
// which recipes repeat another's ingredients and grams.
#include "libraryfilter.h"
#include "librarymodel.h"
#include "libraryscan.h"
#include "numbers.h"
#include "recipegenerator.h"
#include "recordingsink.h"
#include "session.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using library::BalanceChoice;
using library::Entry;

namespace {

struct Row
{
    int row;
    const char *name;
    const char *grams;
};

// A recipe of the rows given, saved after "Calcola".
void writeRecipe(const QString &path, const QString &name, std::initializer_list<Row> rows, int eggs = 0)
{
    recipegenerator::QuietSink sink;
    Worksheet w;
    w.setWarningSink(&sink);
    for (const Row &row : rows) {
        w.select(field::componente(row.row), QString::fromUtf8(row.name));
        w.setText(field::peso(row.row), QString::fromUtf8(row.grams));
    }
    if (eggs) {
        w.setChecked(true);
        w.select(field::componente(field::kEggRow), catalogue::eggEntries().at(1));
        w.setText(field::NumeroUova, QString::number(eggs));
    }
    w.setText(field::NomeRicetta, name);
    calculate(w);
    writeAll(path, *recipefile::encode(recipefile::recordOf(w)));
}

QStringList files(const QList<Entry> &entries, const library::Filter &filter)
{
    QStringList names;
    for (const Entry &entry : entries)
        if (entry.isRecipe() && library::accepts(filter, entry))
            names.append(entry.relativePath);
    names.sort();
    return names;
}

// The cost per kg the list shows, or nothing.
std::optional<double> shownCost(const Entry &entry)
{
    const QString text = LibraryModel::cellText(entry, LibraryModel::CostColumn);
    if (!text.endsWith(QStringLiteral(" €/kg")))
        return std::nullopt;
    return numbers::toNumber(text.chopped(5));
}

} // namespace

class TestLibraryFilter : public QObject
{
    Q_OBJECT

    QTemporaryDir folder;
    QList<Entry> entries;

private slots:
    void initTestCase()
    {
        QRandomGenerator rng(41);
        for (int k = 0; k < 200; ++k)
            recipegenerator::write(rng, folder.filePath(QStringLiteral("r%1.txt").arg(k)),
                                   QStringLiteral("Ricetta %1").arg(k));
        const QString pricesPath = folder.filePath(QStringLiteral("prezzi.csv"));
        QString prices = QStringLiteral("nome;proteine;grassi;carboidrati;digeribilita;legante;prezzo\n");
        int cents = 90;
        for (const QString &name : catalogue::ingredientEntries().mid(1))
            prices += name + QStringLiteral(";;;;;;%1\n").arg(numbers::twoDecimals((cents += 37) / 100.0));
        writeAll(pricesPath, prices.toUtf8());
        RecordingSink sink;
        Session session(sink);
        session.loadLibrary(pricesPath);
        QString problem;
        entries = library::scanAll(folder.path(), session.worksheet().library(), &problem);
        QVERIFY(problem.isEmpty());
    }

    // Balanced and out of range split the calculated recipes in two; each share out of
    // range is a part of out of range, and together they make it up.
    void balanceChoicesSplitTheRecipes()
    {
        const auto with = [this](BalanceChoice choice) {
            library::Filter filter;
            filter.balance = choice;
            return files(entries, filter);
        };
        QStringList calculated;
        for (const Entry &entry : std::as_const(entries))
            if (entry.calculated())
                calculated.append(entry.relativePath);
        calculated.sort();
        const QStringList balanced = with(BalanceChoice::Balanced), out = with(BalanceChoice::OutOfRange);
        QVERIFY(!balanced.isEmpty() && !out.isEmpty());
        QStringList both = balanced + out;
        both.sort();
        QCOMPARE(both, calculated);
        QSet<QString> parts;
        for (BalanceChoice share :
             {BalanceChoice::ProteinOut, BalanceChoice::CarboOut, BalanceChoice::FatOut}) {
            const QStringList some = with(share);
            QVERIFY(!some.isEmpty());
            for (const QString &name : some)
                QVERIFY2(out.contains(name), qPrintable(name));
            parts.unite(QSet<QString>(some.begin(), some.end()));
        }
        QCOMPARE(parts, QSet<QString>(out.begin(), out.end()));
        // Each kept recipe's balance line names the share the choice is about.
        library::Filter fat;
        fat.balance = BalanceChoice::FatOut;
        for (const Entry &entry : std::as_const(entries))
            if (entry.isRecipe() && library::accepts(fat, entry))
                QVERIFY(LibraryModel::cellText(entry, LibraryModel::BalanceColumn)
                            .contains(QStringLiteral("Grassi")));
    }

    // A cost range keeps exactly the recipes whose shown cost lies in it, edges included;
    // recipes without a cost only when no edge is set.
    void costRangeKeepsWhatTheListShows_data()
    {
        QTest::addColumn<int>("fromRank"); // -1: no edge; else the edge is the cost of that rank
        QTest::addColumn<int>("toRank");
        QTest::newRow("no edges") << -1 << -1;
        QTest::newRow("from the cheapest") << 0 << -1;
        QTest::newRow("up to the tenth") << -1 << 9;
        QTest::newRow("one cost exactly") << 20 << 20;
        QTest::newRow("a middle band") << 5 << 40;
    }
    void costRangeKeepsWhatTheListShows()
    {
        QFETCH(int, fromRank);
        QFETCH(int, toRank);
        QList<double> costs;
        for (const Entry &entry : std::as_const(entries))
            if (const auto cost = shownCost(entry))
                costs.append(*cost);
        std::sort(costs.begin(), costs.end());
        QVERIFY(costs.size() > 40);
        library::Filter filter;
        if (fromRank >= 0)
            filter.costFrom = costs[fromRank];
        if (toRank >= 0)
            filter.costTo = costs[toRank];
        for (const Entry &entry : std::as_const(entries)) {
            if (!entry.isRecipe())
                continue;
            const std::optional<double> cost = shownCost(entry);
            const bool inside = fromRank < 0 && toRank < 0
                                    ? true
                                    : cost && (fromRank < 0 || *cost >= costs[fromRank]) &&
                                          (toRank < 0 || *cost <= costs[toRank]);
            QCOMPARE(library::accepts(filter, entry), inside);
        }
    }

    // The same ingredients and grams under another name, in other rows or split over two
    // rows, are one mix; a gram or an egg more is another.
    void sameMixWhateverTheRowsAndName()
    {
        QTemporaryDir dir;
        writeRecipe(dir.filePath(QStringLiteral("a.txt")), QStringLiteral("Primo"),
                    {{1, "SEMOLINO", "300"}, {2, "CASEINA", "200"}}, 2);
        writeRecipe(dir.filePath(QStringLiteral("b.txt")), QStringLiteral("Secondo"),
                    {{1, "CASEINA", "200"}, {5, "SEMOLINO", "300"}}, 2);
        writeRecipe(dir.filePath(QStringLiteral("c.txt")), QStringLiteral("Terzo"),
                    {{1, "SEMOLINO", "100"}, {2, "CASEINA", "200"}, {3, "SEMOLINO", "200"}}, 2);
        writeRecipe(dir.filePath(QStringLiteral("d.txt")), QStringLiteral("Primo"),
                    {{1, "SEMOLINO", "301"}, {2, "CASEINA", "200"}}, 2);
        writeRecipe(dir.filePath(QStringLiteral("e.txt")), QStringLiteral("Primo"),
                    {{1, "SEMOLINO", "300"}, {2, "CASEINA", "200"}}, 3);
        QString problem;
        QList<Entry> listed = library::scanAll(dir.path(), {}, &problem);
        const QList<int> changed = library::markSameMixes(listed);
        QCOMPARE(changed.size(), 3);
        library::Filter same;
        same.sameMixOnly = true;
        QCOMPARE(files(listed, same), (QStringList{"a.txt", "b.txt", "c.txt"}));
        QStringList shown;
        for (const Entry &entry : std::as_const(listed))
            shown.append(entry.relativePath + u'=' +
                         LibraryModel::cellText(entry, LibraryModel::SameMixColumn));
        shown.sort();
        QCOMPARE(shown,
                 (QStringList{"a.txt=a.txt (3)", "b.txt=a.txt (3)", "c.txt=a.txt (3)", "d.txt=", "e.txt="}));
        QVERIFY(library::markSameMixes(listed).isEmpty()); // nothing new: nothing changed

        // A custom row of one name and grams but other values is another ingredient.
        Entry own = listed.first(), other = listed.first();
        own.rows[11] = CalculatedRow{QStringLiteral("Pastura di casa"), 100, 20, 5, 40, 3, 2};
        other.rows[11] = CalculatedRow{QStringLiteral("Pastura di casa"), 100, 8, 5, 40, 3, 2};
        QVERIFY(library::mixKey(own) != library::mixKey(other));
        other.rows[11].protein = 20;
        QCOMPARE(library::mixKey(own), library::mixKey(other));
    }
};

QTEST_GUILESS_MAIN(TestLibraryFilter)
#include "tst_libraryfilter.moc"
