// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fields.h"

#include <QString>

#include <array>
#include <optional>

// One row of the worksheet as the calculation read it: grams, percentages and indices.
struct CalculatedRow
{
    // The catalogue entry, the custom row's name or the egg kind; empty when the row
    // holds no ingredient (a list at "-", an unnamed custom row, the eggs switched off).
    QString name;
    double grams = 0;
    double protein = 0;
    double fat = 0;
    double carbo = 0;
    double digestibility = 0;
    double binder = 0;
};

// Rows 1 to 14 in row order (index 0 is row 1, index 13 the egg row).
using CalculatedRows = std::array<CalculatedRow, field::kRows>;

// The nine results as numbers, each as its field keeps it once written (15 significant
// digits); the shares as fractions.
struct MixResults
{
    double totalWeight = 0; // eggs included
    double proteinGrams = 0;
    double fatGrams = 0;
    double carboGrams = 0;
    double proteinShare = 0;
    double fatShare = 0;
    double carboShare = 0;
    double digestibility = 0;     // eggs included
    std::optional<double> binder; // eggs excluded; none when only the eggs weigh
};

enum class MixProblem
{
    None,
    TooLarge,  // a sum too large to be written and read back
    ZeroTotal, // nothing weighs: there are no shares
};

struct MixOutcome
{
    MixProblem problem = MixProblem::None;
    MixResults results; // only when there is no problem
};

// The results of a mix from its rows as read: the calculation's own sums, in its order
// and with its rounding (the binder sum in single precision), so every figure is the one
// the worksheet shows. The calculation, the balance check and the formula all use it.
// Without `indices` the two indices are left at zero, unchecked: the balance check,
// which asks for thousands of mixes, needs only the weights and shares.
MixOutcome computeMix(const CalculatedRows &rows, bool indices = true);

// The weight of `count` eggs of `gramsPerEgg` grams as the calculation writes it into the
// egg row and reads it back (15 significant digits). Every figure of the eggs' grams, the
// formula's included, comes from here.
double eggWeight(double count, int gramsPerEgg);
