#pragma once

#include "sheet.h"

class Worksheet;

// The recipe sheet: the recipe name, a line per row with a weight, the eggs, the
// results and the notes, exactly as the worksheet shows them. Landscape, Arial 10 pt.
namespace recipesheet {

// The message that refuses printing (no calculation, no recipe name), or empty.
QString refusal(const Worksheet &sheet);

Sheet build(const Worksheet &sheet);

} // namespace recipesheet
