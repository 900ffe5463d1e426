// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mixresults.h"

class Worksheet;

// The calculate command: checks the worksheet in a fixed order, refuses at the first
// failing check with a warning, and otherwise writes the egg weight and the nine
// results. Returns true when the results were written; then, when asked, also hands
// back the rows exactly as it read them.
bool calculate(Worksheet &worksheet, CalculatedRows *readRows = nullptr);
