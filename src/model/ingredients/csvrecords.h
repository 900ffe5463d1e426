// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

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

// Every record of the text, empty rows included.
QList<Record> split(const QString &text);

} // namespace csvrecords
