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

bool isCustomRow(int row)
{
    return row == 12 || row == 13;
}

// Step 2: the first check that applies gives its message; nothing means all passed.
std::optional<QString> firstFailingCheck(Worksheet &sheet)
{
    for (int row : {12, 13}) {
        if (!sheet.isEnabled(peso(row)))
            continue;
        if (sheet.text(dig(row)) == kDash)
            return messages::missingDigestibility(row);
        if (sheet.text(legante(row)) == kDash)
            return messages::missingBinder(row);
    }

    bool anyChosen = !sheet.text(Aggiunta1).isEmpty() || !sheet.text(Aggiunta2).isEmpty();
    for (int row = 1; row <= kCatalogueRows; ++row)
        anyChosen = anyChosen || sheet.text(componente(row)) != kDash;
    if (!anyChosen) {
        sheet.setChecked(false);
        return messages::kNoComponent;
    }

    for (int row = 1; row <= kCatalogueRows; ++row)
        if (sheet.text(componente(row)) != kDash && sheet.text(peso(row)) == kZero)
            return messages::missingWeight(row);
    for (int row : {12, 13})
        if (!sheet.text(aggiunta(row)).isEmpty() && sheet.text(peso(row)) == kZero)
            return messages::missingWeight(row);

    // Both sums are formed before either is compared; 15 significant digits make
    // 33,3 + 33,3 + 33,4 exactly 100.
    double sums[2];
    for (int row : {12, 13}) {
        const double sum = numbers::valueOrZero(sheet.text(proteine(row))) +
                           numbers::valueOrZero(sheet.text(grassi(row))) +
                           numbers::valueOrZero(sheet.text(carbo(row)));
        sums[row - 12] = numbers::roundTo15(sum);
    }
    for (int row : {12, 13})
        if (sums[row - 12] > 100)
            return messages::sumOver100(row);

    if (sheet.eggsChecked()) {
        const QString &kind = sheet.text(componente(kEggRow));
        if (kind == kDash || kind.isEmpty())
            return messages::kChooseEggs;
        if (sheet.text(NumeroUova) == kZero)
            return messages::kEggCount;
    }
    return std::nullopt;
}

// Step 3: an empty field is first set to "0", then read.
double readOrZero(Worksheet &sheet, FieldId id)
{
    if (sheet.text(id).isEmpty())
        sheet.setText(id, kZero);
    return numbers::valueOrZero(sheet.text(id));
}

double readSelectorOrZero(Worksheet &sheet, FieldId id)
{
    if (sheet.text(id).isEmpty()) {
        sheet.select(id, kZero);
        sheet.setColour(id, Colour::Window);
    }
    return numbers::valueOrZero(sheet.text(id));
}

struct RowValues
{
    double w = 0, p = 0, f = 0, c = 0, d = 0, b = 0;
};

// Writes a result as plain text, reads it back (15 significant digits) and shows it
// in its display format; the read-back value is what later formulas use.
template <typename Format>
double writeResult(Worksheet &sheet, FieldId id, double value, Format displayFormat)
{
    sheet.setText(id, numbers::plainText(value));
    const double readBack = numbers::valueOrZero(sheet.text(id));
    sheet.setText(id, displayFormat(readBack));
    return readBack;
}

// The rows as read, named as the worksheet shows them.
void handBack(const Worksheet &sheet, const RowValues (&rows)[kRows + 1], CalculatedRows &out)
{
    for (int row = 1; row <= kRows; ++row) {
        CalculatedRow &r = out[size_t(row - 1)];
        if (isCustomRow(row))
            r.name = sheet.text(aggiunta(row));
        else if (row == kEggRow && !sheet.eggsChecked())
            r.name.clear();
        else
            r.name = sheet.text(componente(row)) == kDash ? QString() : sheet.text(componente(row));
        r.grams = rows[row].w;
        r.protein = rows[row].p;
        r.fat = rows[row].f;
        r.carbo = rows[row].c;
    }
}

} // namespace

