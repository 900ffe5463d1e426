// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;
class Worksheet;

// The recipe file: one record of 51 comma-separated fields ending in CR LF, texts in
// double quotes, field 37 (the egg box) a bare 0 or 1, in Windows-1252.
namespace recipefile {

constexpr int kFieldCount = 51;
constexpr qint64 kMaxFileSize = 1024 * 1024;

// The 51 texts of the worksheet in record order; field 37 as "0" or "1".
QStringList recordOf(const Worksheet &worksheet);

// The record's bytes. A double quote in a text is written as two apostrophes.
// Fails, naming the field in `problem`, when a text has a character the code page
// lacks or the record would be larger than open accepts.
std::optional<QByteArray> encode(const QStringList &record, QString *problem = nullptr);

// Every record of a file's bytes, or nothing when they are not recipe records; then
// `problem` says why, naming the field. A file that starts with the UTF-8 byte-order
// mark is read as UTF-8, any other as Windows-1252. A quoted text ends at the first
// double quote followed, after blanks, by a comma, a line end or the end of the file;
// any other double quote belongs to the text. A record that cannot be read to its end
// blames the first text holding a double quote, if any.
std::optional<QList<QStringList>> decode(const QByteArray &bytes, QString *problem = nullptr);

// How messages name the field at `index` (0 to 50): "le note", "il nome della ricetta",
// "il nome del DODICESIMO componente", "i grammi del PRIMO componente" (fieldwords).
QString describeField(int index);

// What the user must learn about texts opened from a hand-edited file, naming their
// fields: double quotes, which saving writes as two apostrophes, and characters that
// Windows-1252 lacks (from a UTF-8 file), which saving refuses. Empty when all is well.
QStringList openingNotices(const QStringList &record);

// True when the record is a recipe: every list names one of its entries, field 37 is
// a number, and a row showing "-", a custom row without a name and the egg row with
// the box off hold only zeros. Other bad values are left to the input rules.
// `ingredients` are the entries the catalogue rows offer, personal ones included.
bool isValid(const QStringList &record, const QStringList &ingredients = catalogue::ingredientEntries());

// Why a record is no recipe, naming the first field that makes it none ("il campo 37
// («a») non è un numero"); empty for a recipe.
QString whyNotARecipe(const QStringList &record, const QStringList &ingredients);

// The first ingredient a record names that is not among `ingredients`, if any. An empty
// text names nothing: such a record is simply not a recipe.
std::optional<QString> unknownIngredient(const QStringList &record, const QStringList &ingredients);

// Sets the worksheet's fields from a record in field order, each through its reaction.
void apply(Worksheet &worksheet, const QStringList &record);

enum class Outcome
{
    Done,
    Unreadable,
    NotARecipe,
    UnknownIngredient,
    Unwritable
};

// Reads, checks and applies every record of a file; a file that is not a recipe
// changes nothing. A value the input rules refuse is answered by their warning and
// "0" as the field is set, and the rest of the recipe opens. `detail` names an
// ingredient the worksheet does not offer, or says why the file is unreadable or no
// recipe.
Outcome open(Worksheet &worksheet, const QString &path, QString *detail = nullptr);

// Writes the record atomically: an earlier file of that name survives any failure,
// whose reason goes to `problem`.
Outcome save(const QByteArray &bytes, const QString &path, QString *problem = nullptr);

// Writes the record to a device; false when the device refuses part of it.
bool write(const QByteArray &bytes, QIODevice &device);

} // namespace recipefile
