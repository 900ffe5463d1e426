#pragma once

#include "fields.h"

#include <QString>

#include <array>

class Worksheet;

// One row of the worksheet as the calculation read it, in grams and percent.
struct CalculatedRow
{
    // The catalogue entry, the custom row's name or the egg kind; empty when the row
    // holds no ingredient (a list at "-", an unnamed custom row, the eggs switched off).
    QString name;
    double grams = 0;
    double protein = 0;
    double fat = 0;
    double carbo = 0;
};

// Rows 1 to 14 in row order (index 0 is row 1, index 13 the egg row).
using CalculatedRows = std::array<CalculatedRow, field::kRows>;

// The calculate command: checks the worksheet in a fixed order, refuses at the first
// failing check with a warning, and otherwise writes the egg weight and the nine
// results. Returns true when the results were written; then, when asked, also hands
// back the rows exactly as it read them.
bool calculate(Worksheet &sheet, CalculatedRows *readRows = nullptr);
