// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// How the formula's settings are written by the user, in the window and on the command
// line alike, and how its grams are written into the worksheet.
namespace formulaentry {

// Whole grams, 0 or more: "250", "1.000". Nothing for a fraction, a negative number or
// anything that is not a number.
std::optional<qint64> wholeGrams(const QString &text);

// A band's edge in percent, from 0 to 100: "17", "12,5".
std::optional<double> percentEdge(const QString &text);

// Grams as "Applica" types them into a row: the whole number, or sentinel::kNoGramsTyped
// ("0,0") for none. "0" would make "Calcola" ask for the row's grams; "0,0" is zero by the
// number convention, keeps the ingredient on its row and is stored in a recipe as typed.
QString typedGrams(qint64 grams);

} // namespace formulaentry
