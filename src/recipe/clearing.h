// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Worksheet;

// The clear command: back to an empty worksheet, no ingredients, zero grams, no
// results, no recipe name or notes. Each step runs the reactions of the fields it sets.
void clearWorksheet(Worksheet &worksheet);
