// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulaproblem.h"

namespace formula {
namespace {

double currentRowGrams(const Input &input)
{
    double sum = 0;
    for (const Candidate &c : input.rows)
        sum += c.currentGrams;
    return sum;
}

double currentEggCount(const Input &input)
{
    return input.eggs ? input.eggs->currentCount : 0;
}

int gramsPerEgg(const Input &input)
{
    return input.eggs ? input.eggs->gramsPerEgg : 0;
}

void addGramsAndEggs(const Input &input, MipProblem &problem)
{
    const double total = double(input.totalGrams);
    for (const Candidate &c : input.rows) {
        MipVariable v{QStringLiteral("riga %1").arg(c.row), double(c.minGrams),
                      double(c.maxGrams.value_or(input.totalGrams)), true, 0};
        if (c.keep)
            v.lower = *(v.upper = c.currentGrams);
        problem.variables << v;
    }
    if (const std::optional<Eggs> &eggs = input.eggs) {
        MipVariable v{QStringLiteral("uova"), eggs->currentCount, eggs->currentCount, true, 0};
        if (eggs->free) {
            v.lower = double(eggs->minCount);
            v.upper = eggs->maxCount          ? double(*eggs->maxCount)
                      : eggs->gramsPerEgg > 0 ? std::floor(total / eggs->gramsPerEgg)
                                              : 0;
        }
        problem.variables << v;
    }
}

void addTotal(const Input &input, const Layout &layout, MipProblem &problem)
{
    MipConstraint total{QStringLiteral("totale"), {}, double(input.totalGrams), double(input.totalGrams)};
    for (int index : layout.grams)
        total.terms << qMakePair(index, 1.0);
    if (layout.eggs >= 0)
        total.terms << qMakePair(layout.eggs, double(gramsPerEgg(input)));
    problem.constraints << total;
}

void addLimits(const Input &input, const Layout &layout, const QList<Limit> &without,
               const Tightening &tightening, MipProblem &problem)
{
    for (Limit limit : activeLimits(input.bands)) {
        if (without.contains(limit))
            continue;
        const double edge = constraintEdge(*edgeOf(input.bands, limit), limit, tightening[size_t(limit)]);
        problem.constraints << limitConstraint(input, layout, limit, edge);
        if (limit == Limit::BinderMin) {
            MipConstraint weighed{QStringLiteral("legante peso"), {}, 1.0, std::nullopt};
            for (int index : layout.grams)
                weighed.terms << qMakePair(index, 1.0);
            problem.constraints << weighed;
        }
    }
}

void setCostObjective(const Input &input, const Layout &layout, MipProblem &problem)
{
    for (int k = 0; k < input.rows.size(); ++k)
        problem.variables[layout.grams[k]].objective = input.rows[k].pricePerKg.value_or(0) / 1000;
    if (layout.eggs >= 0)
        problem.variables[layout.eggs].objective = input.eggs->pricePerEgg.value_or(0);
}

// Each distance is at least the gap on either side of its target, and the sum is
// minimised, so each ends up exactly the gap. A row's target moves with the egg count,
// (current grams / current rows' total) x (total - grams per egg x eggs), which is linear
// in the eggs.
void addDistances(const Input &input, const Layout &layout, MipProblem &problem)
{
    const double rows = currentRowGrams(input);
    const double total = double(input.totalGrams);
    const double perEgg = gramsPerEgg(input);
    for (int k = 0; k < input.rows.size(); ++k) {
        const Candidate &c = input.rows[k];
        const int d = layout.rowDistances[k];
        problem.variables << MipVariable{QStringLiteral("distanza riga %1").arg(c.row), 0, std::nullopt,
                                         false, 1};
        const double share = rows > 0 ? c.currentGrams / rows : 0;
        MipConstraint above{QStringLiteral("distanza riga %1 sopra").arg(c.row),
                            {qMakePair(d, 1.0), qMakePair(layout.grams[k], -1.0)},
                            -share * total,
                            std::nullopt};
        MipConstraint below{QStringLiteral("distanza riga %1 sotto").arg(c.row),
                            {qMakePair(d, 1.0), qMakePair(layout.grams[k], 1.0)},
                            share * total,
                            std::nullopt};
        if (layout.eggs >= 0 && share > 0) {
            above.terms << qMakePair(layout.eggs, -share * perEgg);
            below.terms << qMakePair(layout.eggs, share * perEgg);
        }
        problem.constraints << above << below;
    }
    if (layout.eggDistance >= 0) {
        const int u = layout.eggDistance;
        const double target = targetEggCount(input);
        problem.variables << MipVariable{QStringLiteral("distanza uova"), 0, std::nullopt, false, 1};
        problem.constraints << MipConstraint{QStringLiteral("distanza uova sopra"),
                                             {qMakePair(u, 1.0), qMakePair(layout.eggs, -perEgg)},
                                             -perEgg * target,
                                             std::nullopt}
                            << MipConstraint{QStringLiteral("distanza uova sotto"),
                                             {qMakePair(u, 1.0), qMakePair(layout.eggs, perEgg)},
                                             perEgg * target,
                                             std::nullopt};
    }
}

} // namespace

Layout layoutOf(const Input &input)
{
    Layout layout;
    int next = 0;
    for (qsizetype k = 0; k < input.rows.size(); ++k)
        layout.grams << next++;
    if (input.eggs)
        layout.eggs = next++;
    if (input.goal == Goal::ClosestToCurrent) {
        for (qsizetype k = 0; k < input.rows.size(); ++k)
            layout.rowDistances << next++;
        if (input.eggs && input.eggs->free)
            layout.eggDistance = next++;
    }
    return layout;
}

QString constraintName(Limit limit)
{
    static const char *const names[kLimitCount] = {"proteine min",     "proteine max",    "grassi min",
                                                   "grassi max",       "carboidrati min", "carboidrati max",
                                                   "digeribilità min", "legante min"};
    return QString::fromUtf8(names[size_t(limit)]);
}

MipConstraint limitConstraint(const Input &input, const Layout &layout, Limit limit, double edge)
{
    MipConstraint c{constraintName(limit), {}, std::nullopt, std::nullopt};
    if (limit == Limit::BinderMin) {
        for (int k = 0; k < input.rows.size(); ++k)
            c.terms << qMakePair(layout.grams[k], rowCoefficient(input.rows[k], limit) - edge);
        c.lower = 0;
        return c;
    }
    for (int k = 0; k < input.rows.size(); ++k)
        c.terms << qMakePair(layout.grams[k], rowCoefficient(input.rows[k], limit));
    if (layout.eggs >= 0)
        c.terms << qMakePair(layout.eggs, eggCoefficient(*input.eggs, limit) * input.eggs->gramsPerEgg);
    (isMin(limit) ? c.lower : c.upper) = edge * double(input.totalGrams);
    return c;
}

MipProblem buildFeasibility(const Input &input, const QList<Limit> &without, const Tightening &tightening)
{
    Input plain = input;
    plain.goal = Goal::LowestCost; // no distance variables
    MipProblem problem;
    const Layout layout = layoutOf(plain);
    addGramsAndEggs(plain, problem);
    addTotal(plain, layout, problem);
    addLimits(plain, layout, without, tightening, problem);
    return problem;
}

MipProblem buildProblem(const Input &input, const Tightening &tightening)
{
    MipProblem problem;
    const Layout layout = layoutOf(input);
    addGramsAndEggs(input, problem);
    addTotal(input, layout, problem);
    addLimits(input, layout, {}, tightening, problem);
    if (input.goal == Goal::LowestCost)
        setCostObjective(input, layout, problem);
    else
        addDistances(input, layout, problem);
    return problem;
}

QList<double> targetGrams(const Input &input, double eggCount)
{
    const double rows = currentRowGrams(input);
    if (!(rows > 0))
        return {};
    const double left = double(input.totalGrams) - gramsPerEgg(input) * eggCount;
    QList<double> targets;
    for (const Candidate &c : input.rows)
        targets << c.currentGrams / rows * left;
    return targets;
}

double targetEggCount(const Input &input)
{
    const double currentTotal = currentRowGrams(input) + gramsPerEgg(input) * currentEggCount(input);
    if (!(currentTotal > 0))
        return 0;
    return currentEggCount(input) * double(input.totalGrams) / currentTotal;
}

} // namespace formula
