// SPDX-License-Identifier: GPL-3.0-or-later
#include "mixcost.h"

#include "catalogue.h"
#include "messages.h"
#include "numbers.h"
#include "worksheet.h"

#include <QCoreApplication>

using namespace field;

namespace {

// The price per kilogram of a custom row's name: a personal ingredient's or a catalogue
// entry's own price; for an egg kind, its price per egg spread over the egg's grams.
std::optional<double> customRowPrice(const personal::Library &library, const QString &name)
{
    if (const catalogue::EggKind *kind = catalogue::findEggKind(name)) {
        const auto perEgg = library.price(name);
        if (!perEgg)
            return std::nullopt;
        return *perEgg / kind->gramsPerEgg * 1000;
    }
    return library.price(name);
}

} // namespace

std::optional<double> rowPrice(const personal::Library &library, int row, const QString &name)
{
    return isCustomRow(row) ? customRowPrice(library, name) : library.price(name);
}

void addCostItem(QList<CostItem> &items, const CostItem &item)
{
    if (item.amount > 0)
        items << item;
}

MixCost sumCost(const QList<CostItem> &items, double totalWeight)
{
    MixCost cost;
    for (const CostItem &item : items) {
        if (!item.price) {
            if (cost.missingPrice.isEmpty())
                cost.missingPrice = item.name;
            continue;
        }
        cost.total += item.amount * *item.price;
    }
    if (totalWeight > 0)
        cost.perKg = cost.total / (totalWeight / 1000);
    // A cost beyond a double's range would show as 0,00. Prices above 1.000.000 € never
    // reach here (the ingredient file drops them), so ten tonnes cost at most 10^10 €;
    // the guard stays for any other caller.
    cost.tooLarge = !numbers::fitsPlainText(cost.total) || !numbers::fitsPlainText(cost.perKg);
    return cost;
}

MixCost mixCost(const Worksheet &worksheet, const CalculatedRows &rows)
{
    const personal::Library &library = worksheet.library();
    QList<CostItem> items;
    // The weight as the calculation summed it, not as rounded for display: a one-ingredient
    // mix costs exactly its own price per kilogram.
    double totalWeight = rows[size_t(kEggRow - 1)].grams;
    for (int row = 1; row <= kIngredientRows; ++row) {
        const CalculatedRow &r = rows[size_t(row - 1)];
        totalWeight += r.grams;
        addCostItem(items, CostItem{messages::ingredientName(r.name, row), rowPrice(library, row, r.name),
                                    r.grams / 1000});
    }
    if (worksheet.eggsChecked()) {
        const double eggs = numbers::valueOrZero(worksheet.text(NumeroUova));
        const QString &kind = worksheet.text(componente(kEggRow));
        addCostItem(items, CostItem{kind, library.price(kind), eggs});
    }
    return sumCost(items, totalWeight);
}

QString missingPriceText(const QString &name)
{
    return QCoreApplication::translate("Cost", "manca il prezzo di %1").arg(catalogue::displayName(name));
}

QString costText(const MixCost &cost)
{
    if (!cost.missingPrice.isEmpty())
        return QCoreApplication::translate("Cost", "Costo: ") + missingPriceText(cost.missingPrice);
    if (cost.tooLarge)
        return kCostTooLarge;
    return QCoreApplication::translate("Cost", "Costo: %1 € · %2 €/kg")
        .arg(numbers::twoDecimals(cost.total), numbers::twoDecimals(cost.perKg));
}
