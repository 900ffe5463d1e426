// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formulalimits.h"
#include "mipsolver.h"

// The formula as a mixed-integer program.
//
// Variables: the whole grams of every candidate row ("riga N", bounds min..max, or fixed
// at the current grams when kept), the whole number of eggs ("uova", fixed at the current
// count or between its minimum and maximum), and for the closest goal one distance per
// row ("distanza riga N") and one for the eggs' weight ("distanza uova").
//
// Constraints: the total weight ("totale": the rows' grams plus grams per egg times the
// eggs, exactly the total), one per active limit ("proteine min", "grassi max",
// "digeribilità min", "legante min"), and for a binder minimum at least one gram in rows
// 1-13 ("legante peso"), since the eggs alone have no binder index.
//
// A share s counts as inside [a, b] when its two-decimal value is, that is when
// a - 0,005 <= s < b + 0,005. With the total T fixed, s = sum(grams x percent) / T, so
// the limit is linear: sum(grams x (percent - (a - 0,005))) >= 0, the eggs' grams
// included; the binder index is the same over rows 1-13 alone. Scaled by a power of ten
// the terms are whole, so the program holds the edge exactly, strict sides included. Only
// where the calculation's own arithmetic is inexact (the binder's single precision, values
// with many decimals) can a mix on an edge still miss: the caller checks every mix with
// the calculation and tightens the limits that fail (see Tightening).
namespace formula {

// Where each part of the input sits among the program's variables.
struct Layout
{
    QList<int> grams;        // per candidate, in input order
    int eggs = -1;           // -1: no egg row
    QList<int> rowDistances; // closest goal only
    int eggDistance = -1;    // closest goal with a free egg count only
};

Layout layoutOf(const Input &input);

// The whole program for the input's goal, with every active limit.
MipProblem buildProblem(const Input &input, const Tightening &tightening = {});

// The whole program with the egg count fixed at `eggCount`. For the closest goal the
// targets then stand still, and each row's distance gets the line that makes the
// relaxation as tight as whole grams allow.
MipProblem buildProblemAtEggCount(const Input &input, const Tightening &tightening, double eggCount);

// The same program without the objective and without the limits listed, for learning
// what the bounds (and the other limits) allow.
MipProblem buildFeasibility(const Input &input, const QList<Limit> &without,
                            const Tightening &tightening = {});

// The constraint of one limit at its edge (already moved for the two-decimal rounding),
// over the grams and eggs of `layout`, `gramsPerEgg` grams to an egg.
MipConstraint limitConstraint(const LimitTerms &terms, const Layout &layout, int gramsPerEgg);

// The power of ten that makes every value of a limit's constraint and its edge whole
// (1000 for values with one decimal and the edge 2,995), or 1 when one has too many
// decimals for that.
double wholeScale(const LimitTerms &terms);

// Name of a limit's constraint: "proteine min", "legante min".
QString constraintName(Limit limit);

// The grams of rows 1-13 that the closest goal aims at: the current grams scaled so
// that, with `eggCount` eggs, they make the total. Empty when rows 1-13 hold no grams.
QList<double> targetGrams(const Input &input, double eggCount);

// The egg count the closest goal aims at when the count is free: the current count
// scaled with the whole mix to the new total.
double targetEggCount(const Input &input);

} // namespace formula
