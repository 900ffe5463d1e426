// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ingredientlibrary.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// ingredienti.csv: the personal ingredients and the prices, written so that an Italian
// spreadsheet opens and saves it: UTF-8, ";" between fields, decimal comma, one header
// line, then one ingredient a line. Fields holding ";" or a double quote are quoted.
namespace ingredientfile {

constexpr qint64 kMaxFileSize = 1024 * 1024;

// "nome;proteine;grassi;carboidrati;digeribilita;legante;prezzo"
QString header();

struct ReadResult
{
    personal::Library library;
    QString failure;      // why the whole file was not used; empty when it was
    QStringList problems; // "riga N: reason" for each line left out
    bool missing = false; // no file at the path: no personal ingredients and no prices
};

// Reads a file's bytes. Every good line is used; each bad one is left out with its reason.
ReadResult decode(const QByteArray &bytes);

// Reads the file at `path` without ever writing it; a missing file is an empty library.
ReadResult read(const QString &path);

// The warning for the user about a read, or an empty text when all went well. It names
// the first ten bad lines and counts the rest, or names every one when `everyLine`.
QString warningText(const QString &path, const ReadResult &result, bool everyLine = false);

// "Il file degli ingredienti «X» non esiste": for a file the user named, whose absence is
// a mistake to point out (the default file is simply not made yet).
QString missingText(const QString &path);

// The file's bytes: catalogue prices, egg prices, then the personal ingredients in order.
QByteArray encode(const personal::Library &library);

// Writes the file atomically, creating its folder; returns the reason of a failure or
// an empty text.
QString save(const personal::Library &library, const QString &path);

// ingredienti.csv in the user's data folder.
QString defaultPath();

} // namespace ingredientfile
