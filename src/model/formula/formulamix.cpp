// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulamix.h"

#include "numbers.h"

#include <cmath>

namespace formula {

Proposal proposalOf(const Input &input, const Layout &layout, const QList<double> &values)
{
    Proposal proposal;
    for (int k = 0; k < input.rows.size(); ++k)
        proposal.grams << qint64(std::llround(values[layout.grams[k]]));
    if (layout.eggs >= 0)
        proposal.eggCount = qint64(std::llround(values[layout.eggs]));
    return proposal;
}

CalculatedRows mixOf(const Input &input, const QList<qint64> &grams, qint64 eggCount)
{
    CalculatedRows rows{};
    for (int k = 0; k < input.rows.size(); ++k) {
        const Candidate &c = input.rows[k];
        rows[size_t(c.row - 1)] = {c.name,  double(grams[k]), c.protein, c.fat,
                                   c.carbo, c.digestibility,  c.binder};
    }
    if (const std::optional<Eggs> &eggs = input.eggs) {
        const double weight = eggWeight(double(eggCount), eggs->gramsPerEgg);
        rows[size_t(field::kEggRow - 1)] = {
            eggs->kind, weight, eggs->protein, eggs->fat, eggs->carbo, eggs->digestibility, 0};
    }
    return rows;
}

Check check(const Input &input, const Proposal &proposal)
{
    Check result;
    const MixOutcome outcome = computeMix(mixOf(input, proposal.grams, proposal.eggCount));
    if (outcome.problem != MixProblem::None)
        return result;
    result.calculated = true;
    result.results = outcome.results;

    bool inside = outcome.results.totalWeight == double(input.totalGrams);
    for (int k = 0; k < input.rows.size(); ++k) {
        const Candidate &c = input.rows[k];
        const qint64 g = proposal.grams[k];
        inside = inside && (c.keep ? double(g) == c.currentGrams
                                   : g >= c.minGrams && g <= c.maxGrams.value_or(input.totalGrams));
    }
    if (const std::optional<Eggs> &eggs = input.eggs) {
        const qint64 n = proposal.eggCount;
        inside = inside && (eggs->free ? n >= eggs->minCount && (!eggs->maxCount || n <= *eggs->maxCount)
                                       : double(n) == eggs->currentCount);
    }
    result.totalAndBounds = inside;

    for (Limit limit : activeLimits(input.bands))
        if (!meets(outcome.results, input.bands, limit))
            result.missed << limit;
    return result;
}

MixCost costOf(const Input &input, const Proposal &proposal)
{
    QList<CostItem> items;
    for (int k = 0; k < input.rows.size(); ++k)
        addCostItem(items,
                    CostItem{input.rows[k].name, input.rows[k].pricePerKg, double(proposal.grams[k]) / 1000});
    if (input.eggs)
        addCostItem(items, CostItem{input.eggs->kind, input.eggs->pricePerEgg, double(proposal.eggCount)});
    return sumCost(items, double(input.totalGrams));
}

double distanceOf(const Input &input, const Proposal &proposal)
{
    const QList<double> targets = targetGrams(input, double(proposal.eggCount));
    if (targets.isEmpty())
        return 0;
    double distance = 0;
    for (int k = 0; k < input.rows.size(); ++k)
        distance += std::abs(double(proposal.grams[k]) - targets[k]);
    if (input.eggs && input.eggs->free)
        distance += input.eggs->gramsPerEgg * std::abs(double(proposal.eggCount) - targetEggCount(input));
    return distance;
}

} // namespace formula
