// SPDX-License-Identifier: GPL-3.0-or-later
#include "libraryfilter.h"

#include "numbers.h"

#include <QHash>
#include <QMap>

namespace library {

namespace {

bool balanceAccepts(BalanceChoice choice, const Entry &entry)
{
    if (choice == BalanceChoice::Any)
        return true;
    if (!entry.calculated())
        return false;
    const auto out = [&entry](balance::Nutrient nutrient) {
        for (std::size_t i = 0; i < std::size(balance::kNutrients); ++i)
            if (balance::kNutrients[i] == nutrient)
                return entry.verdicts[i] != balance::Verdict::InRange;
        return false;
    };
    const bool anyOut =
        out(balance::Nutrient::Protein) || out(balance::Nutrient::Carbo) || out(balance::Nutrient::Fat);
    switch (choice) {
    case BalanceChoice::Balanced:
        return !anyOut;
    case BalanceChoice::OutOfRange:
        return anyOut;
    case BalanceChoice::ProteinOut:
        return out(balance::Nutrient::Protein);
    case BalanceChoice::CarboOut:
        return out(balance::Nutrient::Carbo);
    case BalanceChoice::FatOut:
        return out(balance::Nutrient::Fat);
    case BalanceChoice::Any:
        break;
    }
    return true;
}

bool costAccepts(const Filter &filter, const Entry &entry)
{
    if (!filter.costFrom && !filter.costTo)
        return true;
    if (!entry.calculated() || !entry.cost.missingPrice.isEmpty() || entry.cost.tooLarge)
        return false;
    // The cost as the list shows it, so "up to 14,50" keeps a line that reads 14,50.
    const double shown = numbers::toNumber(numbers::twoDecimals(entry.cost.perKg)).value_or(entry.cost.perKg);
    return (!filter.costFrom || shown >= *filter.costFrom) && (!filter.costTo || shown <= *filter.costTo);
}

} // namespace

bool accepts(const Filter &filter, const Entry &entry)
{
    return matches(entry, filter.text) && balanceAccepts(filter.balance, entry) &&
           costAccepts(filter, entry) && (!filter.sameMixOnly || entry.sameMix.count > 0);
}

QString mixKey(const Entry &entry)
{
    if (!entry.calculated())
        return {};
    // By ingredient, so the order of the rows does not count; an ingredient is its name and
    // its values, so two custom rows of one name and other values are two ingredients.
    QMap<QString, double> grams;
    for (const CalculatedRow &row : entry.rows) {
        if (row.name.isEmpty() || row.grams == 0)
            continue;
        // Every value in full (17 digits read back exactly): only equal values are equal.
        QString ingredient = row.name;
        for (double value : {row.protein, row.fat, row.carbo, row.digestibility, row.binder})
            ingredient += u'\x1f' + QString::number(value, 'g', 17);
        grams[ingredient] += row.grams;
    }
    QString key;
    for (auto at = grams.cbegin(); at != grams.cend(); ++at)
        key += at.key() + u'\x1f' + QString::number(at.value(), 'g', 17) + u'\x1e';
    return key;
}

namespace {

// A mix by its key, hashed once when the file was read: the list's thousands of keys are
// not hashed again each time it changes.
struct MixRef
{
    size_t hash;
    const QString *key;
    bool operator==(const MixRef &other) const { return hash == other.hash && *key == *other.key; }
};

size_t qHash(const MixRef &mix, size_t seed = 0)
{
    return mix.hash ^ seed;
}

} // namespace

QList<int> markSameMixes(QList<Entry> &entries)
{
    // Each mix's entries and the first of them by file name, which names the group.
    struct Group
    {
        int count = 0;
        int first = -1;
    };
    QList<Group> groups;
    QList<int> groupOf(entries.size(), -1);
    {
        const QList<Entry> &read = entries;
        QHash<MixRef, int> byMix;
        for (int row = 0; row < read.size(); ++row) {
            if (read[row].mixKey.isEmpty())
                continue;
            const MixRef mix{read[row].mixHash, &read[row].mixKey};
            auto at = byMix.constFind(mix);
            if (at == byMix.constEnd()) {
                at = byMix.insert(mix, int(groups.size()));
                groups.append(Group{});
            }
            Group &group = groups[*at];
            groupOf[row] = *at;
            ++group.count;
            if (group.first < 0 || read[row].relativePath < read[group.first].relativePath)
                group.first = row;
        }
    }
    QList<int> changed;
    for (int row = 0; row < entries.size(); ++row) {
        SameMix same;
        if (groupOf[row] >= 0 && groups[groupOf[row]].count > 1) {
            same.count = groups[groupOf[row]].count - 1;
            same.first = entries[groups[groupOf[row]].first].relativePath;
        }
        if (same != entries[row].sameMix) {
            entries[row].sameMix = same;
            changed.append(row);
        }
    }
    return changed;
}

} // namespace library
