// SPDX-License-Identifier: GPL-3.0-or-later
#include "archivecommands.h"

#include "cliwords.h"
#include "comparison.h"
#include "csvrecords.h"
#include "libraryfilter.h"
#include "librarymodel.h"
#include "libraryscan.h"
#include "librarytexts.h"
#include "listargs.h"
#include "messages.h"
#include "numbers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace archivecommands {

namespace {

enum Exit
{
    Success = 0,
    Refused = 1,
    BadFile = 2
};

// For spreadsheets: the same names in every language.
const char *const kCsvColumns[LibraryModel::ColumnCount] = {
    "file",         "ricetta", "modificata", "peso_totale", "proteine",          "grassi",    "carboidrati",
    "digeribilita", "legante", "bilancio",   "costo_kg",    "risultati_salvati", "stesso_mix"};

// The cost as a number for a spreadsheet; the missing price as the window says it.
QString csvCell(const library::Entry &entry, int column)
{
    if (column == LibraryModel::CostColumn && entry.calculated() && entry.cost.missingPrice.isEmpty() &&
        !entry.cost.tooLarge)
        return numbers::twoDecimals(entry.cost.perKg);
    return LibraryModel::cellText(entry, column);
}

void warn(const QString &text)
{
    QTextStream(stderr) << messages::kTitle << ": " << library::oneLine(text) << '\n';
}

} // namespace

int list(const QStringList &args, const personal::Library &ingredients, const Usage &usage)
{
    ListArgs parsed;
    if (const QString problem = parseListArgs(args, parsed); !problem.isEmpty())
        return usage(problem);
    const QString folder = parsed.folder.isEmpty() ? QDir::currentPath() : parsed.folder;
    QString problem;
    QList<library::Entry> entries = library::scanAll(folder, ingredients, &problem);
    if (!problem.isEmpty()) {
        warn(QCoreApplication::translate("ArchiveCommands", "Impossibile leggere la cartella: ") + problem);
        return BadFile;
    }
    std::sort(entries.begin(), entries.end(),
              [](const auto &a, const auto &b) { return a.relativePath < b.relativePath; });
    QFile out;
    (void)out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (parsed.csv) {
        // As ingredienti.csv is written: the mark, and the guard against formulas.
        QStringList names;
        for (const char *name : kCsvColumns)
            names.append(QString::fromLatin1(name));
        out.write(csvrecords::kByteOrderMark + csvrecords::line(names));
    }
    library::markSameMixes(entries); // among every recipe of the folder, shown or not
    for (const library::Entry &entry : entries) {
        if (!entry.isRecipe()) {
            warn(entry.refusal);
            continue;
        }
        if (!library::accepts(parsed.filter, entry))
            continue;
        QStringList cells;
        for (int column = 0; column < LibraryModel::ColumnCount; ++column)
            cells.append(parsed.csv ? csvCell(entry, column) : LibraryModel::cellText(entry, column));
        out.write(parsed.csv ? csvrecords::line(cells) : (cells.join(u'\t') + u'\n').toUtf8());
    }
    return Success;
}

int compare(const QStringList &args, const personal::Library &ingredients, const Usage &usage)
{
    for (const QString &arg : args)
        if (arg.startsWith(u'-') && arg.size() > 1)
            return usage(cliwords::unknownOption(arg));
    if (!comparison::countAllowed(args.size()))
        return usage(
            QCoreApplication::translate("ArchiveCommands", "compare vuole da 2 a 4 file di ricette"));
    QList<library::Entry> entries;
    for (const QString &path : args)
        entries.append(library::readEntry(path, QFileInfo(path).absolutePath(), ingredients));
    if (const QString refusal = comparison::refusal(entries); !refusal.isEmpty()) {
        warn(refusal);
        const bool notRecipe =
            std::any_of(entries.begin(), entries.end(), [](const auto &e) { return !e.isRecipe(); });
        return notRecipe ? BadFile : Refused;
    }
    QTextStream out(stdout);
    const comparison::Table table = comparison::build(entries);
    for (const QString &line : comparison::textLines(table, comparison::bars(entries)))
        out << line << '\n';
    return Success;
}

} // namespace archivecommands
