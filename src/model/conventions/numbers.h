// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// The program's one number convention: decimal comma, "." grouping, whatever the
// machine's locale says. Reading and testing accept exactly the same texts, so a
// text that passes the test can always be converted afterwards.
namespace numbers {

// True when the text is a number: optional blanks around, an optional sign, digits
// with well-formed "." grouping and an optional decimal comma. No exponents.
bool isNumber(const QString &text);

// The value of a number text, or nothing when isNumber() is false.
std::optional<double> toNumber(const QString &text);

// The value of a number text, or 0 for anything else.
double valueOrZero(const QString &text);

// True when the text is written as a number but its value lies beyond what a double
// holds ("1" and 400 zeros): a number too large for the program, not a slip of the pen.
bool isTooLarge(const QString &text);

// Up to 15 significant digits, decimal comma, no grouping, no trailing zeros: 104, 0,5.
QString plainText(double value);

// The value as plainText() and toNumber() round it: 15 significant digits.
double roundTo15(double value);

// True when the value's plain text reads back as a number: false for inf and nan, and
// for the few finite values so near the largest double that 15 digits round past it.
bool fitsPlainText(double value);

// The value rounded half away from zero to `decimals` places, on its decimal digits.
double roundToDecimals(double value, int decimals);

// Up to `digits` significant digits in plain form (used for single-precision sums).
QString significantText(double value, int digits);

// Exactly two decimals with "." grouping and a minus sign: 0,50; 1.234,50; -1,00.
QString twoDecimals(double value);

// A whole number with "." grouping: 1.922.274.
QString integerText(qint64 value);

// A fraction shown as percent with two decimals: 12,35% for 0.12345.
QString percent(double fraction);

} // namespace numbers
