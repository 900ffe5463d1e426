// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "balance.h"
#include "ingredientlibrary.h"
#include "mixcost.h"
#include "mixresults.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// One file of the recipe archive: what "Apri" makes of it and what "Calcola" then
// shows, computed from its rows, never taken from the results the file stores.
namespace library {

// The notes are kept only this far: the list shows and searches no more, so the
// archive's memory does not grow with long notes.
constexpr int kNotesKept = 500;

// The recipes of a list with the same ingredients and grams as this one.
struct SameMix
{
    int count = 0; // how many others
    QString first; // the first of the group by file name, this one included: one name per group
    bool operator==(const SameMix &) const = default;
};

struct Entry
{
    QString path;         // the file as found, absolute
    QString relativePath; // from the folder listed: what the list shows
    QDateTime modified;
    qint64 size = 0;

    // Why the file is no recipe, in the words "Apri" would use (both lines); empty for
    // a recipe.
    QString refusal;
    // What "Apri" would warn about a recipe it opens (values the input rules refuse,
    // double quotes kept from a hand edit).
    QStringList notices;

    QString recipeName;
    QString notes;           // at most kNotesKept characters
    QStringList ingredients; // rows 1-13 that name one, then the egg kind, in row order
    double eggCount = 0;     // while the egg box is ticked

    // What "Calcola" says when it refuses the recipe; then there are no figures.
    QString calculationRefusal;
    std::optional<MixResults> results;
    CalculatedRows rows;                        // as "Calcola" read them
    std::array<balance::Verdict, 3> verdicts{}; // in the order of balance::kNutrients
    MixCost cost;
    // The results stored in the file differ from those its rows give.
    bool stale = false;
    // Saved before any "Calcola": no results to compare, which is not stale.
    bool savedWithoutResults = false;
    // The mix as mixKey() writes it, and the others of the list that share it.
    QString mixKey;
    size_t mixHash = 0; // of mixKey, reckoned where the file is read
    SameMix sameMix;

    bool isRecipe() const { return refusal.isEmpty(); }
    bool calculated() const { return results.has_value(); }
};

// Opens `path` once, exactly as "Apri" does with `ingredients` as the personal
// ingredients and prices, and calculates it as "Calcola" would. The file is only read.
// `folder` is the folder listed, which `relativePath` starts from.
Entry readEntry(const QString &path, const QString &folder, const personal::Library &ingredients);

// The refusal of a file that cannot be listed at all (a symbolic-link loop, a file
// gone while listed), in the words "Apri" uses for an unreadable file.
Entry unreadableEntry(const QString &path, const QString &folder, const QString &reason);

// A subfolder that cannot be walked, listed so the recipes in it are not silently
// missing: its path ends in "/" and its refusal says the folder and why.
Entry unreadableFolderEntry(const QString &path, const QString &folder, const QString &reason);

// Does the entry hold `needle` (case-insensitive) in its recipe name, file name, notes
// or ingredients?
bool matches(const Entry &entry, const QString &needle);

} // namespace library
