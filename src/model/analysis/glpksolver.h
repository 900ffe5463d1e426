// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mipsolver.h"

#include <QElapsedTimer>

namespace formula {

// Solves a program with GLPK's branch and cut, silently (nothing on standard output),
// each solve within a time limit and all of them within a budget that starts with the
// solver, so that a formula and the reasons for its absence never keep the program busy
// for long. The GLPK environment is freed after each solve, so no memory of GLPK's
// outlives a call, whatever thread made it.
class GlpkSolver : public MipSolver
{
public:
    // `gomoryCuts`: Gomory's mixed-integer cuts at the root, which the formula always
    // uses (see glpksolver.cpp); without them GLPK fails its own checks on some problems.
    explicit GlpkSolver(int timeLimitMs = 1000, int budgetMs = 4000, bool gomoryCuts = true);
    MipSolution solve(const MipProblem &problem) override;
    MipSolution solveWithin(const MipProblem &problem, int timeLimitMs) override;

private:
    int m_timeLimitMs;
    int m_budgetMs;
    bool m_gomoryCuts;
    QElapsedTimer m_clock;
};

} // namespace formula
