// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter.h"

#include "entrymessages.h"
#include "numbers.h"

#include <QCoreApplication>

#include <cmath>

namespace {

const QString kZero = QStringLiteral("0");

const QString kOver100Percent = QStringLiteral("Il valore Percentuale non deve superare il 100%");
const QString kMissingTotal =
    QStringLiteral("Impostare il Peso Totale Mix in grammi per poter proseguire nel calcolo!");
const QString kMissingTotalTitle = QStringLiteral("Avviso");
// The converter has no eggs: its total alone can be too large.
QString totalTooLarge()
{
    return QCoreApplication::translate("Converter", "Il peso totale è troppo grande per il calcolo: ridurlo");
}

// The three-line message for percentages that do not add up to 100.
QString wrongTotal(double sum)
{
    // The sum and 100 both have no more decimals than the sum's text shows, and so has
    // their exact difference: rounding to those decimals asks 99,9 for 0,1 more rather
    // than 0,0999999999999943, and 99,9999999999999 for 0,0000000000001, never for 0.
    const QString sumText = numbers::plainText(sum);
    const qsizetype comma = sumText.indexOf(u',');
    const int decimals = comma < 0 ? 0 : int(sumText.size() - comma - 1);
    const double difference = numbers::roundToDecimals(std::abs(sum - 100), decimals);
    return QStringLiteral("IL TOTALE ATTUALE È ") + sumText + QStringLiteral("%\r\n") +
           QStringLiteral("DEVE INVECE ESSERE 100%\r\n") +
           (sum > 100 ? QStringLiteral("TOGLIERE ") : QStringLiteral("AGGIUNGERE ")) +
           numbers::plainText(difference) + QStringLiteral("%");
}

} // namespace

Converter::Converter(QObject *parent) : FieldStore(3 * kRows + 1, parent)
{
    define(kTotal, FieldKind::Input, kZero, true);
    for (int row = 1; row <= kRows; ++row) {
        define(name(row), FieldKind::Input, {}, false);
        define(percent(row), FieldKind::Input, kZero, false);
        define(grams(row), FieldKind::Display, {}, false);
    }
}

QString Converter::fieldName(FieldId id) const
{
    if (id == kTotal)
        return QStringLiteral("TxtImpostaPeso");
    const int row = (id - 1) % kRows + 1;
    if (id <= kRows)
        return QStringLiteral("Txt%1").arg(row);
    if (id <= 2 * kRows)
        return QStringLiteral("TxtPercent%1").arg(row);
    return QStringLiteral("TxtRis%1").arg(row);
}

void Converter::react(FieldId id)
{
    if (id == kTotal)
        return totalCheck();
    if (id <= kRows)
        return setColour(id, text(id).isEmpty() ? Colour::Window : Colour::Filled);
    if (id <= 2 * kRows)
        return percentageCheck(id);
    const bool filled = !text(id).isEmpty() && text(id) != kZero;
    setColour(id, filled ? Colour::Filled : Colour::Window);
}

void Converter::setRowsEnabled(bool enabled)
{
    for (int row = 1; row <= kRows; ++row)
        for (FieldId id : {name(row), percent(row), grams(row)})
            setEnabled(id, enabled);
}

void Converter::totalCheck()
{
    resetUnlessNonNegativeNumber(kTotal, totalTooLarge());
    const bool hasTotal = numbers::valueOrZero(text(kTotal)) != 0;
    setColour(kTotal, hasTotal ? Colour::Filled : Colour::Window);
    setRowsEnabled(hasTotal);
}

void Converter::percentageCheck(FieldId id)
{
    resetUnlessNonNegativeNumber(id, kOver100Percent);
    if (numbers::valueOrZero(text(id)) > 100) {
        warn(kOver100Percent);
        setText(id, kZero);
    }
    setColour(id, numbers::valueOrZero(text(id)) != 0 ? Colour::Filled : Colour::Window);
}

bool Converter::calculate()
{
    const double total = numbers::valueOrZero(text(kTotal));
    if (total == 0) {
        warn(kMissingTotalTitle, kMissingTotal);
        return false;
    }
    double sum = 0;
    for (int row = 1; row <= kRows; ++row)
        sum += numbers::valueOrZero(text(percent(row)));
    sum = numbers::roundTo15(sum);
    if (sum != 100) {
        warn(wrongTotal(sum));
        return false;
    }
    for (int row = 1; row <= kRows; ++row) {
        const double share = numbers::valueOrZero(text(percent(row)));
        double value = total * share / 100;
        if (!std::isfinite(value)) // a total near the largest number: divide first
            value = total * (share / 100);
        setText(grams(row), numbers::plainText(value));
    }
    return true;
}

void Converter::clear()
{
    setText(kTotal, kZero);
    for (int row = 1; row <= kRows; ++row)
        setText(percent(row), kZero);
    for (int row = 1; row <= kRows; ++row)
        setText(grams(row), QString());
    for (int row = 1; row <= kRows; ++row)
        setText(name(row), QString());
    setRowsEnabled(false);
}

QString Converter::printRefusal() const
{
    bool anyGrams = false;
    for (int row = 1; row <= kRows; ++row)
        anyGrams = anyGrams || !text(grams(row)).isEmpty();
    return text(kTotal) == kZero || !anyGrams ? messages::kPrintBeforeCalculation : QString();
}

Page Converter::page() const
{
    Page out;
    out.addLine(12);
    out.addLine(12).at(3).text(QStringLiteral("Conversione Percentuale - Grammi"));
    out.addLine(10);
    out.addLine(10)
        .at(3)
        .text(QStringLiteral("Peso totale: "))
        .text(text(kTotal))
        .text(QStringLiteral(" gr."));
    out.addLine(10);
    for (int row = 1; row <= kRows; ++row) {
        if (numbers::valueOrZero(text(percent(row))) == 0)
            continue;
        out.addLine(10)
            .at(3)
            .text(text(name(row)))
            .at(35)
            .text(text(percent(row)) + QStringLiteral(" %"))
            .at(45)
            .text(text(grams(row)) + QStringLiteral(" gr."));
    }
    return out;
}
