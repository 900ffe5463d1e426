// SPDX-License-Identifier: GPL-3.0-or-later
#include "balance.h"

#include "messages.h"
#include "numbers.h"

using namespace field;

namespace balance {
namespace {

double percentOf(const CalculatedRow &row, Nutrient nutrient)
{
    switch (nutrient) {
    case Nutrient::Protein:
        return row.protein;
    case Nutrient::Carbo:
        return row.carbo;
    case Nutrient::Fat:
        break;
    }
    return row.fat;
}

// The three shares as fractions, as the calculation gives them; nothing when the mix
// could not be calculated.
std::optional<std::array<double, 3>> sharesOf(const CalculatedRows &rows)
{
    const MixOutcome outcome = computeMix(rows, false);
    if (outcome.problem != MixProblem::None)
        return std::nullopt;
    std::array<double, 3> shares{};
    for (size_t k = 0; k < shares.size(); ++k)
        shares[k] = shareOf(outcome.results, kNutrients[k]);
    return shares;
}

// The rows with extra grams added to one row; the copy is made once per row tried.
class WithExtra
{
public:
    WithExtra(const CalculatedRows &rows, int row)
        : m_rows(rows), m_row(size_t(row - 1)), m_base(rows[m_row].grams)
    {}
    std::optional<std::array<double, 3>> shares(double extra)
    {
        m_rows[m_row].grams = m_base + extra;
        return sharesOf(m_rows);
    }

private:
    CalculatedRows m_rows;
    size_t m_row;
    double m_base;
};

// Whether the row's own percentage lies beyond the edge the share has crossed, so
// that adding it pulls the share back towards the range.
bool canPullBack(double rowPercent, Verdict verdict, Range range)
{
    return verdict == Verdict::Below ? rowPercent > range.low : rowPercent < range.high;
}

// The smallest whole number of grams of `row` that brings the share of nutrient k into
// range, or nothing within kMaxGrams. The share moves monotonically towards the row's
// own percentage as grams are added, so once it has reached the edge it was outside of
// it stays there: a binary search over 1..kMaxGrams finds the first such g in about 30
// checks. If that g already overshoots the far edge (a few grams in a tiny mix), no g
// can land inside.
std::optional<qint64> gramsToCorrect(const CalculatedRows &rows, int row, int k, Verdict verdict, Range range)
{
    WithExtra mix(rows, row);
    auto shareWith = [&](qint64 g) -> std::optional<double> {
        if (const auto shares = mix.shares(double(g)))
            return shownPercent((*shares)[size_t(k)]);
        return std::nullopt;
    };
    auto reached = [&](qint64 g) {
        const std::optional<double> share = shareWith(g);
        return share && (verdict == Verdict::Below ? *share >= range.low : *share <= range.high);
    };
    if (!reached(kMaxGrams))
        return std::nullopt;
    qint64 notEnough = 0, enough = kMaxGrams;
    while (enough - notEnough > 1) {
        const qint64 middle = notEnough + (enough - notEnough) / 2;
        (reached(middle) ? enough : notEnough) = middle;
    }
    if (verdictOf(*shareWith(enough), range) != Verdict::InRange)
        return std::nullopt;
    return enough;
}

std::optional<Suggestion> suggest(const CalculatedRows &rows, int k, Verdict verdict, Range range)
{
    std::optional<Suggestion> best;
    for (int row = 1; row < kEggRow; ++row) { // eggs come whole: never suggested
        const CalculatedRow &r = rows[size_t(row - 1)];
        if (r.name.isEmpty() || !(r.grams > 0) || !canPullBack(percentOf(r, kNutrients[k]), verdict, range))
            continue;
        const std::optional<qint64> grams = gramsToCorrect(rows, row, k, verdict, range);
        if (grams && (!best || *grams < best->grams)) // a tie keeps the first row
            best = Suggestion{row, messages::ingredientName(r.name, row), *grams, {}};
    }
    if (best) {
        const std::array<double, 3> after = *WithExtra(rows, best->row).shares(double(best->grams));
        for (int j = 0; j < 3; ++j)
            best->shares[size_t(j)] = numbers::percent(after[size_t(j)]);
    }
    return best;
}

} // namespace

Verdict verdictOf(double shown, Range range)
{
    if (shown < range.low)
        return Verdict::Below;
    if (shown > range.high)
        return Verdict::Above;
    return Verdict::InRange;
}

double shareOf(const MixResults &results, Nutrient nutrient)
{
    switch (nutrient) {
    case Nutrient::Protein:
        return results.proteinShare;
    case Nutrient::Carbo:
        return results.carboShare;
    case Nutrient::Fat:
        break;
    }
    return results.fatShare;
}

std::array<Verdict, 3> verdicts(const MixResults &results)
{
    std::array<Verdict, 3> out{};
    for (size_t k = 0; k < out.size(); ++k)
        out[k] = verdictOf(shownPercent(shareOf(results, kNutrients[k])), rangeOf(kNutrients[k]));
    return out;
}

double shownPercent(double fraction)
{
    return numbers::roundToDecimals(fraction * 100, 2);
}

Range rangeOf(Nutrient nutrient)
{
    switch (nutrient) {
    case Nutrient::Protein:
        return {17, 40};
    case Nutrient::Carbo:
        return {25, 60};
    case Nutrient::Fat:
        break;
    }
    return {3, 8};
}

Report check(const CalculatedRows &rows)
{
    // The rows of a successful calculation always calculate again.
    const std::array<double, 3> shares = sharesOf(rows).value_or(std::array<double, 3>{});
    Report report;
    for (int k = 0; k < 3; ++k) {
        Assessment &a = report[size_t(k)];
        a.nutrient = kNutrients[k];
        a.share = numbers::percent(shares[size_t(k)]);
        const Range range = rangeOf(a.nutrient);
        a.verdict = verdictOf(shownPercent(shares[size_t(k)]), range);
        if (a.verdict != Verdict::InRange)
            a.suggestion = suggest(rows, k, a.verdict, range);
    }
    return report;
}

} // namespace balance
