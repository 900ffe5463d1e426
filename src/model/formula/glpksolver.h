// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mipsolver.h"

#include <QElapsedTimer>

namespace formula {

// The steps one solve may take, and all of them together (the formula, the checks that
// tighten it, and the reasons when there is none): about a second and four seconds of a
// desktop's processor time, measured on the bench's generated set.
inline constexpr qint64 kSolveSteps = 60'000;
inline constexpr qint64 kBudgetSteps = 240'000;

// Only for a machine far slower than any the steps were measured on: the wall-clock
// time after which the solver stops whatever the steps say, and says so.
inline constexpr int kClockLimitMs = 20'000;

// Solves a program with GLPK's branch and cut, silently (nothing on standard output),
// each solve within a step limit and all of them within a budget of steps that starts
// with the solver, so that a formula and the reasons for its absence never keep the
// program busy for long, and give the same answer wherever they run. The GLPK
// environment is freed after each solve, so no memory of GLPK's outlives a call,
// whatever thread made it.
class GlpkSolver : public MipSolver
{
public:
    // `gomoryCuts`: Gomory's mixed-integer cuts at the root, which the formula always
    // uses (see glpksolver.cpp); without them GLPK fails its own checks on some problems.
    explicit GlpkSolver(qint64 stepLimit = kSolveSteps, qint64 budgetSteps = kBudgetSteps,
                        bool gomoryCuts = true, int clockLimitMs = kClockLimitMs);
    MipSolution solve(const MipProblem &problem) override;
    MipSolution solveWithin(const MipProblem &problem, qint64 steps) override;
    qint64 stepsTaken() const override { return m_steps; }
    bool stoppedByClock() const override { return m_stoppedByClock; }

private:
    qint64 m_stepLimit;
    qint64 m_budgetSteps;
    bool m_gomoryCuts;
    int m_clockLimitMs;
    qint64 m_steps = 0;
    bool m_stoppedByClock = false;
    QElapsedTimer m_clock;
};

} // namespace formula
