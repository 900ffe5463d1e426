#include "mixcost.h"

#include "numbers.h"
#include "worksheet.h"

using namespace field;

MixCost mixCost(const Worksheet &sheet)
{
    const personal::Library &library = sheet.library();
    MixCost cost;
    auto add = [&cost](const QString &name, std::optional<double> price, double amount) {
        if (!price) {
            if (cost.missingPrice.isEmpty())
                cost.missingPrice = name;
            return;
        }
        cost.total += amount * *price;
    };
    for (int row = 1; row <= 13; ++row) {
        const double grams = numbers::valueOrZero(sheet.text(peso(row)));
        if (grams <= 0)
            continue;
        if (row <= kCatalogueRows) {
            const QString &name = sheet.text(componente(row));
            add(name, library.price(name), grams / 1000);
        } else {
            // A custom row is priced only by a personal line of exactly its name.
            const QString &name = sheet.text(aggiunta(row));
            const personal::Ingredient *ingredient = library.find(name);
            const auto price = ingredient && !ingredient->price.isEmpty()
                                   ? numbers::toNumber(ingredient->price)
                                   : std::nullopt;
            add(name, price, grams / 1000);
        }
    }
    if (sheet.eggsChecked()) {
        const double eggs = numbers::valueOrZero(sheet.text(NumeroUova));
        const QString &kind = sheet.text(componente(kEggRow));
        if (eggs > 0)
            add(kind, library.price(kind), eggs);
    }
    const double totalWeight = numbers::valueOrZero(sheet.text(RisPeso));
    if (totalWeight > 0)
        cost.perKg = cost.total / (totalWeight / 1000);
    return cost;
}

QString missingPriceText(const QString &name)
{
    return QStringLiteral("manca il prezzo di %1").arg(name);
}

QString costText(const MixCost &cost)
{
    if (!cost.missingPrice.isEmpty())
        return QStringLiteral("Costo: ") + missingPriceText(cost.missingPrice);
    return QStringLiteral("Costo: %1 € · %2 €/kg")
        .arg(numbers::twoDecimals(cost.total), numbers::twoDecimals(cost.perKg));
}
