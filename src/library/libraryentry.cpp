// SPDX-License-Identifier: GPL-3.0-or-later
#include "libraryentry.h"

#include "calculation.h"
#include "catalogue.h"
#include "libraryfilter.h"
#include "messages.h"
#include "numbers.h"
#include "recipecommands.h"
#include "recipefile.h"
#include "recipemessages.h"
#include "usertext.h"
#include "warnings.h"
#include "worksheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace library {

namespace {

// Keeps what "Apri" and "Calcola" would have shown in boxes.
class CollectingSink : public WarningSink
{
public:
    void warn(const QString &, const QString &text) override { texts.append(text); }
    QStringList texts;
};

// The egg weight and the nine results as the worksheet shows them.
QStringList shownResults(const Worksheet &worksheet)
{
    QStringList texts{worksheet.text(field::peso(field::kEggRow))};
    for (FieldId id : field::kResultsInClearOrder)
        texts.append(worksheet.text(id));
    return texts;
}

void describe(Entry &entry, const Worksheet &worksheet)
{
    const QStringList record = recipefile::recordOf(worksheet);
    entry.recipeName = worksheet.text(field::NomeRicetta);
    entry.notes = worksheet.text(field::Note).left(kNotesKept);
    for (int row = 1; row <= field::kIngredientRows; ++row) {
        const QString name = field::isCustomRow(row) ? worksheet.text(field::aggiunta(row))
                                                     : worksheet.text(field::componente(row));
        if (!name.isEmpty() && name != QLatin1String("-"))
            entry.ingredients.append(name);
    }
    if (worksheet.eggsChecked()) {
        entry.ingredients.append(worksheet.text(field::componente(field::kEggRow)));
        entry.eggCount = numbers::valueOrZero(worksheet.text(field::NumeroUova));
    }
}

void assess(Entry &entry, const Worksheet &worksheet)
{
    const MixOutcome outcome = computeMix(entry.rows);
    entry.results = outcome.results;
    entry.verdicts = balance::verdicts(outcome.results);
    entry.cost = mixCost(worksheet, entry.rows);
}

Entry located(const QString &path, const QString &folder)
{
    Entry entry;
    const QFileInfo info(path);
    entry.path = info.absoluteFilePath();
    entry.relativePath = QDir(folder).relativeFilePath(entry.path);
    entry.modified = info.lastModified();
    entry.size = info.size();
    return entry;
}

} // namespace

Entry readEntry(const QString &path, const QString &folder, const personal::Library &ingredients)
{
    Entry entry = located(path, folder);
    CollectingSink sink;
    Worksheet worksheet;
    worksheet.setLibrary(ingredients);
    worksheet.setWarningSink(&sink);
    if (!recipecommands::openFile(worksheet, path)) {
        entry.refusal = sink.texts.value(sink.texts.size() - 1);
        return entry;
    }
    entry.notices = sink.texts;
    describe(entry, worksheet);
    const QStringList stored = shownResults(worksheet);
    sink.texts.clear();
    if (!calculate(worksheet, &entry.rows)) {
        entry.calculationRefusal = sink.texts.value(0);
        return entry;
    }
    entry.savedWithoutResults = std::all_of(std::next(stored.begin()), stored.end(),
                                            [](const QString &text) { return text.isEmpty(); });
    entry.stale = !entry.savedWithoutResults && shownResults(worksheet) != stored;
    assess(entry, worksheet);
    entry.mixKey = mixKey(entry);
    entry.mixHash = qHash(entry.mixKey);
    return entry;
}

Entry unreadableEntry(const QString &path, const QString &folder, const QString &reason)
{
    Entry entry = located(path, folder);
    entry.refusal = usertext::aboutFile(messages::kCannotRead, path, reason);
    return entry;
}

Entry unreadableFolderEntry(const QString &path, const QString &folder, const QString &reason)
{
    Entry entry;
    entry.path = QFileInfo(path).absoluteFilePath();
    entry.relativePath = QDir(folder).relativeFilePath(entry.path) + u'/';
    entry.refusal =
        QCoreApplication::translate("Archivio", "Impossibile leggere la cartella\nCartella %1: %2")
            .arg(usertext::fileName(path), reason);
    return entry;
}

bool matches(const Entry &entry, const QString &needle)
{
    if (needle.isEmpty())
        return true;
    const auto has = [&needle](const QString &text) { return text.contains(needle, Qt::CaseInsensitive); };
    return has(entry.recipeName) || has(entry.relativePath) || has(entry.notes) ||
           std::any_of(entry.ingredients.begin(), entry.ingredients.end(), [&has](const QString &name) {
               return has(name) || has(catalogue::displayName(name));
           });
}

} // namespace library
