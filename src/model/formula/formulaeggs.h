// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formulalimits.h"
#include "mipsolver.h"

#include <optional>

namespace formula {

struct Input;

// Tries the closest goal with a free egg count one count at a time. As one program it is
// often slow to prove: every row's target moves with the eggs, so the relaxation is loose
// and branch and bound wanders over thousands of grams for a second. With the count
// fixed the targets stand still, and the program is solved in milliseconds, side by
// side where it must (see solveAtEggCount()). The counts are taken outward from the
// relaxation's own, on whichever side the relaxation at the next count is lower, until
// it is no better than the best mix found on either side: that relaxation is convex in
// the count, so no count further out can do better. The answer
// has the program's own variables, as solving it whole would give; none when the try
// did not end proven within kEggWalkSteps, and the program is then solved whole.
inline constexpr qint64 kEggWalkSteps = 15'000;

std::optional<MipSolution> solveOverEggCounts(const Input &input, const Tightening &tightening,
                                              MipSolver &solver);

} // namespace formula
