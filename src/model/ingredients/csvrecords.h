// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The records of a ";"-separated file as spreadsheets write it: UTF-8 (with or without
// its mark) or, for a file that is not valid UTF-8, Windows-1252, the plain "CSV" of an
// Italian spreadsheet; CR, LF or CR LF at line ends; a quoted cell may hold ";", a line
// break and "" for one double quote.
namespace csvrecords {

struct Cell
{
    QString text;
    int line = 1; // where the cell starts, counting from 1
};

struct Record
{
    QList<Cell> cells;
    int line = 1;       // where the record starts
    int brokenLine = 0; // a quoted cell not closed, or followed by more than blanks: its line
    bool blank() const; // only blanks and separators: an empty spreadsheet row
};

// The text of the file's bytes, decoded as above.
QString decodeText(const QByteArray &bytes);

// Every record of the text, empty rows included. A cell's guard against spreadsheet
// formulas (below) is taken off again.
QList<Record> split(const QString &text);

// Writing, in the same convention: the byte-order mark that tells Italian spreadsheets
// the file is UTF-8; cells separated by ";" and quoted when they hold one, a double
// quote, a line break or blanks at either end; lines ended by CR LF.
inline constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
QByteArray field(const QString &text);
QByteArray line(const QStringList &fields);

// A text a spreadsheet would run as a formula (one that begins with "=", "+", "-", "@",
// a tab or a carriage return and is not a number) is written after an apostrophe, which
// spreadsheets take as "show this as text": names come from other people's files.
QString guarded(const QString &text);

} // namespace csvrecords
