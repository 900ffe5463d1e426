// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formulaproblem.h"

// The closest goal with a free egg count, one count at a time.
//
// Every row's target moves with the egg count, so no fixed line bounds a row's distance
// over whole grams, and branch and bound on the whole program can search for seconds.
// With the count fixed the targets stand still and the program is tight (see
// buildProblem()). The best distance of the relaxation as a function of the count is
// convex (the least of a linear objective over a polyhedron, as one of its coordinates
// moves), so from the relaxation's own best count outwards it only grows: each side is
// searched until that bound reaches the best whole mix found, or the counts run out.
namespace formula {

MipSolution solveByEggCount(const Input &input, MipSolver &solver, const Tightening &tightening);

} // namespace formula
