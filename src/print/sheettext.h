// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What of a text goes on a sheet. A sheet holds what a user typed or a file brought,
// whatever it is, so any text must print in bounded time and inside the page.
namespace sheettext {

// At most this many combining marks after one character: more only stack up above the
// line (and cost the text shaper dearly), never making a letter of any script.
constexpr int kMaxMarks = 2;
// At most this many blanks (or characters without width) in a row: a longer run only
// pushes text across the page.
constexpr int kMaxBlanks = 8;

// The text as one printed line: every line break (a name edited by hand may hold one)
// and every tab is a blank, runs of blanks and of characters without width stop at
// kMaxBlanks, and marks beyond
// kMaxMarks on one character are left out.
QString oneLine(const QString &text);

// True for a text that prints nothing visible (empty or blanks only).
bool isBlank(const QString &text);

} // namespace sheettext
