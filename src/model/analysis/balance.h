// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculation.h"

#include <QString>

#include <array>
#include <optional>

// Is a calculated mix balanced, and what would fix it? Protein, carbohydrate and fat
// are each compared, as the results show them (two decimals), with the range of a
// balanced bait mix; for a share out of range, the ingredient of the mix that brings
// it back with the fewest whole grams added.
namespace balance {

enum class Nutrient
{
    Protein,
    Carbo,
    Fat
};

enum class Verdict
{
    InRange,
    Below,
    Above
};

// Percent, both edges inside the range.
struct Range
{
    int low;
    int high;
};

// The nutrients in the order they are checked and reported.
inline constexpr Nutrient kNutrients[] = {Nutrient::Protein, Nutrient::Carbo, Nutrient::Fat};

// The ranges of a balanced mix, as the References window lists them.
Range rangeOf(Nutrient nutrient);

// A share (a fraction) as the result field shows it, in percent with two decimals, as
// a number: what every verdict on a share compares.
double shownPercent(double fraction);

// A nutrient's share of calculated results, as a fraction: the one place a nutrient is
// matched with its result.
double shareOf(const MixResults &results, Nutrient nutrient);

// Where a share, as the results show it (shownPercent), lies against the range.
Verdict verdictOf(double shown, Range range);

// The verdict on each share of calculated results, in the order of kNutrients: what the
// status line, the balance window, the archive and the comparison all say.
std::array<Verdict, 3> verdicts(const MixResults &results);

// Fibre has a range too, but the catalogue holds no fibre values: it is never assessed.
inline constexpr Range kFibreRange{3, 10};

// No suggestion asks for more grams than this (a thousand tonnes).
inline constexpr qint64 kMaxGrams = 1'000'000'000;

struct Suggestion
{
    int row = 0;  // 1 to 13
    QString name; // as the row shows it; "riga 12" for a custom row named with blanks only
    qint64 grams = 0;
    // Protein, carbohydrate and fat shares of the mix with the grams added, as shown.
    std::array<QString, 3> shares;
};

struct Assessment
{
    Nutrient nutrient = Nutrient::Protein;
    QString share; // as the results show it: "33,40%"
    Verdict verdict = Verdict::InRange;
    // Only for a share out of range; empty when no row of the mix can correct it.
    std::optional<Suggestion> suggestion;
};

// One assessment per nutrient, in the order of kNutrients.
using Report = std::array<Assessment, 3>;

// The rows of a successful calculation, exactly as it read them.
Report check(const CalculatedRows &rows);

} // namespace balance
