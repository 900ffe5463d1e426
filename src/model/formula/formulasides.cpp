// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulasides.h"

#include "formula.h"
#include "formulaproblem.h"

#include <algorithm>
#include <cmath>

namespace formula {
namespace {

// The steps a choice of sides is solved without cutting planes before they are let in.
constexpr qint64 kWithoutCutsSteps = 300;

enum class Side
{
    Open,
    Above, // at or above the target: grams >= ceil(target)
    Below, // at or below the target: grams <= floor(target)
};

// Bounds a row's grams to one side of its target; false when nothing is left between them.
bool boundToSide(MipVariable &grams, Side side, double target)
{
    if (side == Side::Above)
        grams.lower = std::max(grams.lower, std::ceil(target));
    else if (side == Side::Below)
        grams.upper = std::min(grams.upper.value_or(target), std::floor(target));
    return !grams.upper || *grams.upper >= grams.lower;
}

class SideSearch
{
public:
    SideSearch(const Input &input, const Tightening &tightening, double eggCount, MipSolver &solver,
               qint64 stepLimit)
        : m_input(input), m_layout(layoutOf(input)),
          m_whole(buildProblemAtEggCount(input, tightening, eggCount)),
          m_plain(buildFeasibility(input, {}, tightening)), m_targets(targetGrams(input, eggCount)),
          m_eggCount(eggCount), m_solver(solver), m_stepLimit(stepLimit), m_firstStep(solver.stepsTaken())
    {
        m_relaxed = m_whole;
        for (MipVariable &v : m_relaxed.variables)
            v.integer = false;
        const int eggs = m_layout.eggs;
        if (eggs >= 0) {
            m_plain.variables[eggs].lower = eggCount;
            m_plain.variables[eggs].upper = eggCount;
            m_rowsTotal = double(input.totalGrams) - input.eggs->gramsPerEgg * eggCount;
            if (m_layout.eggDistance >= 0)
                m_eggDistance = input.eggs->gramsPerEgg * std::abs(eggCount - targetEggCount(input));
        } else {
            m_rowsTotal = double(input.totalGrams);
        }
    }

    std::optional<MipSolution> run(const MipSolution &start)
    {
        if (m_targets.isEmpty())
            return std::nullopt; // no current mix: no sides to choose
        if (start.status == MipStatus::Feasible || start.status == MipStatus::Optimal) {
            m_best = start;
            m_best.status = MipStatus::Optimal; // the one to beat, until the search proves it best
        }
        QList<Side> sides(m_input.rows.size(), Side::Open);
        if (!search(sides))
            return std::nullopt;
        return m_best;
    }

private:
    qint64 left() const { return m_stepLimit - (m_solver.stepsTaken() - m_firstStep); }

    bool better(double objective) const
    {
        return m_best.status != MipStatus::Optimal ||
               objective < m_best.objective - 1e-9 * std::max(1.0, std::abs(m_best.objective));
    }

    // False when the steps ran out or the solver failed: the search proves nothing then.
    bool search(QList<Side> &sides)
    {
        if (left() <= 0)
            return false;
        MipProblem node = m_relaxed;
        for (int k = 0; k < sides.size(); ++k)
            if (!boundToSide(node.variables[m_layout.grams[k]], sides[k], m_targets[k]))
                return true;
        const MipSolution bound = m_solver.solveWithin(node, left());
        if (bound.status == MipStatus::Infeasible)
            return true;
        if (bound.status != MipStatus::Optimal)
            return false;
        if (!better(bound.objective))
            return true;
        // The open row furthest from its target first: its other side costs the most,
        // so its relaxation is the likeliest to end that branch at once.
        int chosen = -1;
        double furthest = -1;
        for (int k = 0; k < sides.size(); ++k) {
            const double away = std::abs(bound.values[m_layout.grams[k]] - m_targets[k]);
            if (sides[k] == Side::Open && away > furthest) {
                chosen = k;
                furthest = away;
            }
        }
        if (chosen < 0)
            return solveSides(sides, bound.objective);
        const bool above = bound.values[m_layout.grams[chosen]] >= m_targets[chosen];
        for (Side side :
             above ? std::array{Side::Above, Side::Below} : std::array{Side::Below, Side::Above}) {
            sides[chosen] = side;
            if (!search(sides))
                return false;
        }
        sides[chosen] = Side::Open;
        return true;
    }

