// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulaform.h"

#include "catalogue.h"
#include "formulaentry.h"
#include "numbers.h"

#include <QCoreApplication>

namespace formulaform {
namespace {

// A percent edge of a band that is on.
std::optional<Problem> readBand(const BandText &text, const QString &name, formula::Limit minLimit,
                                formula::Band &band)
{
    band.on = text.on;
    if (!band.on)
        return std::nullopt;
    for (const bool isMin : {true, false}) {
        const QString &edge = isMin ? text.min : text.max;
        const std::optional<double> value = formulaentry::percentEdge(edge);
        if (!value)
            return Problem{
                QCoreApplication::translate("FrmFormula", "%1: il %2 «%3» non è un numero da 0 a 100")
                    .arg(name,
                         isMin ? QCoreApplication::translate("FrmFormula", "minimo")
                               : QCoreApplication::translate("FrmFormula", "massimo"),
                         edge),
                Box::of(isMin ? minLimit : formula::Limit(int(minLimit) + 1))};
        (isMin ? band.min : band.max) = *value;
    }
    return std::nullopt;
}

std::optional<Problem> readIndex(const IndexText &text, const QString &name, formula::Limit limit,
                                 std::optional<double> &minimum)
{
    if (!text.on)
        return std::nullopt;
    minimum = numbers::toNumber(text.min);
    if (minimum)
        return std::nullopt;
    return Problem{
        QCoreApplication::translate("FrmFormula", "%1: il minimo «%2» non è un numero").arg(name, text.min),
        Box::of(limit)};
}

// "Riga 3 (SEMOLINO): il minimo «x» non è un numero intero di grammi", or that it is negative.
Problem rowProblem(const formula::Candidate &c, bool isMin, const QString &typed)
{
    const QString label = QCoreApplication::translate("FrmFormula", "Riga %1 (%2)")
                              .arg(c.row)
                              .arg(catalogue::displayName(c.name));
    const QString which = isMin ? QCoreApplication::translate("FrmFormula", "minimo")
                                : QCoreApplication::translate("FrmFormula", "massimo");
    const Box box{isMin ? Box::Kind::RowMin : Box::Kind::RowMax};
    if (numbers::toNumber(typed).value_or(0) < 0)
        return {QCoreApplication::translate("FrmFormula", "%1: il %2 «%3» è negativo: i grammi non possono "
                                                          "essere negativi")
                    .arg(label, which, typed),
                box, c.row};
    return {QCoreApplication::translate("FrmFormula", "%1: il %2 «%3» non è un numero intero di grammi")
                .arg(label, which, typed),
            box, c.row};
}

std::optional<Problem> readRow(const RowText &text, formula::Candidate &c)
{
    if (text.keep) {
        c.keep = true;
        return std::nullopt;
    }
    if (const QString min = text.min.trimmed(); !min.isEmpty()) {
        const std::optional<qint64> grams = formulaentry::wholeGrams(min);
        if (!grams)
            return rowProblem(c, true, text.min);
        c.minGrams = *grams;
    }
    if (const QString max = text.max.trimmed(); !max.isEmpty()) {
        c.maxGrams = formulaentry::wholeGrams(max);
        if (!c.maxGrams)
            return rowProblem(c, false, text.max);
    }
    return std::nullopt;
}

} // namespace

std::optional<Problem> read(const Form &form, formula::Input &input)
{
    formula::Bands &bands = input.bands;
    if (auto p = readBand(form.protein, QCoreApplication::translate("FrmFormula", "Proteine %"),
                          formula::Limit::ProteinMin, bands.protein))
        return p;
    if (auto p = readBand(form.fat, QCoreApplication::translate("FrmFormula", "Grassi %"),
                          formula::Limit::FatMin, bands.fat))
        return p;
    if (auto p = readBand(form.carbo, QCoreApplication::translate("FrmFormula", "Carboidrati %"),
                          formula::Limit::CarboMin, bands.carbo))
        return p;
    if (auto p =
            readIndex(form.digestibility, QCoreApplication::translate("FrmFormula", "Indice Digeribilità"),
                      formula::Limit::DigestibilityMin, bands.minDigestibility))
        return p;
    if (auto p = readIndex(form.binder, QCoreApplication::translate("FrmFormula", "Indice Legante"),
                           formula::Limit::BinderMin, bands.minBinder))
        return p;

    const std::optional<qint64> total = formulaentry::wholeGrams(form.total);
    if (!total)
        return Problem{
            QCoreApplication::translate("FrmFormula", "Peso totale: «%1» non è un numero intero di grammi")
                .arg(form.total),
            Box{Box::Kind::Total}};
    input.totalGrams = *total;
    input.goal = form.goal;
    for (formula::Candidate &c : input.rows)
        for (const RowText &text : form.rows)
            if (text.row == c.row)
                if (auto p = readRow(text, c))
                    return p;
    if (input.eggs && form.keepEggs)
        input.eggs->free = !*form.keepEggs;
    return std::nullopt;
}

} // namespace formulaform
