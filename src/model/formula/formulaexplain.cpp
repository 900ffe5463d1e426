// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulaexplain.h"

#include "formulainput.h"
#include "formulamix.h"
#include "numbers.h"

#include <QCoreApplication>

#include <cmath>

namespace formula {
namespace {

QString limitText(Limit limit, double edge)
{
    return QStringLiteral("%1 %2 %3")
        .arg(limitSubject(limit),
             isMin(limit) ? QCoreApplication::translate("Formula", "almeno")
                          : QCoreApplication::translate("Formula", "al massimo"),
             edgeText(edge, limit));
}

// "Grassi almeno 3%: con questi ingredienti si arriva al massimo a 2,10%", or with the
// limits it conflicts with: "Grassi almeno 3%: insieme a Proteine almeno 30% si arriva
// al massimo a 2,50%".
QString unreachableText(const Bands &bands, Limit limit, double reached, const QList<Limit> &with)
{
    QStringList others;
    for (Limit other : with)
        others << limitText(other, *edgeOf(bands, other));
    const QString within = others.isEmpty() ? QCoreApplication::translate("Formula", "con questi ingredienti")
                                            : QCoreApplication::translate("Formula", "insieme a ") +
                                                  others.join(QCoreApplication::translate("Formula", " e "));
    const QString reach = isMin(limit) ? QCoreApplication::translate("Formula", "si arriva al massimo a")
                                       : QCoreApplication::translate("Formula", "non si scende sotto");
    return QStringLiteral("%1: %2 %3 %4")
        .arg(limitText(limit, *edgeOf(bands, limit)), within, reach, shownText(reached, limit));
}

// A reach is only told when the solver proved it: a mix found when the time ran out may
// fall short of what the ingredients reach. Anything else marks the search as cut short.
bool proved(const MipSolution &solution, bool &cutShort)
{
    if (solution.status == MipStatus::Optimal)
        return true;
    cutShort = cutShort || solution.status != MipStatus::Infeasible;
    return false;
}

// The steps the furthest mix is searched before its relaxation is asked whether the mix
// found already shows the furthest value.
constexpr qint64 kQuickReachSteps = 1'200;

// The mix that takes a share or the digestibility index furthest towards the limit's side.
std::optional<Proposal> furthestLinear(const Input &input, MipSolver &solver, MipProblem problem, Limit limit,
                                       bool &cutShort)
{
    const Layout layout = layoutOf(input);
    for (const auto &[index, coefficient] :
         limitConstraint(limitTerms(input, limit, 0), layout, input.gramsPerEgg()).terms)
        problem.variables[index].objective = coefficient;
    problem.maximise = isMin(limit);
    if (const MipSolution quick = solver.solveWithin(problem, kQuickReachSteps);
        quick.status == MipStatus::Feasible) {
        MipProblem relaxed = problem;
        for (MipVariable &v : relaxed.variables)
            v.integer = false;
        const MipSolution bound = solver.solveWithin(relaxed, kQuickReachSteps);
        const Proposal found = proposalOf(input, layout, quick.values);
        if (bound.status == MipStatus::Optimal && showsAsFar(input, limit, found, bound.objective))
            return found;
    } else if (quick.status != MipStatus::TimedOut) {
        return proved(quick, cutShort) ? std::optional(proposalOf(input, layout, quick.values))
                                       : std::nullopt;
    }
    const MipSolution solution = solver.solve(problem);
    if (!proved(solution, cutShort))
        return std::nullopt;
    return proposalOf(input, layout, solution.values);
}

// The mix with the highest binder index. The index is a ratio over the weight of rows
// 1-13, which moves with the eggs, so it is found by Dinkelbach's method: maximise
// sum(grams x (binder - m)) for the best ratio m so far, until no mix beats m. Each step
// raises m to the ratio of a real mix, and there are finitely many, so it ends.
struct BinderReach
{
    std::optional<Proposal> best;
    bool onlyEggs = false; // no mix of these bounds weighs anything in rows 1-13
};

BinderReach highestBinder(const Input &input, MipSolver &solver, MipProblem problem, bool &cutShort)
{
    const Layout layout = layoutOf(input);
    MipConstraint weighed{QStringLiteral("legante peso"), {}, 1.0, std::nullopt};
    double ratio = 0;
    for (int k = 0; k < input.rows.size(); ++k) {
        weighed.terms << qMakePair(layout.grams[k], 1.0);
        ratio = k == 0 ? input.rows[k].binder : qMin(ratio, input.rows[k].binder);
    }
    problem.constraints << weighed;
    problem.maximise = true;

    BinderReach reach;
    for (int step = 0; step < 50; ++step) {
        for (int k = 0; k < input.rows.size(); ++k)
            problem.variables[layout.grams[k]].objective = input.rows[k].binder - ratio;
        const MipSolution solution = solver.solve(problem);
        if (!proved(solution, cutShort)) {
            reach.onlyEggs = step == 0 && solution.status == MipStatus::Infeasible;
            if (solution.status != MipStatus::Infeasible)
                reach.best.reset();
            break;
        }
        const Proposal proposal = proposalOf(input, layout, solution.values);
        double sum = 0, weight = 0;
        for (int k = 0; k < input.rows.size(); ++k) {
            sum += input.rows[k].binder * double(proposal.grams[k]);
            weight += double(proposal.grams[k]);
        }
        const double next = sum / weight;
        if (reach.best && next <= ratio + 1e-12)
            break;
        reach.best = proposal;
        ratio = next;
    }
    return reach;
}

QList<Limit> allBut(const QList<Limit> &limits, const QList<Limit> &kept)
{
    QList<Limit> rest;
    for (Limit limit : limits)
        if (!kept.contains(limit))
            rest << limit;
    return rest;
}

// The reason a limit cannot be met together with the limits `with` (none: the bounds
// alone), or nothing when it can, or when no reach could be found in time.
std::optional<QString> unreachable(const Input &input, MipSolver &solver, Limit limit,
                                   const QList<Limit> &with, const Tightening &tightening, bool &cutShort)
{
    const MipProblem problem = buildFeasibility(input, allBut(activeLimits(input.bands), with), tightening);
    std::optional<Proposal> best;
    if (limit == Limit::BinderMin) {
        const BinderReach reach = highestBinder(input, solver, problem, cutShort);
        if (reach.onlyEggs && with.isEmpty())
            return limitText(limit, *edgeOf(input.bands, limit)) +
                   QCoreApplication::translate("Formula",
                                               ": nel mix pesano solo le uova, che non hanno indice legante");
        best = reach.best;
    } else {
        best = furthestLinear(input, solver, problem, limit, cutShort);
    }
    if (!best)
        return std::nullopt;
    const Check mix = check(input, *best);
    const std::optional<double> shown = mix.calculated ? shownValue(mix.results, limit) : std::nullopt;
    if (!shown || meets(mix.results, input.bands, limit))
        return std::nullopt;
    return unreachableText(input.bands, limit, *shown, with);
}

MipStatus feasibility(const Input &input, MipSolver &solver, const QList<Limit> &with,
                      const Tightening &tightening)
{
    return solver.solve(buildFeasibility(input, allBut(activeLimits(input.bands), with), tightening)).status;
}

// A smallest set of limits that no mix meets together: each limit in turn is left out
// for good if the others still admit no mix. Leaving any one of those that remain out
// admits a mix, so each of them can be told with the others.
QList<Limit> conflictingLimits(const Input &input, MipSolver &solver, const Tightening &tightening,
                               bool &cutShort)
{
    QList<Limit> conflict = activeLimits(input.bands);
    for (Limit limit : activeLimits(input.bands)) {
        QList<Limit> without = conflict;
        without.removeOne(limit);
        const MipStatus status = feasibility(input, solver, without, tightening);
        if (status == MipStatus::Infeasible)
            conflict = without;
        cutShort = cutShort || status == MipStatus::TimedOut || status == MipStatus::Failed;
    }
    return conflict;
}

} // namespace

bool showsAsFar(const Input &input, Limit limit, const Proposal &found, double bound)
{
    const Check mix = check(input, found);
    const std::optional<double> shown = mix.calculated ? shownValue(mix.results, limit) : std::nullopt;
    if (!shown || limit == Limit::BinderMin)
        return false;
    const double furthest = bound / (wholeScale(limitTerms(input, limit, 0)) * double(input.totalGrams));
    const double margin = 1e-9 * std::max(1.0, std::abs(furthest));
    return numbers::roundToDecimals(furthest - margin, 2) == *shown &&
           numbers::roundToDecimals(furthest + margin, 2) == *shown;
}

// Reasons found while another reach ran out of time say so: the list may be incomplete.
static QStringList withCutShortNote(QStringList reasons, bool cutShort)
{
    if (cutShort)
        reasons << reasonsCutShortText();
    return reasons;
}

QString reasonsCutShortText()
{
    return QCoreApplication::translate(
        "Formula", "La ricerca dei motivi si è fermata al suo limite di passi: potrebbe mancarne qualcuno");
}

// The total cannot be made from the rows' bounds in whole grams; the eggs' weight, whole
// eggs of so many grams, is part of what makes it so whenever the egg row is ticked.
static QString boundsExcludeTotal(const Input &input)
{
    const QString total = gramsText(double(input.totalGrams));
    if (!input.eggs)
        return QCoreApplication::translate("Formula", "le righe mantenute, i minimi e i massimi non "
                                                      "permettono un mix di esattamente %1 in grammi "
                                                      "interi")
            .arg(total);
    return QCoreApplication::translate(
               "Formula", "le righe mantenute, i minimi, i massimi e le uova (intere, da %2 l'una) non "
                          "permettono un mix di esattamente %1 in grammi interi")
        .arg(total, gramsText(double(input.eggs->gramsPerEgg)));
}

QStringList explainNoMix(const Input &input, MipSolver &solver, const Tightening &tightening)
{
    switch (feasibility(input, solver, {}, tightening)) {
    case MipStatus::Optimal:
    case MipStatus::Feasible:
        break;
    case MipStatus::Infeasible:
        return {boundsExcludeTotal(input)};
    case MipStatus::TimedOut:
        return {timedOutText()};
    case MipStatus::Failed:
        return {kSolverFailed};
    }

    QStringList reasons;
    bool cutShort = false;
    for (Limit limit : activeLimits(input.bands))
        if (const std::optional<QString> reason = unreachable(input, solver, limit, {}, tightening, cutShort))
            reasons << *reason;
    if (!reasons.isEmpty())
        return withCutShortNote(reasons, cutShort);

    const QList<Limit> conflict = conflictingLimits(input, solver, tightening, cutShort);
    for (Limit limit : conflict) {
        QList<Limit> others = conflict;
        others.removeOne(limit);
        if (const std::optional<QString> reason =
                unreachable(input, solver, limit, others, tightening, cutShort))
            reasons << *reason;
    }
    if (!reasons.isEmpty())
        return withCutShortNote(reasons, cutShort);
    if (cutShort)
        return {timedOutText()};
    return {QCoreApplication::translate(
        "Formula", "I limiti scelti si escludono a vicenda: nessun mix in grammi interi li rispetta "
                   "tutti insieme")};
}

} // namespace formula
