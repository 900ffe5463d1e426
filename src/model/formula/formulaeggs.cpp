// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulaeggs.h"

#include "formula.h"
#include "formulaproblem.h"
#include "formulasides.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace formula {
namespace {

MipProblem relaxed(MipProblem problem)
{
    for (MipVariable &v : problem.variables)
        v.integer = false;
    return problem;
}

// One way out from the relaxation's count: the next count to look at and the
// relaxation's value there, once known.
struct Frontier
{
    double count = 0;
    int step = 1;
    bool open = true;
    std::optional<double> bound;
};

// The relaxation with the egg count free, and the counts the user allows.
struct EggCounts
{
    const MipProblem &loose;
    int variable;
    double fewest;
    double most;
};

// The relaxation at the way's next count, unless it is known; a count past the range or
// without even a fractional mix closes its way, as do all counts beyond it. False when
// the walk must stop unproven: out of steps, or a relaxation left unsolved.
bool bound(Frontier &way, const EggCounts &counts, MipSolver &solver, const std::function<qint64()> &left)
{
    if (!way.open || way.bound)
        return true;
    if (way.count < counts.fewest || way.count > counts.most) {
        way.open = false;
        return true;
    }
    if (left() <= 0)
        return false;
    MipProblem bounded = counts.loose;
    bounded.variables[counts.variable].lower = way.count;
    bounded.variables[counts.variable].upper = way.count;
    const MipSolution relaxation = solver.solveWithin(bounded, left());
    if (relaxation.status == MipStatus::Infeasible)
        way.open = false;
    else if (relaxation.status != MipStatus::Optimal)
        return false;
    else
        way.bound = relaxation.objective;
    return true;
}

} // namespace

std::optional<MipSolution> solveOverEggCounts(const Input &input, const Tightening &tightening,
                                              MipSolver &solver)
{
    const qint64 firstStep = solver.stepsTaken();
    const std::function<qint64()> left = [&] { return kEggWalkSteps - (solver.stepsTaken() - firstStep); };
    const MipProblem whole = buildProblem(input, tightening);
    const int eggs = layoutOf(input).eggs;
    const MipProblem loose = relaxed(whole);
    const MipSolution lowest = solver.solveWithin(loose, left());
    if (lowest.status == MipStatus::Infeasible)
        return lowest; // not even fractional grams make a mix
    if (lowest.status != MipStatus::Optimal)
        return std::nullopt;

    const double below = std::floor(lowest.values[eggs]);
    Frontier ways[2] = {{below, -1, true, {}}, {below + 1, 1, true, {}}};
    MipSolution best{MipStatus::Infeasible, {}, 0};
    const EggCounts counts{loose, eggs, whole.variables[eggs].lower,
                           whole.variables[eggs].upper.value_or(whole.variables[eggs].lower)};
    for (;;) {
        for (Frontier &way : ways)
            if (!bound(way, counts, solver, left))
                return std::nullopt;
        // The count with the lower relaxation first: the best mix is most likely there,
        // and once found it rules out every count whose relaxation is no better.
        Frontier *next = nullptr;
        for (Frontier &way : ways)
            if (way.open && (!next || *way.bound < *next->bound))
                next = &way;
        if (!next)
            break;
        const bool haveBest = best.status == MipStatus::Optimal;
        if (haveBest && *next->bound >= best.objective - 1e-9 * std::max(1.0, std::abs(best.objective)))
            break;
        if (left() <= 0)
            return std::nullopt;
        const std::optional<MipSolution> found =
            solveAtEggCount(input, tightening, next->count, solver, left());
        if (!found)
            return std::nullopt; // not proven at this count
        if (found->status == MipStatus::Optimal && (!haveBest || found->objective < best.objective))
            best = *found;
        next->count += next->step;
        next->bound.reset();
    }
    return best;
}

} // namespace formula
