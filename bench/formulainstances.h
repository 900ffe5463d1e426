// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formula.h"

// A fixed, seeded set of formula problems of the kinds users pose: random ones (totals of
// 50 g to 10 t, both goals, bands on and off, index minimums, row minimums, maximums and
// kept rows, eggs kept or free, personal ingredients with prices) and hard ones (every
// row, narrow bands, large totals, free eggs). The same seed gives the same set on every
// machine, so a bench run and a cross-check look at the same problems.
namespace formulainstances {

struct Instance
{
    QString kind; // "random" or "hard"
    formula::Input input;
};

QList<Instance> generate(int randomCount, int hardCount, quint32 seed = 27);

// One problem as plain text, one field a line, for a solver outside Vornak.
QString describe(const formula::Input &input);

// An answer as one line, every figure whole to the last digit: two answers are the same
// exactly when their lines are.
QString answerText(const formula::Result &result);

} // namespace formulainstances
