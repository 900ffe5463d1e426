// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page.h"

class Worksheet;

// The recipe worksheet: the recipe name, a line per row with a weight, the eggs, the
// results and the notes, exactly as the worksheet shows them. Landscape, Arial 10 pt.
namespace recipepage {

// The message that refuses printing (no calculation, no recipe name), or empty.
QString refusal(const Worksheet &worksheet);

Page build(const Worksheet &worksheet);

} // namespace recipepage
