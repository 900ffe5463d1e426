// SPDX-License-Identifier: GPL-3.0-or-later
#include "mixresults.h"

#include "numbers.h"

using namespace field;

namespace {

// A result as its field keeps it: written as plain text, read back.
double asWritten(double value)
{
    return numbers::valueOrZero(numbers::plainText(value));
}

} // namespace

MixOutcome computeMix(const CalculatedRows &rows, bool indices)
{
    double gp = 0, gf = 0, gc = 0, sd = 0;
    for (const CalculatedRow &r : rows) {
        gp += r.grams * r.protein / 100;
        gf += r.grams * r.fat / 100;
        gc += r.grams * r.carbo / 100;
        sd += r.digestibility / 100 * r.grams;
    }
    // The binder sum is kept in single precision, each row's share stored as a float.
    double ingredients = 0;
    double binderSum = 0;
    for (int row = 1; row < kEggRow; ++row) {
        const CalculatedRow &r = rows[size_t(row - 1)];
        ingredients += r.grams;
        binderSum += double(float(r.binder / 100 * r.grams));
    }
    const float sb = float(binderSum);
    const double eggs = rows[size_t(kEggRow - 1)].grams;

    // A custom row may hold a huge negative percentage, so each sum is checked alone.
    for (double sum : {ingredients + eggs, gp, gf, gc})
        if (!numbers::fitsPlainText(sum))
            return {MixProblem::TooLarge, {}};
    if (indices && !(numbers::fitsPlainText(sd) && numbers::fitsPlainText(double(sb))))
        return {MixProblem::TooLarge, {}};
    MixResults out;
    const double t = out.totalWeight = asWritten(ingredients + eggs);
    if (t == 0)
        return {MixProblem::ZeroTotal, {}};
    out.proteinGrams = asWritten(gp);
    out.proteinShare = asWritten(out.proteinGrams / t);
    out.fatGrams = asWritten(gf);
    out.fatShare = asWritten(out.fatGrams / t);
    out.carboGrams = asWritten(gc);
    out.carboShare = asWritten(out.carboGrams / t);
    if (!indices)
        return {MixProblem::None, out};
    out.digestibility = asWritten(numbers::roundTo15(sd) / (t / 100));

    // Only eggs weigh: there is no ingredient weight to average the binder over.
    if (const double ti = numbers::roundTo15(ingredients); ti != 0) {
        const double sbRounded = numbers::valueOrZero(numbers::significantText(double(sb), 7));
        out.binder = asWritten(sbRounded / (ti / 100));
    }
    return {MixProblem::None, out};
}

double eggWeight(double count, int gramsPerEgg)
{
    const double weight = count * gramsPerEgg;
    // A weight too large for a text stays as it is: the calculation refuses it whole.
    return numbers::fitsPlainText(weight) ? numbers::roundTo15(weight) : weight;
}
