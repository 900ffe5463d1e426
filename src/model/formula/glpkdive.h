// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <glpk.h>

#include <memory>
#include <vector>

// The first whole mix GLPK's search starts from: a dive from the relaxation that fixes one
// integer at a time to its rounded value, with the rows held far enough inside their
// bounds for the rounding to keep them there. Used by GlpkSolver alone.
namespace formula::glpkdive {

struct ProblemDeleter
{
    void operator()(glp_prob *p) const { glp_delete_prob(p); }
};
using Problem = std::unique_ptr<glp_prob, ProblemDeleter>;

inline qint64 iterationsOf(glp_prob *lp)
{
    return glp_get_it_cnt(lp);
}

// Solves the relaxation (integers taken as real) from the problem's current basis.
bool solveRelaxation(glp_prob *lp);

// The dive's solution, empty when the dive found none, and the simplex iterations it took
// added to `steps`.
std::vector<double> divedSolution(glp_prob *relaxed, qint64 &steps);

} // namespace formula::glpkdive
