// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class FileChooser;
class QString;
class Worksheet;

// The save and open commands of the main window, reached from a button and a menu item.
namespace recipecommands {

// Refuses before a calculation; otherwise writes the worksheet to the chosen file.
// Returns true when a file was written, its path in `written`.
bool save(Worksheet &worksheet, FileChooser &chooser, QString *written = nullptr);

// Reads the chosen file into the worksheet; a bad file changes nothing and says so.
// Returns true when the file was applied.
bool open(Worksheet &worksheet, FileChooser &chooser);

// The open command for a path already chosen (a file named on the command line):
// the same checks and warnings as after the dialog.
bool openFile(Worksheet &worksheet, const QString &path);

} // namespace recipecommands
