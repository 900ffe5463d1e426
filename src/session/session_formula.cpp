// SPDX-License-Identifier: GPL-3.0-or-later
// The formula on the session's worksheet: its problem read from the rows as they show,
// and its proposal written back as the user would type it.
#include "calculation.h"
#include "catalogue.h"
#include "formulaentry.h"
#include "messages.h"
#include "numbers.h"
#include "sentinels.h"
#include "session.h"
#include "translatedtext.h"
#include "warnings.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>

using namespace field;

namespace {

const QString &kDash = sentinel::kNothingChosen;

const QString &kStaleProposal = translatedConstant(
    "Formula", QT_TRANSLATE_NOOP("Formula", "Il foglio è cambiato dopo il calcolo della formula: calcolare "
                                            "di nuovo la formula prima di applicarla"));
const QString &kStalePrices = translatedConstant(
    "Formula", QT_TRANSLATE_NOOP("Formula", "I prezzi sono cambiati dopo il calcolo della formula: calcolare "
                                            "di nuovo la formula prima di applicarla"));

double valueOf(const Worksheet &worksheet, FieldId id)
{
    return numbers::valueOrZero(worksheet.text(id));
}

// The ingredient a row names, or nothing: a list at "-" (or never touched), an unnamed
// custom row.
QString ingredientOf(const Worksheet &worksheet, int row)
{
    const QString &name = worksheet.text(isCustomRow(row) ? aggiunta(row) : componente(row));
    return name == kDash ? QString() : name;
}

// The egg kind while the eggs are ticked with a kind, or nothing.
const catalogue::EggKind *eggKindOf(const Worksheet &worksheet)
{
    return worksheet.eggsChecked() ? catalogue::findEggKind(worksheet.text(componente(kEggRow))) : nullptr;
}

// Writes `text` unless the field already holds that value in a form "Calcola" accepts.
void writeNumber(Worksheet &worksheet, FieldId id, double value, const QString &text)
{
    const QString &current = worksheet.text(id);
    const std::optional<double> shown = numbers::toNumber(current);
    if (shown && *shown == value && current != sentinel::kZero)
        return;
    worksheet.setText(id, text);
}

} // namespace

bool sameWorksheet(const formula::Input &a, const formula::Input &b)
{
    if (a.rows.size() != b.rows.size() || a.eggs.has_value() != b.eggs.has_value() ||
        a.totalGrams != b.totalGrams)
        return false;
    for (qsizetype k = 0; k < a.rows.size(); ++k) {
        const formula::Candidate &x = a.rows[k], &y = b.rows[k];
        if (x.row != y.row || x.name != y.name || x.protein != y.protein || x.fat != y.fat ||
            x.carbo != y.carbo || x.digestibility != y.digestibility || x.binder != y.binder ||
            x.pricePerKg != y.pricePerKg || x.currentGrams != y.currentGrams)
            return false;
    }
    return !a.eggs || (a.eggs->kind == b.eggs->kind && a.eggs->currentCount == b.eggs->currentCount &&
                       a.eggs->pricePerEgg == b.eggs->pricePerEgg && a.eggs->protein == b.eggs->protein &&
                       a.eggs->fat == b.eggs->fat && a.eggs->carbo == b.eggs->carbo &&
                       a.eggs->digestibility == b.eggs->digestibility);
}

bool sameApartFromPrices(formula::Input a, formula::Input b)
{
    for (formula::Input *input : {&a, &b}) {
        for (formula::Candidate &row : input->rows)
            row.pricePerKg.reset();
        if (input->eggs)
            input->eggs->pricePerEgg.reset();
    }
    return sameWorksheet(a, b);
}

formula::Input Session::formulaInput() const
{
    const Worksheet &sheet = m_worksheet;
    formula::Input input;
    double total = 0;
    for (int row = 1; row <= kIngredientRows; ++row) {
        const QString name = ingredientOf(sheet, row);
        if (name.isEmpty())
            continue;
        formula::Candidate c;
        c.row = row;
        c.name = name;
        c.protein = valueOf(sheet, proteine(row));
        c.fat = valueOf(sheet, grassi(row));
        c.carbo = valueOf(sheet, carbo(row));
        c.digestibility = valueOf(sheet, dig(row));
        c.binder = valueOf(sheet, legante(row));
        c.pricePerKg = rowPrice(sheet.library(), row, name);
        c.currentGrams = valueOf(sheet, peso(row));
        total += c.currentGrams;
        input.rows << c;
    }
    if (const catalogue::EggKind *kind = eggKindOf(sheet)) {
        formula::Eggs eggs;
        eggs.kind = QString::fromLatin1(kind->name);
        eggs.protein = valueOf(sheet, proteine(kEggRow));
        eggs.fat = valueOf(sheet, grassi(kEggRow));
        eggs.carbo = valueOf(sheet, carbo(kEggRow));
        eggs.digestibility = valueOf(sheet, dig(kEggRow));
        eggs.gramsPerEgg = kind->gramsPerEgg;
        eggs.pricePerEgg = sheet.library().price(eggs.kind);
        eggs.currentCount = valueOf(sheet, NumeroUova);
        total += eggWeight(eggs.currentCount, eggs.gramsPerEgg);
        input.eggs = eggs;
    }
    // A total beyond the largest the formula takes stays beyond it, however large.
    input.totalGrams = qint64(std::llround(std::min(total, double(formula::kMaxTotalGrams + 1))));
    return input;
}

formula::Result Session::solveFormula(const formula::Input &input) const
{
    const Worksheet &sheet = m_worksheet;
    // What "Calcola" would refuse whatever the grams, in its own words and order; eggs
    // alone are no mix to it either.
    QStringList refusals = ::refusals(sheet, Refusals::WhateverTheGrams);
    if (input.eggs && !input.eggs->free && sheet.text(NumeroUova) == sentinel::kZero)
        refusals << QCoreApplication::translate(
            "Formula", "Uova: il foglio ha 0 uova: scriverne il numero, oppure lasciarlo "
                       "scegliere alla formula");
    formula::Result result;
    if (refusals.isEmpty())
        result = formula::solve(input);
    else
        result.reasons = refusals;
    result.worksheet = formulaInput();
    return result;
}

bool Session::proposalStands(const formula::Result &result) const
{
    return sameWorksheet(formulaInput(), result.worksheet);
}

bool Session::applyFormula(const formula::Result &result)
{
    Worksheet &sheet = m_worksheet;
    if (result.status == formula::Status::NoMix || !proposalStands(result)) {
        const bool prices =
            result.status != formula::Status::NoMix && sameApartFromPrices(formulaInput(), result.worksheet);
        m_sink.warn(messages::kTitle, prices ? kStalePrices : kStaleProposal);
        return false;
    }

    for (const formula::ProposedRow &proposed : result.rows)
        writeNumber(sheet, peso(proposed.row), double(proposed.grams),
                    formulaentry::typedGrams(proposed.grams));
    if (result.eggCount)
        writeNumber(sheet, NumeroUova, double(*result.eggCount), QString::number(*result.eggCount));
    return calculate();
}
