// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formulalimits.h"
#include "formulaproblem.h"
#include "mixcost.h"

// A proposal read back from the solver, and what the calculation says of it.
namespace formula {

struct Proposal
{
    QList<qint64> grams; // per candidate, in input order
    qint64 eggCount = 0;
};

// The whole grams and eggs of a solution (the solver's integers rounded to the nearest).
Proposal proposalOf(const Input &input, const Layout &layout, const QList<double> &values);

// The proposal recomputed by the calculation: whether it calculates at all, whether it
// has exactly the total and keeps every row's and the eggs' bounds, and the limits whose
// shown values fall outside.
struct Check
{
    bool calculated = false;
    bool totalAndBounds = false;
    QList<Limit> missed;
    MixResults results;

    bool passed() const { return calculated && totalAndBounds && missed.isEmpty(); }
};
Check check(const Input &input, const Proposal &proposal);

// What the proposal costs, as the status bar will say it after Applica.
MixCost costOf(const Input &input, const Proposal &proposal);

// The closest goal's measure: the sum of |grams - target| over the candidates, plus the
// grams of egg moved away from the target count when the count is free; 0 when rows 1-13
// hold no grams today.
double distanceOf(const Input &input, const Proposal &proposal);

} // namespace formula