bool calculate(Worksheet &sheet, CalculatedRows *readRows)
{
    // Step 1: a list never touched counts as "-".
    for (int row = 1; row <= kCatalogueRows; ++row)
        if (sheet.text(componente(row)).isEmpty())
            sheet.select(componente(row), kDash);

    if (const auto message = firstFailingCheck(sheet)) {
        sheet.warn(*message);
        return false;
    }

    RowValues rows[kRows + 1];
    for (int row = 1; row <= 13; ++row) {
        RowValues &r = rows[row];
        r.w = readOrZero(sheet, peso(row));
        r.p = readOrZero(sheet, proteine(row));
        r.f = readOrZero(sheet, grassi(row));
        r.c = readOrZero(sheet, carbo(row));
        if (isCustomRow(row)) {
            r.d = readSelectorOrZero(sheet, dig(row));
            r.b = readSelectorOrZero(sheet, legante(row));
        } else {
            r.d = readOrZero(sheet, dig(row));
            r.b = readOrZero(sheet, legante(row));
        }
    }
    if (sheet.text(peso(kEggRow)).isEmpty())
        sheet.setText(peso(kEggRow), kZero);
    RowValues &egg = rows[kEggRow];
    egg.p = readOrZero(sheet, proteine(kEggRow));
    egg.f = readOrZero(sheet, grassi(kEggRow));
    egg.c = readOrZero(sheet, carbo(kEggRow));
    egg.d = readOrZero(sheet, dig(kEggRow));
    const double eggCount = readOrZero(sheet, NumeroUova);

    // Step 4: the egg weight, derived here and nowhere else.
    std::optional<double> eggWeight;
    if (sheet.eggsChecked()) {
        const catalogue::EggKind *kind = catalogue::findEggKind(sheet.text(componente(kEggRow)));
        eggWeight = eggCount * (kind ? kind->gramsPerEgg : 0);
    }
    double total = eggWeight.value_or(numbers::valueOrZero(sheet.text(peso(kEggRow))));
    for (int row = 1; row <= 13; ++row)
        total += rows[row].w;
    // Absurdly large entries must never reach a field as "inf", nor as a text that
    // cannot be read back. The weights are never negative, so a total that fits
    // means every weight in it fits too.
    if (!numbers::fitsPlainText(total)) {
        sheet.warn(messages::kTooLarge);
        return false;
    }
    if (eggWeight)
        sheet.setText(peso(kEggRow), numbers::plainText(*eggWeight));
    egg.w = numbers::valueOrZero(sheet.text(peso(kEggRow)));
    sheet.setText(peso(kEggRow), numbers::twoDecimals(egg.w));

    double gp = 0, gf = 0, gc = 0, sd = 0;
    for (int row = 1; row <= kRows; ++row) {
        const RowValues &r = rows[row];
        gp += r.w * r.p / 100;
        gf += r.w * r.f / 100;
        gc += r.w * r.c / 100;
        sd += r.d / 100 * r.w;
    }
    // The binder sum is kept in single precision, each row's share stored as a float.
    double ti = 0;
    double binderSum = 0;
    for (int row = 1; row <= 13; ++row) {
        ti += rows[row].w;
        binderSum += double(float(rows[row].b / 100 * rows[row].w));
    }
    const float sb = float(binderSum);

    // A custom row may hold a huge negative percentage, so each sum is checked alone.
    for (double sum : {gp, gf, gc, sd, double(sb)}) {
        if (!numbers::fitsPlainText(sum)) {
            sheet.warn(messages::kTooLarge);
            return false;
        }
    }
    // A mix that weighs nothing has no shares: refuse before any result is written.
    if (numbers::roundTo15(ti + egg.w) == 0) {
        sheet.warn(messages::kZeroTotal);
        return false;
    }

    auto grams = [](double v) { return numbers::twoDecimals(v); };
    auto share = [](double v) { return numbers::percent(v); };

    const double t = writeResult(sheet, RisPeso, ti + egg.w, grams);
    gp = writeResult(sheet, RisProteineGrammi, gp, grams);
    writeResult(sheet, RisProteinePercentuale, gp / t, share);
    gf = writeResult(sheet, RisGrassiGrammi, gf, grams);
    writeResult(sheet, RisGrassiPercentuale, gf / t, share);
    gc = writeResult(sheet, RisCarboidratiGrammi, gc, grams);
    writeResult(sheet, RisCarboidratiPercentuale, gc / t, share);
    writeResult(sheet, RisDigeribilita, numbers::roundTo15(sd) / (t / 100), grams);

    ti = numbers::roundTo15(ti);
    if (ti == 0) {
        // Only eggs weigh: there is no ingredient weight to average the binder over.
        sheet.setText(RisProprietaLegante, QString());
    } else {
        const double sbRounded = numbers::valueOrZero(numbers::significantText(double(sb), 7));
        writeResult(sheet, RisProprietaLegante, sbRounded / (ti / 100), grams);
    }
    if (readRows)
        handBack(sheet, rows, *readRows);
    return true;
}
