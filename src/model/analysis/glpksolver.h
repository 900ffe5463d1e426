#pragma once

#include "mipsolver.h"

namespace formula {

// Solves a program with GLPK's branch and cut, silently (nothing on standard output)
// and within a time limit; the GLPK environment is freed after each solve, so no memory
// of GLPK's outlives a call, whatever thread made it.
class GlpkSolver : public MipSolver
{
public:
    explicit GlpkSolver(int timeLimitMs = 1000) : m_timeLimitMs(timeLimitMs) {}
    MipSolution solve(const MipProblem &problem) override;

private:
    int m_timeLimitMs;
};

} // namespace formula
