// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formulalimits.h"
#include "mipsolver.h"

#include <optional>

namespace formula {

struct Input;

// The steps the closest goal may take with the egg count kept, before the whole program
// is solved instead.
inline constexpr qint64 kSideSearchSteps = 15'000;

// The steps the program at the count is tried as it is before the search.
inline constexpr qint64 kWholeFirstSteps = 600;

// The closest goal at a fixed egg count, solved side by side.
//
// Branch and bound on the program itself can spend seconds on a few grams: the
// relaxation's best lies on a wide face where grams move between rows at no cost, and
// branching on one row's grams only moves the relaxation along that face. The distance
// has a structure it does not see. With the rows' grams fixed to the targets' sum, each
// row ends either at or above its target or at or below it, and once every row's side
// is known the distance is twice the grams of the rows above plus a constant: it moves
// in steps of 2 g. A program per choice of sides, minimising the grams above (whole
// coefficients, so the solver rounds its bound up to a whole gram), proves in
// milliseconds what the whole program could not.
//
// The sides are chosen by a search over the rows, each node bounded by the relaxation
// with the sides chosen so far; a node whose relaxation is no better than the best mix
// found has no better mix below it. The answer has the whole program's variables, as
// buildProblemAtEggCount() lays them out; none when the search did not end within
// `stepLimit` of the solver's steps. It starts from `start` when that holds a mix: the
// one to beat.
std::optional<MipSolution> solveBySides(const Input &input, const Tightening &tightening, double eggCount,
                                        MipSolver &solver, qint64 stepLimit, const MipSolution &start = {});

// The program at the count tried as it is for kWholeFirstSteps, then the search from the
// best mix that found. None when neither proved its answer within `stepLimit`.
std::optional<MipSolution> solveAtEggCount(const Input &input, const Tightening &tightening, double eggCount,
                                           MipSolver &solver, qint64 stepLimit);

} // namespace formula
