// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formula.h"

#include <array>

// The limits the bands put on a mix, one per edge: what each measures, how it enters the
// program as a linear constraint and how the results judge it.
namespace formula {

enum class Limit
{
    ProteinMin,
    ProteinMax,
    FatMin,
    FatMax,
    CarboMin,
    CarboMax,
    DigestibilityMin,
    BinderMin,
};
inline constexpr int kLimitCount = 8;
inline constexpr std::array<Limit, kLimitCount> kLimits = {
    Limit::ProteinMin, Limit::ProteinMax, Limit::FatMin,           Limit::FatMax,
    Limit::CarboMin,   Limit::CarboMax,   Limit::DigestibilityMin, Limit::BinderMin};

bool isMin(Limit limit);

// The edge the user set, or nothing when the band or index is off.
std::optional<double> edgeOf(const Bands &bands, Limit limit);

// The results show two decimals, so a limit typed with more is taken as the shown values
// it admits: a minimum rounded up, a maximum rounded down, to two decimals ("Grassi
// almeno 2,996" admits 3,00 and more; "al massimo 5,774" admits 5,77 and less). Every
// other edge stays as it is.
double admittedEdge(double edge, Limit limit);
Bands admittedBands(const Bands &bands);

// The limits that are on, in the order of kLimits.
QList<Limit> activeLimits(const Bands &bands);

// The value the results show for what the limit measures: a share in percent or an
// index, rounded to two decimals as the worksheet shows it; nothing when the mix has no
// such value (no binder index when only the eggs weigh).
std::optional<double> shownValue(const MixResults &results, Limit limit);

// Whether the shown value is inside the limit.
bool meets(const MixResults &results, const Bands &bands, Limit limit);

// What the limit measures as a sum over the mix: each row's (and the egg's) value per
// gram. A share or the digestibility index is that sum over the total weight; the binder
// index is it over the weight of rows 1-13.
double rowCoefficient(const Candidate &row, Limit limit);
double eggCoefficient(const Eggs &eggs, Limit limit); // per gram of egg; 0 for the binder

// A limit as the program takes it: its side, the edge of its constraint, and what each
// row (in the order of the input) and each gram of egg brings to its sum. The eggs bring
// nothing when there are none, and never to the binder index.
struct LimitTerms
{
    Limit limit;
    bool min;
    double edge;
    QList<double> rowValues;
    std::optional<double> eggValue;
};
LimitTerms limitTerms(const Input &input, Limit limit, double edge);

// Per limit, how far inside the shown edge the program asks the true value to be
// (percent or index points). 0 puts the constraint exactly on the edge the two-decimal
// rounding allows (a minimum of 3 % admits 2,995 %, which shows as 3,00 %).
using Tightening = std::array<double, kLimitCount>;

// The edge of the linear constraint for a limit, after tightening: 2,995 for "at least
// 3 %" untightened, 8,005 for "at most 8 %".
double constraintEdge(double edge, Limit limit, double tightening);

// Every active limit but those `without`, at its constraint edge after tightening: all
// the program needs of the bands.
QList<LimitTerms> admittedLimits(const Input &input, const QList<Limit> &without,
                                 const Tightening &tightening);

// The smallest step by which the check's own arithmetic can miss an edge the program
// keeps exactly: the binder index is summed in single precision (about seven digits), the
// shares and the digestibility index in double precision rounded to fifteen digits, exact
// for whole grams of ingredients with a few decimals.
double arithmeticSlack(Limit limit);

// Words for messages: "Proteine", "Indice di digeribilità"; "3%" or "3"; "2,10%" or "2,10".
QString limitSubject(Limit limit);
QString edgeText(double edge, Limit limit);
QString shownText(double shown, Limit limit);

} // namespace formula
