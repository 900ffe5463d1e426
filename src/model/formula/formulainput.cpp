// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulainput.h"

#include "catalogue.h"
#include "formulalimits.h"
#include "messages.h"
#include "mixcost.h"
#include "mixresults.h"
#include "numbers.h"

#include <QCoreApplication>

#include <cmath>

namespace formula {
namespace {

QString rowLabel(const Candidate &c)
{
    return QCoreApplication::translate("Formula", "Riga %1 (%2)")
        .arg(c.row)
        .arg(catalogue::displayName(c.name));
}

bool isWhole(double value)
{
    return value >= 0 && std::floor(value) == value;
}

// The smallest and largest weight the rows and the eggs can make, each bound taken alone.
struct Span
{
    double min = 0;
    double max = 0;
    bool eggsInMin = false;
    bool eggsInMax = false;
};

void checkRows(const Input &input, QStringList &reasons, Span &span)
{
    for (const Candidate &c : input.rows) {
        if (c.keep) {
            if (!isWhole(c.currentGrams))
                reasons << rowLabel(c) + QCoreApplication::translate(
                                             "Formula",
                                             ": %1 non sono grammi interi, quindi la riga non si può "
                                             "mantenere com'è")
                                             .arg(gramsText(c.currentGrams));
            span.min += c.currentGrams;
            span.max += c.currentGrams;
            continue;
        }
        const qint64 max = c.maxGrams.value_or(input.totalGrams);
        if (c.minGrams < 0 || max < 0)
            reasons << rowLabel(c) +
                           QCoreApplication::translate("Formula", ": i grammi non possono essere negativi");
        else if (c.minGrams > max && c.maxGrams)
            reasons << rowLabel(c) +
                           QCoreApplication::translate("Formula", ": il minimo di %1 supera il massimo di %2")
                               .arg(gramsText(double(c.minGrams)), gramsText(double(max)));
        else if (c.minGrams > max) // no maximum of its own: the total is the limit
            reasons << rowLabel(c) + QCoreApplication::translate("formula",
                                                                 ": il minimo di %1 supera il peso "
                                                                 "totale di %2")
                                         .arg(gramsText(double(c.minGrams)), gramsText(double(max)));
        span.min += double(qMax<qint64>(c.minGrams, 0));
        span.max += double(qMax<qint64>(max, 0));
    }
}

void checkEggs(const Input &input, QStringList &reasons, Span &span)
{
    const Eggs &eggs = *input.eggs;
    if (eggs.gramsPerEgg <= 0) {
        reasons << QCoreApplication::translate("Formula", "Uova: «%1» non è un tipo di uovo conosciuto")
                       .arg(eggs.kind);
        return;
    }
    if (!eggs.free) {
        if (!isWhole(eggs.currentCount))
            reasons << QCoreApplication::translate(
                           "Formula", "Uova: %1 non è un numero intero di uova: lasciare libero il numero "
                                      "delle uova o scriverne uno intero")
                           .arg(numbers::plainText(eggs.currentCount));
        const double weight = eggWeight(eggs.currentCount, eggs.gramsPerEgg);
        span.min += weight;
        span.max += weight;
        span.eggsInMin = span.eggsInMax = weight > 0;
        return;
    }
    if (eggs.minCount < 0 || (eggs.maxCount && *eggs.maxCount < 0))
        reasons << QCoreApplication::translate("Formula",
                                               "Uova: il numero delle uova non può essere negativo");
    else if (eggs.maxCount && *eggs.maxCount < eggs.minCount)
        reasons << QCoreApplication::translate("Formula",
                                               "Uova: il minimo di %1 uova supera il massimo di %2")
                       .arg(eggs.minCount)
                       .arg(*eggs.maxCount);
    span.min += eggWeight(double(qMax<qint64>(eggs.minCount, 0)), eggs.gramsPerEgg);
    span.max += eggs.maxCount ? eggWeight(double(qMax<qint64>(*eggs.maxCount, 0)), eggs.gramsPerEgg)
                              : double(input.totalGrams);
    span.eggsInMin = eggs.minCount > 0;
    span.eggsInMax = true;
}

void checkBands(const Bands &bands, QStringList &reasons)
{
    for (Limit limit : {Limit::ProteinMin, Limit::FatMin, Limit::CarboMin}) {
        const Limit upper = Limit(int(limit) + 1);
        const std::optional<double> low = edgeOf(bands, limit), high = edgeOf(bands, upper);
        if (low && high && *low > *high)
            reasons << QCoreApplication::translate("Formula", "%1: il minimo %2 supera il massimo %3")
                           .arg(limitSubject(limit), edgeText(*low, limit), edgeText(*high, upper));
    }
}

void checkPrices(const Input &input, QStringList &reasons)
{
    for (const Candidate &c : input.rows) {
        const bool mayWeigh = c.keep ? c.currentGrams > 0 : c.maxGrams.value_or(input.totalGrams) > 0;
        if (mayWeigh && !c.pricePerKg)
            reasons << missingPriceText(messages::ingredientName(c.name, c.row));
    }
    if (const std::optional<Eggs> &eggs = input.eggs) {
        const bool mayWeigh = eggs->free ? eggs->maxCount.value_or(1) > 0 : eggs->currentCount > 0;
        if (mayWeigh && !eggs->pricePerEgg)
            reasons << missingPriceText(eggs->kind);
    }
}

} // namespace

// Whole grams grouped in thousands, as every figure of the program: "10.000.000 g".
QString gramsText(double value)
{
    const bool whole = value == std::floor(value) && std::abs(value) < 1e15;
    return (whole ? numbers::integerText(qint64(value)) : numbers::plainText(value)) + QStringLiteral(" g");
}

QStringList inputProblems(const Input &input)
{
    const qint64 total = input.totalGrams;
    if (total <= 0)
        return {QCoreApplication::translate(
            "Formula", "Il peso totale deve essere un numero intero di grammi maggiore di zero")};
    if (total > kMaxTotalGrams)
        return {QCoreApplication::translate("Formula", "Il peso totale può essere al massimo di %1")
                    .arg(gramsText(double(kMaxTotalGrams)))};
    if (input.rows.isEmpty() && !input.eggs)
        return {QCoreApplication::translate("Formula",
                                            "Nessun componente nel mix: scegliere almeno un ingrediente")};

    QStringList reasons;
    Span span;
    checkRows(input, reasons, span);
    if (input.eggs)
        checkEggs(input, reasons, span);
    checkBands(input.bands, reasons);
    if (!reasons.isEmpty())
        return reasons;

    if (span.min > double(total))
        reasons << QCoreApplication::translate("Formula", "%1 superano il peso totale (%2 contro %3)")
                       .arg(span.eggsInMin
                                ? QCoreApplication::translate("Formula", "i minimi delle righe e le uova")
                                : QCoreApplication::translate("Formula", "i minimi delle righe"),
                            gramsText(span.min), gramsText(double(total)));
    if (span.max < double(total))
        reasons << QCoreApplication::translate("Formula", "%1 non arrivano al peso totale (%2 contro %3)")
                       .arg(span.eggsInMax
                                ? QCoreApplication::translate("Formula", "i massimi delle righe e le uova")
                                : QCoreApplication::translate("Formula", "i massimi delle righe"),
                            gramsText(span.max), gramsText(double(total)));
    if (input.goal == Goal::ClosestToCurrent && !(input.currentRowGrams() > 0))
        reasons << QCoreApplication::translate(
            "Formula", "Le righe 1-13 non hanno grammi: non c'è un mix attuale a cui avvicinarsi");
    if (input.goal == Goal::LowestCost)
        checkPrices(input, reasons);
    return reasons;
}

} // namespace formula
