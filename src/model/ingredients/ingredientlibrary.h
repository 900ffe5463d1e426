// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The user's own ingredients and the prices of every ingredient. Values and prices
// are kept as the texts the user wrote, like the catalogue's, so a value reaches the
// worksheet exactly as it was typed.
namespace personal {

// The columns of ingredienti.csv after the name: the five values in the worksheet's order,
// then the price. Not the worksheet's field::RowColumn nor the editor's TableColumn.
enum CsvColumn
{
    CsvProteine,
    CsvGrassi,
    CsvCarboidrati,
    CsvDigeribilita,
    CsvLegante,
    CsvPrezzo,
    CsvColumnCount
};
constexpr int kValueCount = 5;

// No bait ingredient costs more than a million euro a kilogram (or an egg): a price beyond it
// is a slip of the keyboard, and would only give costs no one can read.
constexpr double kMaxPrice = 1'000'000;

// A column's header in the file and the numbers it accepts, limits included.
struct ColumnRule
{
    const char *header;
    double min;
    double max;
};
const ColumnRule &rule(CsvColumn column);

enum class Check
{
    Ok,
    NotANumber,
    BelowMin,
    AboveMax
};

// Checks a non-empty text of a column against the number convention and the column's range.
Check check(CsvColumn column, const QString &text);

// True when the three percentages, added and rounded to 15 significant digits, exceed 100.
bool sumOver100(const QString &proteine, const QString &grassi, const QString &carboidrati);

// A price as people write it in a spreadsheet: blanks and a "€" around the number are dropped.
QString cleanPrice(const QString &text);

struct Ingredient
{
    QString name;
    std::array<QString, kValueCount> values; // CsvProteine .. CsvLegante
    QString price;                           // euro per kilogram; empty: no price

    bool operator==(const Ingredient &) const = default;
};

enum class NameKind
{
    Catalogue,
    Egg,
    Reserved, // "-" and the empty name
    Personal
};
NameKind kindOf(const QString &name);

// Why a text cannot name a personal ingredient, or an empty text when it can.
QString nameProblem(const QString &name);

struct Library
{
    QList<Ingredient> ingredients;  // in the order the lists offer them
    QHash<QString, QString> prices; // catalogue entries and egg kinds (per egg); no empty texts

    bool operator==(const Library &) const = default;

    const Ingredient *find(const QString &name) const;

    // The price text of any name: catalogue entry, egg kind or personal ingredient.
    QString priceText(const QString &name) const;
    std::optional<double> price(const QString &name) const;
};

} // namespace personal
