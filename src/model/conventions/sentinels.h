// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The texts that stand for "nothing" in the worksheet and the converter, and the one test
// of a row that holds no grams to print.
namespace sentinel {

// The first entry of every drop-down list: nothing chosen.
inline const QString kNothingChosen = QStringLiteral("-");

// What a cleared field shows, and what a rule puts back after refusing an entry.
inline const QString kZero = QStringLiteral("0");

// The grams "Applica" types into a row the formula leaves without grams. Not kZero:
// "Calcola" asks for the grams of a chosen row that reads exactly "0".
inline const QString kNoGramsTyped = QStringLiteral("0,0");

// A row whose grams text is one of the two zeros above was never weighed, or was weighed
// at nothing by the formula: the recipe sheet leaves it out. Any other text, an empty one
// or "0,00" typed by hand included, is printed as it stands.
inline bool rowIsEmpty(const QString &gramsText)
{
    return gramsText == kZero || gramsText == kNoGramsTyped;
}

} // namespace sentinel
