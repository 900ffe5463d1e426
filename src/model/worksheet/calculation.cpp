// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation.h"

#include "catalogue.h"
#include "messages.h"
#include "numbers.h"
#include "worksheet.h"

#include <optional>

using namespace field;

namespace {

const QString kDash = QStringLiteral("-");
const QString kZero = QStringLiteral("0");

// Step 2: the first check that applies gives its message; nothing means all passed.
std::optional<QString> firstFailingCheck(Worksheet &worksheet)
{
    for (int row : kCustomRows) {
        if (!worksheet.isEnabled(peso(row)))
            continue;
        if (worksheet.text(dig(row)) == kDash)
            return messages::missingDigestibility(row);
        if (worksheet.text(legante(row)) == kDash)
            return messages::missingBinder(row);
    }

    bool anyChosen = !worksheet.text(Aggiunta1).isEmpty() || !worksheet.text(Aggiunta2).isEmpty();
    for (int row = 1; row <= kCatalogueRows; ++row)
        anyChosen = anyChosen || worksheet.text(componente(row)) != kDash;
    if (!anyChosen) {
        worksheet.setChecked(false);
        return messages::kNoComponent;
    }

    for (int row = 1; row <= kCatalogueRows; ++row)
        if (worksheet.text(componente(row)) != kDash && worksheet.text(peso(row)) == kZero)
            return messages::missingWeight(row);
    for (int row : kCustomRows)
        if (!worksheet.text(aggiunta(row)).isEmpty() && worksheet.text(peso(row)) == kZero)
            return messages::missingWeight(row);

    // Both sums are formed before either is compared; 15 significant digits make
    // 33,3 + 33,3 + 33,4 exactly 100.
    double sums[2];
    for (int row : kCustomRows) {
        const double sum = numbers::valueOrZero(worksheet.text(proteine(row))) +
                           numbers::valueOrZero(worksheet.text(grassi(row))) +
                           numbers::valueOrZero(worksheet.text(carbo(row)));
        sums[row - kCustomRows[0]] = numbers::roundTo15(sum);
    }
    for (int row : kCustomRows)
        if (sums[row - kCustomRows[0]] > 100)
            return messages::sumOver100(row);

    if (worksheet.eggsChecked()) {
        const QString &kind = worksheet.text(componente(kEggRow));
        if (kind == kDash || kind.isEmpty())
            return messages::kChooseEggs;
        if (worksheet.text(NumeroUova) == kZero)
            return messages::kEggCount;
    }
    return std::nullopt;
}

// Step 3: an empty field is first set to "0", then read.
double readOrZero(Worksheet &worksheet, FieldId id)
{
    if (worksheet.text(id).isEmpty())
        worksheet.setText(id, kZero);
    return numbers::valueOrZero(worksheet.text(id));
}

double readSelectorOrZero(Worksheet &worksheet, FieldId id)
{
    if (worksheet.text(id).isEmpty()) {
        worksheet.select(id, kZero);
        worksheet.setColour(id, Colour::Window);
    }
    return numbers::valueOrZero(worksheet.text(id));
}

// The rows as read, named as the worksheet shows them.
QString rowName(const Worksheet &worksheet, int row)
{
    if (isCustomRow(row))
        return worksheet.text(aggiunta(row));
    if (row == kEggRow && !worksheet.eggsChecked())
        return QString();
    const QString &chosen = worksheet.text(componente(row));
    return chosen == kDash ? QString() : chosen;
}

} // namespace

bool calculate(Worksheet &worksheet, CalculatedRows *readRows)
{
    // Step 1: a list never touched counts as "-".
    for (int row = 1; row <= kCatalogueRows; ++row)
        if (worksheet.text(componente(row)).isEmpty())
            worksheet.select(componente(row), kDash);

    if (const auto message = firstFailingCheck(worksheet)) {
        worksheet.warn(*message);
        return false;
    }

    CalculatedRows rows;
    for (int row = 1; row <= kIngredientRows; ++row) {
        CalculatedRow &r = rows[size_t(row - 1)];
        r.name = rowName(worksheet, row);
        r.grams = readOrZero(worksheet, peso(row));
        r.protein = readOrZero(worksheet, proteine(row));
        r.fat = readOrZero(worksheet, grassi(row));
        r.carbo = readOrZero(worksheet, carbo(row));
        if (isCustomRow(row)) {
            r.digestibility = readSelectorOrZero(worksheet, dig(row));
            r.binder = readSelectorOrZero(worksheet, legante(row));
        } else {
            r.digestibility = readOrZero(worksheet, dig(row));
            r.binder = readOrZero(worksheet, legante(row));
        }
    }
    if (worksheet.text(peso(kEggRow)).isEmpty())
        worksheet.setText(peso(kEggRow), kZero);
    CalculatedRow &egg = rows[size_t(kEggRow - 1)];
    egg.name = rowName(worksheet, kEggRow);
    egg.protein = readOrZero(worksheet, proteine(kEggRow));
    egg.fat = readOrZero(worksheet, grassi(kEggRow));
    egg.carbo = readOrZero(worksheet, carbo(kEggRow));
    egg.digestibility = readOrZero(worksheet, dig(kEggRow));
    const double eggCount = readOrZero(worksheet, NumeroUova);

    // Step 4: the egg weight, derived here and nowhere else.
    std::optional<double> eggWeight;
    if (worksheet.eggsChecked()) {
        const catalogue::EggKind *kind = catalogue::findEggKind(worksheet.text(componente(kEggRow)));
        eggWeight = eggCount * (kind ? kind->gramsPerEgg : 0);
    }
    double total = eggWeight.value_or(numbers::valueOrZero(worksheet.text(peso(kEggRow))));
    for (int row = 1; row <= kIngredientRows; ++row)
        total += rows[size_t(row - 1)].grams;
    // Absurdly large entries must never reach a field as "inf", nor as a text that
    // cannot be read back. The weights are never negative, so a total that fits
    // means every weight in it fits too.
    if (!numbers::fitsPlainText(total)) {
        worksheet.warn(messages::kTooLarge);
        return false;
    }
    if (eggWeight)
        worksheet.setText(peso(kEggRow), numbers::plainText(*eggWeight));
    egg.grams = numbers::valueOrZero(worksheet.text(peso(kEggRow)));
    worksheet.setText(peso(kEggRow), numbers::twoDecimals(egg.grams));

    const MixOutcome outcome = computeMix(rows);
    if (outcome.problem != MixProblem::None) {
        worksheet.warn(outcome.problem == MixProblem::ZeroTotal ? messages::kZeroTotal : messages::kTooLarge);
        return false;
    }
    const MixResults &r = outcome.results;
    using numbers::percent;
    using numbers::twoDecimals;
    worksheet.setText(RisPeso, twoDecimals(r.totalWeight));
    worksheet.setText(RisProteineGrammi, twoDecimals(r.proteinGrams));
    worksheet.setText(RisProteinePercentuale, percent(r.proteinShare));
    worksheet.setText(RisGrassiGrammi, twoDecimals(r.fatGrams));
    worksheet.setText(RisGrassiPercentuale, percent(r.fatShare));
    worksheet.setText(RisCarboidratiGrammi, twoDecimals(r.carboGrams));
    worksheet.setText(RisCarboidratiPercentuale, percent(r.carboShare));
    worksheet.setText(RisDigeribilita, twoDecimals(r.digestibility));
    worksheet.setText(RisProprietaLegante, r.binder ? twoDecimals(*r.binder) : QString());
    if (readRows)
        *readRows = rows;
    return true;
}
