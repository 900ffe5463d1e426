// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulaproblem.h"

#include "numbers.h"

#include <cmath>

namespace formula {
namespace {

// Beyond this many decimals a value is kept as it is: scaled to a whole number it would
// outgrow the precision of the solver's arithmetic.
constexpr int kMostScaledPlaces = 6;

// The decimals of a value as its 15-digit text shows them: 2 for 12,25, 0 for 75.
int decimalPlaces(double value)
{
    const QString text = numbers::plainText(value);
    const qsizetype comma = text.indexOf(u',');
    return comma < 0 ? 0 : int(text.size() - comma - 1);
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
        total.terms << qMakePair(layout.eggs, double(input.gramsPerEgg()));
    problem.constraints << total;
}

void addLimits(const Input &input, const Layout &layout, const QList<Limit> &without,
               const Tightening &tightening, MipProblem &problem)
{
    for (const LimitTerms &terms : admittedLimits(input, without, tightening)) {
        problem.constraints << limitConstraint(terms, layout, input.gramsPerEgg());
        if (terms.limit == Limit::BinderMin) {
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

// The egg count when it cannot change: kept, or no eggs.
std::optional<double> fixedEggCount(const Input &input)
{
    if (!input.eggs)
        return 0;
    if (!input.eggs->free)
        return input.eggs->currentCount;
    return std::nullopt;
}

// With whole grams, a row whose target t lies between the whole numbers a and a + 1 is
// at least min(t - a, a + 1 - t) away from it, and the distance over the whole numbers is
// the line through (a, t - a) and (a + 1, a + 1 - t) continued on both sides of it. Given
// to the program, that line makes its relaxation as tight as whole grams allow, row by
// row. It holds only for targets that do not move, so only with the egg count fixed: with
// a free count every target moves with the eggs.
void addWholeDistances(const Input &input, const Layout &layout, double eggCount, MipProblem &problem)
{
    const QList<double> targets = targetGrams(input, eggCount);
    for (int k = 0; k < targets.size(); ++k) {
        const double below = std::floor(targets[k]), fraction = targets[k] - below;
        if (fraction < 1e-9 || fraction > 1 - 1e-9)
            continue;
        const double slope = 1 - 2 * fraction;
        problem.constraints << MipConstraint{
            QStringLiteral("distanza riga %1 intera").arg(input.rows[k].row),
            {qMakePair(layout.rowDistances[k], 1.0), qMakePair(layout.grams[k], -slope)},
            fraction - slope * below,
            std::nullopt};
    }
}

// Each distance is at least the gap on either side of its target, and the sum is
// minimised, so each ends up exactly the gap. A row's target moves with the egg count,
// (current grams / current rows' total) x (total - grams per egg x eggs), which is linear
// in the eggs.
void addDistances(const Input &input, const Layout &layout, MipProblem &problem)
{
    const double rows = input.currentRowGrams();
    const double total = double(input.totalGrams);
    const double perEgg = input.gramsPerEgg();
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
    if (const std::optional<double> eggs = fixedEggCount(input))
        addWholeDistances(input, layout, *eggs, problem);
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

MipConstraint limitConstraint(const LimitTerms &terms, const Layout &layout, int gramsPerEgg)
{
    // Relative to the edge every term is small and the bound is 0, whatever the total:
    // sum(grams x (value - edge)) >= 0 (<= 0 for a maximum). Scaled to whole numbers, a
    // whole-gram mix gives a whole sum, so the solver's tolerances cannot let a mix that
    // falls short by a hair through, nor cut off one exactly on the edge.
    const double edge = terms.edge;
    const double scale = wholeScale(terms);
    auto relative = [&](double value) {
        return scale > 1 ? double(std::llround(value * scale) - std::llround(edge * scale)) : value - edge;
    };
    MipConstraint c{constraintName(terms.limit), {}, std::nullopt, std::nullopt};
    for (int k = 0; k < terms.rowValues.size(); ++k)
        c.terms << qMakePair(layout.grams[k], relative(terms.rowValues[k]));
    if (layout.eggs >= 0 && terms.eggValue)
        c.terms << qMakePair(layout.eggs, relative(*terms.eggValue) * gramsPerEgg);
    // Two decimals round half away from zero: 2,995 shows as 3,00 but 8,005 as 8,01 and
    // -0,505 as -0,51, so an edge on the far side of zero from its limit is not inside.
    // A whole sum is strictly above 0 exactly when it is at least 1.
    const bool inside = terms.min ? edge >= 0 : edge < 0;
    const double bound = inside || scale == 1 ? 0 : 1;
    if (terms.min)
        c.lower = bound;
    else
        c.upper = -bound;
    return c;
}

double wholeScale(const LimitTerms &terms)
{
    int places = decimalPlaces(terms.edge);
    for (double value : terms.rowValues)
        places = std::max(places, decimalPlaces(value));
    if (terms.eggValue)
        places = std::max(places, decimalPlaces(*terms.eggValue));
    return places <= kMostScaledPlaces ? std::pow(10.0, places) : 1;
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

MipProblem buildProblemAtEggCount(const Input &input, const Tightening &tightening, double eggCount)
{
    MipProblem problem = buildProblem(input, tightening);
    const Layout layout = layoutOf(input);
    if (layout.eggs < 0)
        return problem;
    MipVariable &eggs = problem.variables[layout.eggs];
    eggs.lower = eggCount;
    eggs.upper = eggCount;
    if (input.goal == Goal::ClosestToCurrent && input.eggs->free)
        addWholeDistances(input, layout, eggCount, problem);
    return problem;
}

QList<double> targetGrams(const Input &input, double eggCount)
{
    const double rows = input.currentRowGrams();
    if (!(rows > 0))
        return {};
    const double left = double(input.totalGrams) - input.gramsPerEgg() * eggCount;
    QList<double> targets;
    for (const Candidate &c : input.rows)
        targets << c.currentGrams / rows * left;
    return targets;
}

double targetEggCount(const Input &input)
{
    const double currentTotal = input.currentRowGrams() + input.gramsPerEgg() * input.currentEggCount();
    if (!(currentTotal > 0))
        return 0;
    return input.currentEggCount() * double(input.totalGrams) / currentTotal;
}

} // namespace formula
