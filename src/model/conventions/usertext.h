// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How texts from files and from the system reach the user: never with raw control
// characters, and a file that cannot be used is named with the reason in plain Italian.
namespace usertext {

// The text with every control character but the line break and the tab written as \xHH
// (a Windows line break counts as a line break), so a name read from a file can never
// drive the terminal or garble a message box.
// Direction overrides (U+202E) and the Unicode line separators are written as \uHHHH.
QString printable(const QString &text);

// The same, line breaks escaped too: for a text that must stay on one line of output
// ("NAME=GRAMS").
QString printableLine(const QString &text);

// A file's name as messages show it: «/home/luca/ricetta.txt».
QString fileName(const QString &path);

// A message about a file: its own first line, then the file and the reason.
// "Impossibile leggere il file\nFile «/tmp/x.txt»: il file non esiste"
QString aboutFile(const QString &firstLine, const QString &path, const QString &reason);

// Why a file could not be opened or read: "il file non esiste", "è una cartella",
// "permesso negato", or the system's error.
QString whyUnreadable(const QString &path, int systemError = 0);

// Why a file could not be written: "la cartella «...» non esiste", "il file è di sola
// lettura", "il disco è pieno", or the system's error.
QString whyUnwritable(const QString &path, int systemError = 0);

// A system error number (errno) in plain Italian.
QString systemReason(int systemError);

} // namespace usertext
