// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulaeggs.h"

#include <QElapsedTimer>
#include <cmath>

namespace formula {
namespace {

// Below this a bound does not beat the best mix: distances are sums of grams.
constexpr double kTie = 1e-9;

class EggSearch
{
public:
    EggSearch(const Input &input, MipSolver &solver, const Tightening &tightening)
        : m_input(input), m_solver(solver), m_tightening(tightening)
    {}

    // Goes through the counts from `from` by `step` while the relaxation can still beat
    // the best mix; false when the solver gave up.
    bool walk(qint64 from, qint64 step, qint64 last)
    {
        for (qint64 count = from; step > 0 ? count <= last : count >= last; count += step) {
            const MipSolution bound = m_solver.solve(buildProblem(m_input, {m_tightening, count, false}));
            if (bound.status == MipStatus::Infeasible)
                return true; // the counts that admit a mix are one run
            if (bound.status != MipStatus::Optimal)
                return fail(bound.status);
            if (m_best.status != MipStatus::Failed && bound.objective >= m_best.objective - kTie)
                return true;
            const MipSolution whole = m_solver.solve(buildProblem(m_input, {m_tightening, count, true}));
            if (whole.status == MipStatus::Optimal || whole.status == MipStatus::Feasible)
                take(whole);
            else if (whole.status != MipStatus::Infeasible)
                return fail(whole.status);
        }
        return true;
    }

    MipSolution result()
    {
        if (m_best.status == MipStatus::Failed)
            m_best.status = m_stopped.value_or(MipStatus::Infeasible);
        else if (m_stopped || m_cutShort)
            m_best.status = MipStatus::Feasible;
        return m_best;
    }

private:
    void take(const MipSolution &solution)
    {
        m_cutShort = m_cutShort || solution.status == MipStatus::Feasible;
        if (m_best.status == MipStatus::Failed || solution.objective < m_best.objective - kTie) {
            m_best = solution;
            m_best.status = MipStatus::Optimal;
        }
    }

    bool fail(MipStatus status)
    {
        m_stopped = status == MipStatus::TimedOut || status == MipStatus::Feasible ? MipStatus::TimedOut
                                                                                   : MipStatus::Failed;
        return false;
    }

    const Input &m_input;
    MipSolver &m_solver;
    const Tightening &m_tightening;
    MipSolution m_best; // status Failed: none yet
    std::optional<MipStatus> m_stopped;
    bool m_cutShort = false;
};

} // namespace

MipSolution solveByEggCount(const Input &input, MipSolver &solver, const Tightening &tightening)
{
    Shape relaxed{tightening, std::nullopt, false};
    const MipSolution start = solver.solve(buildProblem(input, relaxed));
    if (start.status != MipStatus::Optimal)
        return {start.status == MipStatus::Infeasible ? MipStatus::Infeasible : MipStatus::Failed, {}, 0};
    const Layout layout = layoutOf(input);
    const MipProblem whole = buildProblem(input, relaxed);
    const MipVariable &eggs = whole.variables[layout.eggs];
    const qint64 lowest = qint64(std::llround(eggs.lower)), highest = qint64(std::llround(*eggs.upper));
    const qint64 below = qBound(lowest, qint64(std::floor(start.values[layout.eggs])), highest);

    EggSearch search(input, solver, tightening);
    if (search.walk(below, -1, lowest))
        search.walk(below + 1, 1, highest);
    return search.result();
}

} // namespace formula