    // Every row's side chosen: the distance is the rows' distances on their sides,
    // sum(above: grams - target) + sum(below: target - grams), and since the rows make
    // m_rowsTotal whatever their sides, that is 2 x (grams above) + constant.
    bool solveSides(const QList<Side> &sides, double bound)
    {
        MipProblem problem = m_plain;
        problem.withoutCuts = true;
        double constant = m_eggDistance - m_rowsTotal;
        MipConstraint cutoff{QStringLiteral("meglio"), {}, std::nullopt, std::nullopt};
        for (int k = 0; k < sides.size(); ++k) {
            MipVariable &grams = problem.variables[m_layout.grams[k]];
            if (!boundToSide(grams, sides[k], m_targets[k]))
                return true;
            if (sides[k] == Side::Above) {
                grams.objective = 1;
                constant -= m_targets[k];
                cutoff.terms << qMakePair(m_layout.grams[k], 1.0);
            } else {
                constant += m_targets[k];
            }
        }
        // The grams above counted from the whole grams the relaxation allows, so that the
        // objective stays near zero: the solver compares it with tolerances relative to
        // its size, and at tonnes a relative tolerance is more than a gram.
        const double fewestAbove = std::floor((bound - constant) / 2 + 1e-6);
        problem.variables << MipVariable{QStringLiteral("base"), 1, 1, true, -fewestAbove};
        // Only a mix better than the best so far, by a whole gram above.
        if (m_best.status == MipStatus::Optimal)
            cutoff.upper = std::ceil((m_best.objective - constant) / 2 - 1e-6) - 1;
        if (!cutoff.terms.isEmpty() && cutoff.upper)
            problem.constraints << cutoff;
        MipSolution found = m_solver.solveWithin(problem, std::min(left(), kWithoutCutsSteps));
        if (found.status != MipStatus::Optimal && found.status != MipStatus::Infeasible) {
            problem.withoutCuts = false;
            found = m_solver.solveWithin(problem, left());
        }
        if (found.status == MipStatus::Infeasible)
            return true;
        if (found.status != MipStatus::Optimal)
            return false;
        if (const MipSolution mix = wholeSolution(found.values); better(mix.objective))
            m_best = mix;
        return true;
    }

    // A mix of the program without distances, as the whole program's variables.
    MipSolution wholeSolution(const QList<double> &plain) const
    {
        MipSolution solution{MipStatus::Optimal, QList<double>(m_whole.variables.size(), 0), 0};
        for (int k = 0; k < m_layout.grams.size(); ++k) {
            const double grams = std::round(plain[m_layout.grams[k]]);
            solution.values[m_layout.grams[k]] = grams;
            const double distance = std::abs(grams - m_targets[k]);
            solution.values[m_layout.rowDistances[k]] = distance;
            solution.objective += distance;
        }
        if (m_layout.eggs >= 0)
            solution.values[m_layout.eggs] = m_eggCount;
        if (m_layout.eggDistance >= 0) {
            solution.values[m_layout.eggDistance] = m_eggDistance;
            solution.objective += m_eggDistance;
        }
        return solution;
    }

    const Input &m_input;
    const Layout m_layout;
    const MipProblem m_whole;
    MipProblem m_plain; // grams and eggs with the limits, the eggs at the count
    MipProblem m_relaxed;
    const QList<double> m_targets;
    const double m_eggCount;
    double m_rowsTotal = 0;
    double m_eggDistance = 0;
    MipSolver &m_solver;
    const qint64 m_stepLimit;
    const qint64 m_firstStep;
    MipSolution m_best{MipStatus::Infeasible, {}, 0};
};

} // namespace

std::optional<MipSolution> solveBySides(const Input &input, const Tightening &tightening, double eggCount,
                                        MipSolver &solver, qint64 stepLimit, const MipSolution &start)
{
    return SideSearch(input, tightening, eggCount, solver, stepLimit).run(start);
}

std::optional<MipSolution> solveAtEggCount(const Input &input, const Tightening &tightening, double eggCount,
                                           MipSolver &solver, qint64 stepLimit)
{
    const qint64 firstStep = solver.stepsTaken();
    // Most programs are proven at once as they are; the search is for the rest, and
    // starts from the best mix found meanwhile.
    const MipSolution whole = solver.solveWithin(buildProblemAtEggCount(input, tightening, eggCount),
                                                 std::min(stepLimit, kWholeFirstSteps));
    if (whole.status == MipStatus::Optimal || whole.status == MipStatus::Infeasible)
        return whole;
    return solveBySides(input, tightening, eggCount, solver, stepLimit - (solver.stepsTaken() - firstStep),
                        whole);
}

} // namespace formula
