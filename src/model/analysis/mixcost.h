#pragma once

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
    double total = 0;     // euro
    double perKg = 0;     // euro per kilogram of the total weight the results show
    QString missingPrice; // the first weighed ingredient without a price, in row order, eggs last
};

// The price per kilogram of the ingredient named on row 1-13, or nothing. A custom row
// (12, 13) is priced only by a personal line of exactly its name, never by a catalogue
// entry that happens to share it.
std::optional<double> rowPrice(const personal::Library &library, int row, const QString &name);

// The cost of the worksheet as the last successful calculation left it: the grams it
// read and the total weight it wrote.
MixCost mixCost(const Worksheet &worksheet);

// "Costo: 4,35 € · 14,50 €/kg", or "Costo: manca il prezzo di NAME".
QString costText(const MixCost &cost);

// "manca il prezzo di NAME"
QString missingPriceText(const QString &name);
