// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation.h"
#include "sentinels.h"

#include "catalogue.h"
#include "messages.h"
#include "numbers.h"
#include "worksheet.h"

#include <optional>

using namespace field;

namespace {

using sentinel::kZero;
const QString &kDash = sentinel::kNothingChosen;

// A list at "-", or never touched (step 1 makes that "-" too).
bool chosen(const Worksheet &worksheet, int row)
{
    const QString &text = worksheet.text(componente(row));
    return text != kDash && !text.isEmpty();
}

bool nothingChosen(const Worksheet &worksheet)
{
    bool anyChosen = !worksheet.text(Aggiunta1).isEmpty() || !worksheet.text(Aggiunta2).isEmpty();
    for (int row = 1; row <= kCatalogueRows; ++row)
        anyChosen = anyChosen || chosen(worksheet, row);
    return !anyChosen;
}

void missingWeights(const Worksheet &worksheet, QStringList &refusals)
{
    for (int row = 1; row <= kCatalogueRows; ++row)
        if (chosen(worksheet, row) && worksheet.text(peso(row)) == kZero)
            refusals << messages::missingWeight(row);
    for (int row : kCustomRows)
        if (!worksheet.text(aggiunta(row)).isEmpty() && worksheet.text(peso(row)) == kZero)
            refusals << messages::missingWeight(row);
}

void sumsOver100(const Worksheet &worksheet, QStringList &refusals)
{
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
            refusals << messages::sumOver100(row);
}

// Step 2: the first check that applies gives its message; nothing means all passed.
std::optional<QString> firstFailingCheck(Worksheet &worksheet)
{
    const QStringList failing = refusals(worksheet);
    if (failing.isEmpty())
        return std::nullopt;
    if (failing.first() == messages::kNoComponent)
        worksheet.setChecked(false);
    return failing.first();
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

// Step 3: every row as read, the egg row without its grams (step 4 derives them).
CalculatedRows readRowsOrZero(Worksheet &worksheet)
{
    CalculatedRows rows;
    for (int row = 1; row <= kIngredientRows; ++row) {
        CalculatedRow &r = rows[size_t(row - 1)];
        r.name = rowName(worksheet, row);
        r.grams = readOrZero(worksheet, peso(row));
        r.protein = readOrZero(worksheet, proteine(row));
        r.fat = readOrZero(worksheet, grassi(row));
        r.carbo = readOrZero(worksheet, carbo(row));
        const bool custom = isCustomRow(row);
        r.digestibility = custom ? readSelectorOrZero(worksheet, dig(row)) : readOrZero(worksheet, dig(row));
        r.binder = custom ? readSelectorOrZero(worksheet, legante(row)) : readOrZero(worksheet, legante(row));
    }
    if (worksheet.text(peso(kEggRow)).isEmpty())
        worksheet.setText(peso(kEggRow), kZero);
    CalculatedRow &egg = rows[size_t(kEggRow - 1)];
    egg.name = rowName(worksheet, kEggRow);
    egg.protein = readOrZero(worksheet, proteine(kEggRow));
    egg.fat = readOrZero(worksheet, grassi(kEggRow));
    egg.carbo = readOrZero(worksheet, carbo(kEggRow));
    egg.digestibility = readOrZero(worksheet, dig(kEggRow));
    return rows;
}

// Step 4: the egg weight of the ticked eggs written into its field, and every row's
// grams as the results will add them; false after the warning of a total too large.
bool writeEggWeight(Worksheet &worksheet, CalculatedRows &rows)
{
    const double eggCount = readOrZero(worksheet, NumeroUova);
    std::optional<double> weight;
    if (worksheet.eggsChecked()) {
        const catalogue::EggKind *kind = catalogue::findEggKind(worksheet.text(componente(kEggRow)));
        weight = eggWeight(eggCount, kind ? kind->gramsPerEgg : 0);
    }
    double total = weight.value_or(numbers::valueOrZero(worksheet.text(peso(kEggRow))));
    for (int row = 1; row <= kIngredientRows; ++row)
        total += rows[size_t(row - 1)].grams;
    // Absurdly large entries must never reach a field as "inf", nor as a text that
    // cannot be read back. The weights are never negative, so a total that fits
    // means every weight in it fits too.
    if (!numbers::fitsPlainText(total)) {
        worksheet.warn(messages::kTooLarge);
        return false;
    }
    if (weight)
        worksheet.setText(peso(kEggRow), numbers::plainText(*weight));
    CalculatedRow &egg = rows[size_t(kEggRow - 1)];
    egg.grams = numbers::valueOrZero(worksheet.text(peso(kEggRow)));
    worksheet.setText(peso(kEggRow), numbers::twoDecimals(egg.grams));
    return true;
}

// Step 5: the nine results in their display formats.
void writeResults(Worksheet &worksheet, const MixResults &r)
{
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
}

} // namespace

QStringList refusals(const Worksheet &worksheet, Refusals which)
{
    QStringList found;
    for (int row : kCustomRows) {
        if (!worksheet.isEnabled(peso(row)))
            continue;
        if (worksheet.text(dig(row)) == kDash)
            found << messages::missingDigestibility(row);
        if (worksheet.text(legante(row)) == kDash)
            found << messages::missingBinder(row);
    }
    if (nothingChosen(worksheet))
        found << messages::kNoComponent;
    if (which == Refusals::All)
        missingWeights(worksheet, found);
    sumsOver100(worksheet, found);
    if (worksheet.eggsChecked()) {
        const QString &kind = worksheet.text(componente(kEggRow));
        if (kind == kDash || kind.isEmpty())
            found << messages::kChooseEggs;
        else if (which == Refusals::All && worksheet.text(NumeroUova) == kZero)
            found << messages::kEggCount;
    }
    return found;
}

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

    CalculatedRows rows = readRowsOrZero(worksheet);
    if (!writeEggWeight(worksheet, rows))
        return false;
    const MixOutcome outcome = computeMix(rows);
    if (outcome.problem != MixProblem::None) {
        worksheet.warn(outcome.problem == MixProblem::ZeroTotal ? messages::kZeroTotal : messages::kTooLarge);
        return false;
    }
    writeResults(worksheet, outcome.results);
    if (readRows)
        *readRows = rows;
    return true;
}
