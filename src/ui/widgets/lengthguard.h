// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLineEdit;

// An input box keeps at most kLongestText characters, Qt's own limit. Qt cuts a longer
// paste or drop without a word; with the guard the box takes one character more, so a cut
// is seen, keeps the first kLongestText and says so in a warning over its window.
namespace lengthguard {

inline constexpr int kLongestText = 32767;

// Guards the box; one that has a validator already (a spin box's) keeps its own.
void guard(QLineEdit *edit);

} // namespace lengthguard
