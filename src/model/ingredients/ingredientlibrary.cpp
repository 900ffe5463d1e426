// SPDX-License-Identifier: GPL-3.0-or-later
#include "ingredientlibrary.h"

#include "catalogue.h"
#include "cp1252.h"
#include "numbers.h"
#include "sentinels.h"

#include <limits>

#include <QCoreApplication>

namespace personal {
namespace {

// Percentages as the worksheet takes them; the indices on the scales the index lists offer.
const ColumnRule kRules[CsvColumnCount] = {
    {"proteine", 0, 100},   {"grassi", 0, 100}, {"carboidrati", 0, 100},
    {"digeribilita", 1, 5}, {"legante", -1, 5}, {"prezzo", 0, kMaxPrice},
};

} // namespace

const ColumnRule &rule(CsvColumn column)
{
    return kRules[column];
}

Check check(CsvColumn column, const QString &text)
{
    const auto value = numbers::toNumber(text);
    if (!value)
        return Check::NotANumber;
    if (*value < kRules[column].min)
        return Check::BelowMin;
    if (*value > kRules[column].max)
        return Check::AboveMax;
    return Check::Ok;
}

bool sumOver100(const QString &proteine, const QString &grassi, const QString &carboidrati)
{
    const double sum =
        numbers::valueOrZero(proteine) + numbers::valueOrZero(grassi) + numbers::valueOrZero(carboidrati);
    return numbers::roundTo15(sum) > 100;
}

QString cleanPrice(const QString &text)
{
    QString price = text.trimmed();
    if (price.startsWith(u'€'))
        price.remove(0, 1);
    else if (price.endsWith(u'€'))
        price.chop(1);
    return price.trimmed();
}

NameKind kindOf(const QString &name)
{
    if (name.isEmpty() || name == sentinel::kNothingChosen)
        return NameKind::Reserved;
    if (catalogue::findIngredient(name))
        return NameKind::Catalogue;
    if (catalogue::findEggKind(name))
        return NameKind::Egg;
    return NameKind::Personal;
}

QString nameProblem(const QString &name)
{
    switch (kindOf(name)) {
    case NameKind::Reserved:
        return name.isEmpty() ? QCoreApplication::translate("Ingredients", "manca il nome")
                              : QCoreApplication::translate("Ingredients",
                                                            "«-» non può essere il nome di un ingrediente");
    case NameKind::Catalogue:
        return QCoreApplication::translate("Ingredients", "«%1» è già un ingrediente del catalogo").arg(name);
    case NameKind::Egg:
        return QCoreApplication::translate("Ingredients", "«%1» è già un tipo di uovo").arg(name);
    case NameKind::Personal:
        break;
    }
    // A recipe file cannot hold a double quote, so a recipe naming it could not be reopened.
    if (name.contains(u'"'))
        return QCoreApplication::translate("Ingredients", "il nome non può contenere virgolette (\")");
    for (QChar c : name)
        if (c.category() == QChar::Other_Control)
            return QCoreApplication::translate("Ingredients",
                                               "il nome non può contenere caratteri di controllo");
    // Recipe files are in Windows-1252: a recipe naming the ingredient could never be saved.
    if (const QString missing = cp1252::firstMissing(name); !missing.isEmpty())
        return QCoreApplication::translate(
                   "Ingredients",
                   "il nome non può contenere il carattere «%1», che il file delle ricette non può "
                   "contenere")
            .arg(missing);
    return QString();
}

const Ingredient *Library::find(const QString &name) const
{
    for (const Ingredient &ingredient : ingredients)
        if (ingredient.name == name)
            return &ingredient;
    return nullptr;
}

QString Library::priceText(const QString &name) const
{
    if (const Ingredient *ingredient = find(name))
        return ingredient->price;
    return prices.value(name);
}

std::optional<double> Library::price(const QString &name) const
{
    const QString text = priceText(name);
    if (text.isEmpty())
        return std::nullopt;
    return numbers::toNumber(text);
}

} // namespace personal
