// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mixresults.h"
#include "translatedtext.h"

#include <QString>

#include <optional>

class Worksheet;
namespace personal {
struct Library;
}

// What a mix costs: grams / 1000 x price for every weighed row, plus eggs x price per
// egg when the eggs are in the mix.
struct MixCost
{
    double total = 0;      // euro
    double perKg = 0;      // euro per kilogram of the mix's total weight as calculated
    QString missingPrice;  // the first weighed ingredient without a price, in row order, eggs last
    bool tooLarge = false; // the cost is no number the program can write and read back
};

// One priced amount of a mix: the kilograms of a row, or a number of eggs.
struct CostItem
{
    QString name; // as a missing price names it
    std::optional<double> price;
    double amount = 0;
};

// Adds an amount to be priced. Nothing weighed needs no price: an amount of 0 (a row the
// formula leaves empty, a row not weighed) is left out, so its missing price is never asked.
void addCostItem(QList<CostItem> &items, const CostItem &item);

// The cost of priced amounts, in order, and per kilogram of `totalWeight` grams: the one
// sum behind the status bar's cost and the formula's.
MixCost sumCost(const QList<CostItem> &items, double totalWeight);

// The price per kilogram of the ingredient named on row 1-13, or nothing. A catalogue
// entry's price prices every row of that name, a custom row named like it included; a
// personal ingredient's prices its own name. A custom row named like an egg kind is
// priced by the egg's price per egg, at the kind's grams per egg.
std::optional<double> rowPrice(const personal::Library &library, int row, const QString &name);

// The cost of the worksheet's mix from the rows as the last successful calculation read
// them, each priced by rowPrice().
MixCost mixCost(const Worksheet &worksheet, const CalculatedRows &rows);

// "Costo: 4,35 € · 14,50 €/kg", "Costo: manca il prezzo di NAME", or that the cost is
// too large to compute.
QString costText(const MixCost &cost);

// "manca il prezzo di NAME"
QString missingPriceText(const QString &name);

// The refusal of a cost too large to compute.
inline const QString &kCostTooLarge = translatedConstant(
    "Cost", QT_TRANSLATE_NOOP("Cost", "Il costo è troppo grande per il calcolo: ridurre i prezzi o i pesi"));
