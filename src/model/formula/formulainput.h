// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formula.h"

#include <QStringList>

// The first step of the formula: what the input alone shows is wrong, before any
// program is built.
namespace formula {

// What the input alone shows, before any solving: a total out of range, bounds that
// contradict each other or the total, a row kept at grams that are not whole, a missing
// price for the cheapest mix. Empty when nothing is wrong.
QStringList inputProblems(const Input &input);

// Whole grams grouped in thousands, as every figure of the program: "10.000.000 g".
QString gramsText(double value);

} // namespace formula
