// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFileDialog;
class WarningSink;

// Every save dialog of the program asks the same way before a file is replaced: the
// file's name and "Sostituire?", with "No" as the answer Enter gives, so a recipe or a PDF
// is never replaced by one key press.
namespace replacequestion {

// Runs `dialog` (set to save) until the user chooses a file that does not exist yet,
// agrees to replace the one chosen, or cancels (empty). After "No" the dialog comes back
// with the same name, for another.
QString chooseSavePath(QFileDialog &dialog, WarningSink &sink);

// Whether the user agrees to replace `path`; true when nothing is there.
bool mayReplace(const QString &path, WarningSink &sink);

} // namespace replacequestion
