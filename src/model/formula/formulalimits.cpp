// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulalimits.h"

#include "balancetexts.h"
#include "numbers.h"

#include <QCoreApplication>

namespace formula {
namespace {

enum class Measure
{
    Protein,
    Fat,
    Carbo,
    Digestibility,
    Binder
};

Measure measureOf(Limit limit)
{
    switch (limit) {
    case Limit::ProteinMin:
    case Limit::ProteinMax:
        return Measure::Protein;
    case Limit::FatMin:
    case Limit::FatMax:
        return Measure::Fat;
    case Limit::CarboMin:
    case Limit::CarboMax:
        return Measure::Carbo;
    case Limit::DigestibilityMin:
        return Measure::Digestibility;
    case Limit::BinderMin:
        break;
    }
    return Measure::Binder;
}

// The nutrient a measure is the share of; none for the indices.
std::optional<balance::Nutrient> nutrientOf(Measure measure)
{
    switch (measure) {
    case Measure::Protein:
        return balance::Nutrient::Protein;
    case Measure::Fat:
        return balance::Nutrient::Fat;
    case Measure::Carbo:
        return balance::Nutrient::Carbo;
    case Measure::Digestibility:
    case Measure::Binder:
        break;
    }
    return std::nullopt;
}

bool isShare(Limit limit)
{
    return nutrientOf(measureOf(limit)).has_value();
}

const Band &bandOf(const Bands &bands, Measure measure)
{
    return measure == Measure::Protein ? bands.protein : measure == Measure::Fat ? bands.fat : bands.carbo;
}

// Half a step of the last shown decimal: the rounding that the results use.
constexpr double kHalfStep = 0.005;

} // namespace

bool isMin(Limit limit)
{
    return limit != Limit::ProteinMax && limit != Limit::FatMax && limit != Limit::CarboMax;
}

std::optional<double> edgeOf(const Bands &bands, Limit limit)
{
    switch (measureOf(limit)) {
    case Measure::Digestibility:
        return bands.minDigestibility;
    case Measure::Binder:
        return bands.minBinder;
    default:
        break;
    }
    const Band &band = bandOf(bands, measureOf(limit));
    if (!band.on)
        return std::nullopt;
    return isMin(limit) ? band.min : band.max;
}

double admittedEdge(double edge, Limit limit)
{
    const double shown = numbers::roundToDecimals(edge, 2);
    if (isMin(limit) ? shown >= edge : shown <= edge)
        return shown;
    return numbers::roundToDecimals(shown + (isMin(limit) ? 0.01 : -0.01), 2);
}

Bands admittedBands(const Bands &bands)
{
    Bands admitted = bands;
    auto admit = [](Band &band, Limit min, Limit max) {
        band.min = admittedEdge(band.min, min);
        band.max = admittedEdge(band.max, max);
    };
    admit(admitted.protein, Limit::ProteinMin, Limit::ProteinMax);
    admit(admitted.fat, Limit::FatMin, Limit::FatMax);
    admit(admitted.carbo, Limit::CarboMin, Limit::CarboMax);
    if (admitted.minDigestibility)
        admitted.minDigestibility = admittedEdge(*admitted.minDigestibility, Limit::DigestibilityMin);
    if (admitted.minBinder)
        admitted.minBinder = admittedEdge(*admitted.minBinder, Limit::BinderMin);
    return admitted;
}

QList<Limit> activeLimits(const Bands &bands)
{
    QList<Limit> active;
    for (Limit limit : kLimits)
        if (edgeOf(bands, limit))
            active << limit;
    return active;
}

std::optional<double> shownValue(const MixResults &results, Limit limit)
{
    if (const auto nutrient = nutrientOf(measureOf(limit)))
        return balance::shownPercent(balance::shareOf(results, *nutrient));
    if (measureOf(limit) == Measure::Digestibility)
        return numbers::roundToDecimals(results.digestibility, 2);
    if (!results.binder)
        return std::nullopt;
    return numbers::roundToDecimals(*results.binder, 2);
}

bool meets(const MixResults &results, const Bands &bands, Limit limit)
{
    const std::optional<double> edge = edgeOf(bands, limit);
    if (!edge)
        return true;
    const std::optional<double> shown = shownValue(results, limit);
    return shown && (isMin(limit) ? *shown >= *edge : *shown <= *edge);
}

double rowCoefficient(const Candidate &row, Limit limit)
{
    switch (measureOf(limit)) {
    case Measure::Protein:
        return row.protein;
    case Measure::Fat:
        return row.fat;
    case Measure::Carbo:
        return row.carbo;
    case Measure::Digestibility:
        return row.digestibility;
    case Measure::Binder:
        break;
    }
    return row.binder;
}

double eggCoefficient(const Eggs &eggs, Limit limit)
{
    switch (measureOf(limit)) {
    case Measure::Protein:
        return eggs.protein;
    case Measure::Fat:
        return eggs.fat;
    case Measure::Carbo:
        return eggs.carbo;
    case Measure::Digestibility:
        return eggs.digestibility;
    case Measure::Binder: // eggs never enter the binder index
        break;
    }
    return 0;
}

double constraintEdge(double edge, Limit limit, double tightening)
{
    return isMin(limit) ? edge - kHalfStep + tightening : edge + kHalfStep - tightening;
}

LimitTerms limitTerms(const Input &input, Limit limit, double edge)
{
    LimitTerms terms{limit, isMin(limit), edge, {}, std::nullopt};
    for (const Candidate &row : input.rows)
        terms.rowValues << rowCoefficient(row, limit);
    if (input.eggs && limit != Limit::BinderMin)
        terms.eggValue = eggCoefficient(*input.eggs, limit);
    return terms;
}

QList<LimitTerms> admittedLimits(const Input &input, const QList<Limit> &without,
                                 const Tightening &tightening)
{
    QList<LimitTerms> admitted;
    for (Limit limit : activeLimits(input.bands))
        if (!without.contains(limit))
            admitted << limitTerms(
                input, limit, constraintEdge(*edgeOf(input.bands, limit), limit, tightening[size_t(limit)]));
    return admitted;
}

double arithmeticSlack(Limit limit)
{
    // Seven digits of an index of at most 5, with thirteen roundings on the way.
    return measureOf(limit) == Measure::Binder ? 1e-5 : 1e-9;
}

QString limitSubject(Limit limit)
{
    if (const auto nutrient = nutrientOf(measureOf(limit)))
        return balance::nutrientName(*nutrient);
    if (measureOf(limit) == Measure::Digestibility)
        return QCoreApplication::translate("Formula", "Indice di digeribilità");
    return QCoreApplication::translate("Formula", "Indice legante");
}

QString edgeText(double edge, Limit limit)
{
    return numbers::plainText(edge) + (isShare(limit) ? QStringLiteral("%") : QString());
}

QString shownText(double shown, Limit limit)
{
    return isShare(limit) ? numbers::percent(shown / 100) : numbers::twoDecimals(shown);
}

} // namespace formula
