#pragma once

#include <QString>

class Worksheet;

// What a mix costs: grams / 1000 x price for every weighed row, plus eggs x price per
// egg when the eggs are in the mix.
struct MixCost
{
    double total = 0;     // euro
    double perKg = 0;     // euro per kilogram of the total weight the results show
    QString missingPrice; // the first weighed ingredient without a price, in row order, eggs last
};

// The cost of the worksheet as the last successful calculation left it: the grams it
// read and the total weight it wrote.
MixCost mixCost(const Worksheet &worksheet);

// "Costo: 4,35 € · 14,50 €/kg", or "Costo: manca il prezzo di NAME".
QString costText(const MixCost &cost);

// "manca il prezzo di NAME"
QString missingPriceText(const QString &name);
