// SPDX-License-Identifier: GPL-3.0-or-later
#include "formula.h"

#include "balance.h"
#include "formulaeggs.h"
#include "formulaexplain.h"
#include "formulainput.h"
#include "formulamix.h"
#include "formulasides.h"
#include "glpksolver.h"

#include <QCoreApplication>

// How the closest goal treats the eggs. A row's target is its current grams scaled so
// that, with the eggs of the proposal, the rows make the new total; with the egg count
// fixed that is the current mix scaled to the total. With a free count the targets move
// with the eggs, so eggs alone would cost nothing: adding ten yolks and shrinking every
// row in proportion would count as no change at all. The eggs' own weight therefore
// counts too, as the grams of egg away from the current count scaled to the new total
// (grams per egg x |eggs - target count|): one egg more or less weighs as much as moving
// those grams between rows, and the current mix scaled to the total is the only mix at
// distance zero.

namespace formula {
namespace {

// How far inside the shown edge a limit is asked to be after each failed check, in steps
// of the error the calculation's arithmetic can make on it (see arithmeticSlack()): first
// exactly on the edge, which the program holds exactly for values with a few decimals.
constexpr double kTightenings[] = {0, 1, 10, 100, 1000};
constexpr int kTighteningCount = int(std::size(kTightenings));

Result noMix(const QStringList &reasons)
{
    Result result;
    result.reasons = reasons;
    return result;
}

Result resultOf(const Input &input, const Proposal &proposal, const Check &checked, bool maybeNotBest)
{
    Result result;
    result.status = maybeNotBest ? Status::MaybeNotBest : Status::Best;
    for (int k = 0; k < input.rows.size(); ++k) {
        const Candidate &c = input.rows[k];
        result.rows << ProposedRow{c.row, c.name, c.currentGrams, proposal.grams[k]};
    }
    if (input.eggs)
        result.eggCount = proposal.eggCount;
    result.mix = mixOf(input, proposal.grams, proposal.eggCount);
    result.results = checked.results;
    // A cost the status bar could not show is no cost here either.
    if (const MixCost cost = costOf(input, proposal); cost.missingPrice.isEmpty() && !cost.tooLarge) {
        result.cost = cost.total;
        result.costPerKg = cost.perKg;
    }
    result.distance = distanceOf(input, proposal);
    if (maybeNotBest)
        result.reasons << maybeNotBestText();
    return result;
}

QString missedText(const QList<Limit> &missed)
{
    QStringList subjects;
    for (Limit limit : missed)
        subjects << limitSubject(limit);
    return QCoreApplication::translate(
               "Formula", "Il calcolo non conferma la formula trovata (%1): nessun mix verificato")
        .arg(subjects.join(QStringLiteral(", ")));
}

} // namespace

QString maybeNotBestText()
{
    return QCoreApplication::translate(
        "formula",
        "La ricerca si è fermata al suo limite di passi: la formula trovata potrebbe non essere la "
        "migliore");
}

QString timedOutText()
{
    return QCoreApplication::translate(
        "formula", "La ricerca si è fermata al suo limite di passi senza trovare una formula");
}

QString stoppedByClockText()
{
    return QCoreApplication::translate(
               "formula", "Il computer è molto lento: la ricerca si è fermata dopo %1 secondi, e su "
                          "un altro computer la risposta potrebbe essere diversa")
        .arg(kClockLimitMs / 1000);
}

Bands defaultBands()
{
    auto bandOf = [](balance::Nutrient nutrient) {
        const balance::Range range = balance::rangeOf(nutrient);
        return Band{true, double(range.low), double(range.high)};
    };
    return {bandOf(balance::Nutrient::Protein), bandOf(balance::Nutrient::Fat),
            bandOf(balance::Nutrient::Carbo), std::nullopt, std::nullopt};
}

Result solve(const Input &input)
{
    GlpkSolver solver;
    return solve(input, solver);
}

namespace {

// Solves, then recomputes the mix with the calculation. A limit whose shown value falls
// outside (only where the calculation's arithmetic is not exact) is asked to stay a hair
// further inside, and the program solved again; a mix is only ever returned once the
// calculation confirms it.
Result solveWithinSteps(const Input &asked, MipSolver &solver)
{
    if (const QStringList problems = inputProblems(asked); !problems.isEmpty())
        return noMix(problems);

    Input input = asked;
    input.bands = admittedBands(asked.bands);
    const Layout layout = layoutOf(input);
    Tightening tightening{};
    std::array<int, kLimitCount> level{};
    for (;;) {
        std::optional<MipSolution> walked;
        if (input.goal == Goal::ClosestToCurrent && input.eggs && input.eggs->free)
            walked = solveOverEggCounts(input, tightening, solver);
        else if (input.goal == Goal::ClosestToCurrent)
            walked = solveAtEggCount(input, tightening, input.eggs ? input.eggs->currentCount : 0, solver,
                                     kSideSearchSteps);
        const MipSolution solution = walked ? *walked : solver.solve(buildProblem(input, tightening));
        switch (solution.status) {
        case MipStatus::Optimal:
        case MipStatus::Feasible:
            break;
        case MipStatus::Infeasible:
            return noMix(explainNoMix(input, solver, tightening));
        case MipStatus::TimedOut:
            return noMix({timedOutText()});
        case MipStatus::Failed:
            return noMix({kSolverFailed});
        }
        const Proposal proposal = proposalOf(input, layout, solution.values);
        const Check checked = check(input, proposal);
        if (checked.passed())
            return resultOf(input, proposal, checked, solution.status == MipStatus::Feasible);
        if (!checked.calculated || !checked.totalAndBounds || checked.missed.isEmpty())
            return noMix({kSolverFailed});
        for (Limit limit : checked.missed) {
            int &l = level[size_t(limit)];
            if (++l == kTighteningCount)
                return noMix({missedText(checked.missed)});
            tightening[size_t(limit)] = kTightenings[l] * arithmeticSlack(limit);
        }
    }
}

} // namespace

// The same answer wherever it runs, unless the clock had to stop it.
Result solve(const Input &asked, MipSolver &solver)
{
    Result result = solveWithinSteps(asked, solver);
    if (solver.stoppedByClock()) {
        if (result.status == Status::Best)
            result.status = Status::MaybeNotBest;
        result.reasons << stoppedByClockText();
    }
    return result;
}

} // namespace formula
