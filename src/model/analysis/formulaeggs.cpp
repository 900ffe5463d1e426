// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulaeggs.h"

#include "formula.h"
#include "formulaproblem.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>

namespace formula {
namespace {

MipProblem relaxed(MipProblem problem)
{
    for (MipVariable &v : problem.variables)
        v.integer = false;
    return problem;
}

} // namespace

std::optional<MipSolution> solveOverEggCounts(const Input &input, const Tightening &tightening,
                                              MipSolver &solver)
{
    QElapsedTimer clock;
    clock.start();
    const auto left = [&] { return int(kEggWalkMs - clock.elapsed()); };
    const MipProblem whole = buildProblem(input, tightening);
    const int eggs = layoutOf(input).eggs;
    const MipProblem loose = relaxed(whole);
    const MipSolution lowest = solver.solveWithin(loose, left());
    if (lowest.status == MipStatus::Infeasible)
        return lowest; // not even fractional grams make a mix
    if (lowest.status != MipStatus::Optimal)
        return std::nullopt;

    const double at = lowest.values[eggs];
    const double fewest = whole.variables[eggs].lower, most = whole.variables[eggs].upper.value_or(fewest);
    MipSolution best{MipStatus::Infeasible, {}, 0};
    for (const int way : {-1, 1}) {
        for (double count = way < 0 ? std::floor(at) : std::floor(at) + 1; count >= fewest && count <= most;
             count += way) {
            if (left() <= 0)
                return std::nullopt;
            MipProblem bounded = loose;
            bounded.variables[eggs].lower = count;
            bounded.variables[eggs].upper = count;
            const MipSolution bound = solver.solveWithin(bounded, left());
            // The counts with a fractional mix make one run, and the walk started inside it.
            if (bound.status == MipStatus::Infeasible)
                break;
            if (bound.status != MipStatus::Optimal)
                return std::nullopt;
            const bool haveBest = best.status == MipStatus::Optimal;
            if (haveBest &&
                bound.objective >= best.objective - 1e-9 * std::max(1.0, std::abs(best.objective)))
                break;
            const MipSolution found =
                solver.solveWithin(buildProblemAtEggCount(input, tightening, count), left());
            if (found.status == MipStatus::Optimal) {
                if (!haveBest || found.objective < best.objective)
                    best = found;
            } else if (found.status != MipStatus::Infeasible) {
                return std::nullopt; // not proven at this count
            }
        }
    }
    return best;
}

} // namespace formula
