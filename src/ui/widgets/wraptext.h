// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Sentences on screen wrap at their blanks; a word longer than a line (a personal
// ingredient named without blanks) would stretch its window past the screen instead.
namespace wraptext {

// `text` with a zero-width space after every `run` letters of a word longer than that,
// where a wrapping label may break the line. Only for text that is shown.
QString breakable(const QString &text, int run = 24);

} // namespace wraptext
