// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mixresults.h"

#include <QStringList>

class Worksheet;

// The calculate command: checks the worksheet in a fixed order, refuses at the first
// failing check with a warning, and otherwise writes the egg weight and the nine
// results. Returns true when the results were written; then, when asked, also hands
// back the rows exactly as it read them.
bool calculate(Worksheet &worksheet, CalculatedRows *readRows = nullptr);

// What "Calcola" refuses on this worksheet, in the order of its checks: the first is the
// message it shows. The formula, which chooses the grams and the egg count itself, asks
// only for the refusals that no grams can lift.
enum class Refusals
{
    All,
    WhateverTheGrams,
};
QStringList refusals(const Worksheet &worksheet, Refusals which = Refusals::All);
