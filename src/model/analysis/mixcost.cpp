#include "mixcost.h"

#include "numbers.h"
#include "worksheet.h"

using namespace field;

std::optional<double> rowPrice(const personal::Library &library, int row, const QString &name)
{
    if (row <= kCatalogueRows)
        return library.price(name);
    const personal::Ingredient *ingredient = library.find(name);
    if (!ingredient || ingredient->price.isEmpty())
        return std::nullopt;
    return numbers::toNumber(ingredient->price);
}

MixCost mixCost(const Worksheet &worksheet)
{
    const personal::Library &library = worksheet.library();
    MixCost cost;
    auto add = [&cost](const QString &name, std::optional<double> price, double amount) {
        if (!price) {
            if (cost.missingPrice.isEmpty())
                cost.missingPrice = name;
            return;
        }
        cost.total += amount * *price;
    };
    for (int row = 1; row <= kIngredientRows; ++row) {
        const double grams = numbers::valueOrZero(worksheet.text(peso(row)));
        if (grams <= 0)
            continue;
        const QString &name = worksheet.text(row <= kCatalogueRows ? componente(row) : aggiunta(row));
        add(name, rowPrice(library, row, name), grams / 1000);
    }
    if (worksheet.eggsChecked()) {
        const double eggs = numbers::valueOrZero(worksheet.text(NumeroUova));
        const QString &kind = worksheet.text(componente(kEggRow));
        if (eggs > 0)
            add(kind, library.price(kind), eggs);
    }
    const double totalWeight = numbers::valueOrZero(worksheet.text(RisPeso));
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
