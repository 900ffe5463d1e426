// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulainstances.h"

#include "catalogue.h"
#include "numbers.h"

#include <QRandomGenerator>

#include <cmath>

namespace formulainstances {
namespace {

double value(const char *text)
{
    return numbers::valueOrZero(QString::fromLatin1(text));
}

double decimals(double v, int places)
{
    const double scale = std::pow(10.0, places);
    return std::round(v * scale) / scale;
}

class Generator
{
public:
    explicit Generator(quint32 seed) : m_random(seed) {}

    double uniform(double low, double high) { return low + (high - low) * m_random.generateDouble(); }
    int below(int n) { return int(m_random.bounded(n)); }
    bool oneIn(int n) { return below(n) == 0; }

    // Totals spread evenly over the orders of magnitude from 50 g to 10 t.
    qint64 total(double lowLog, double highLog)
    {
        return qint64(std::llround(std::pow(10.0, uniform(lowLog, highLog))));
    }

    formula::Candidate catalogueRow(int row)
    {
        const auto entries = catalogue::ingredients();
        const catalogue::Ingredient &e = entries[size_t(below(int(entries.size())))];
        formula::Candidate c;
        c.row = row;
        c.name = QString::fromLatin1(e.name);
        c.protein = value(e.proteine);
        c.fat = value(e.grassi);
        c.carbo = value(e.carbo);
        c.digestibility = value(e.dig);
        c.binder = value(e.legante);
        c.pricePerKg = decimals(uniform(0.5, 16), 2);
        return c;
    }

    // A personal ingredient on a custom row: percentages with up to two decimals.
    formula::Candidate personalRow(int row)
    {
        formula::Candidate c;
        c.row = row;
        c.name = QStringLiteral("Mio %1").arg(row);
        c.protein = decimals(uniform(0, 80), below(3));
        c.fat = decimals(uniform(0, std::min(60.0, 100 - c.protein)), below(3));
        c.carbo = decimals(uniform(0, 100 - c.protein - c.fat), below(3));
        c.digestibility = 1 + below(5);
        c.binder = below(7) - 1;
        c.pricePerKg = decimals(uniform(0.5, 20), 2);
        return c;
    }

    formula::Eggs eggs(bool free)
    {
        const auto kinds = catalogue::eggKinds();
        const catalogue::EggKind &k = kinds[size_t(below(int(kinds.size())))];
        formula::Eggs e;
        e.kind = QString::fromLatin1(k.name);
        e.protein = value(k.proteine);
        e.fat = value(k.grassi);
        e.carbo = value(k.carbo);
        e.digestibility = value(k.dig);
        e.gramsPerEgg = k.gramsPerEgg;
        e.pricePerEgg = decimals(uniform(0.1, 0.6), 2);
        e.free = free;
        return e;
    }

    // Current grams that sum to about `share` of the total, spread unevenly over the rows.
    void currentGrams(formula::Input &in, double share)
    {
        double weights = 0;
        QList<double> w;
        for (int k = 0; k < in.rows.size(); ++k)
            weights += w.emplace_back(uniform(0.05, 1));
        for (int k = 0; k < in.rows.size(); ++k)
            in.rows[k].currentGrams =
                std::max<qint64>(1, qint64(double(in.totalGrams) * share * w[k] / weights));
    }

    formula::Band band(double low, double high, double width)
    {
        const double min = decimals(uniform(low, high), below(3));
        return {true, min, decimals(std::min(100.0, min + uniform(0.05, width)), below(3))};
    }

    formula::Input randomInstance()
    {
        formula::Input in;
        in.totalGrams = total(std::log10(50.0), 7);
        const int catalogueRows = 1 + below(11);
        for (int row = 1; row <= catalogueRows; ++row)
            in.rows << catalogueRow(row);
        for (int row = 12; row <= 13; ++row)
            if (oneIn(3))
                in.rows << personalRow(row);
        if (oneIn(2)) {
            in.eggs = eggs(oneIn(2));
            in.eggs->currentCount = 1 + below(6);
        }
        currentGrams(in, in.eggs ? 0.85 : 1);
        in.bands = oneIn(3) ? formula::defaultBands()
                            : formula::Bands{{false}, {false}, {false}, std::nullopt, std::nullopt};
        if (oneIn(3))
            in.bands.protein = band(10, 35, 20);
        if (oneIn(3))
            in.bands.fat = band(1, 8, 6);
        if (oneIn(3))
            in.bands.carbo = band(20, 55, 25);
        if (oneIn(4))
            in.bands.minDigestibility = decimals(uniform(2, 4.2), below(3));
        if (oneIn(4))
            in.bands.minBinder = decimals(uniform(1, 4.2), below(3));
        for (formula::Candidate &c : in.rows) {
            if (oneIn(6))
                c.minGrams = qint64(double(in.totalGrams) * uniform(0, 0.15));
            if (oneIn(6))
                c.maxGrams = c.minGrams + qint64(double(in.totalGrams) * uniform(0, 0.5));
            c.keep = oneIn(12);
        }
        in.goal = oneIn(2) ? formula::Goal::LowestCost : formula::Goal::ClosestToCurrent;
        return in;
    }

    // Every row, free eggs, all three bands narrow and near the mix's own shares, an index
    // minimum, a large total.
    formula::Input hardInstance()
    {
        formula::Input in;
        in.totalGrams = total(3, 7);
        for (int row = 1; row <= 11; ++row)
            in.rows << catalogueRow(row);
        for (int row = 12; row <= 13; ++row)
            in.rows << personalRow(row);
        in.eggs = eggs(true);
        in.eggs->currentCount = 2 + below(8);
        currentGrams(in, 0.8);
        in.bands.protein = band(18, 30, 1.5);
        in.bands.fat = band(3, 7, 1);
        in.bands.carbo = band(30, 50, 3);
        if (oneIn(2))
            in.bands.minDigestibility = decimals(uniform(3, 3.8), 2);
        if (oneIn(2))
            in.bands.minBinder = decimals(uniform(2.5, 3.8), 2);
        in.goal = oneIn(2) ? formula::Goal::LowestCost : formula::Goal::ClosestToCurrent;
        return in;
    }

private:
    QRandomGenerator m_random;
};

QString optionalText(const std::optional<double> &v)
{
    return v ? QString::number(*v, 'g', 17) : QStringLiteral("-");
}

} // namespace

QList<Instance> generate(int randomCount, int hardCount, quint32 seed)
{
    Generator generator(seed);
    QList<Instance> set;
    for (int k = 0; k < randomCount; ++k)
        set << Instance{QStringLiteral("random"), generator.randomInstance()};
    for (int k = 0; k < hardCount; ++k)
        set << Instance{QStringLiteral("hard"), generator.hardInstance()};
    return set;
}

QString describe(const formula::Input &in)
{
    auto number = [](double v) { return QString::number(v, 'g', 17); };
    QStringList lines;
    lines << QStringLiteral("total %1").arg(in.totalGrams);
    lines << QStringLiteral("goal %1").arg(in.goal == formula::Goal::LowestCost ? "cost" : "closest");
    const std::pair<const char *, const formula::Band *> bands[] = {
        {"protein", &in.bands.protein}, {"fat", &in.bands.fat}, {"carbo", &in.bands.carbo}};
    for (const auto &[name, band] : bands)
        lines << (band->on ? QStringLiteral("band %1 %2 %3").arg(name, number(band->min), number(band->max))
                           : QStringLiteral("band %1 off").arg(name));
    lines << QStringLiteral("digestibility %1").arg(optionalText(in.bands.minDigestibility));
    lines << QStringLiteral("binder %1").arg(optionalText(in.bands.minBinder));
    for (const formula::Candidate &c : in.rows)
        lines << QStringLiteral("row %1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11")
                     .arg(c.row)
                     .arg(number(c.protein), number(c.fat), number(c.carbo), number(c.digestibility),
                          number(c.binder), optionalText(c.pricePerKg), number(c.currentGrams))
                     .arg(c.minGrams)
                     .arg(c.maxGrams ? QString::number(*c.maxGrams) : QStringLiteral("-"))
                     .arg(c.keep ? 1 : 0);
    if (const std::optional<formula::Eggs> &e = in.eggs)
        lines << QStringLiteral("eggs %1 %2 %3 %4 %5 %6 %7 %8 %9 %10")
                     .arg(number(e->protein), number(e->fat), number(e->carbo), number(e->digestibility))
                     .arg(e->gramsPerEgg)
                     .arg(optionalText(e->pricePerEgg), number(e->currentCount))
                     .arg(e->free ? 1 : 0)
                     .arg(e->minCount)
                     .arg(e->maxCount ? QString::number(*e->maxCount) : QStringLiteral("-"));
    return lines.join(u'\n');
}

QString answerText(const formula::Result &result)
{
    if (result.status == formula::Status::NoMix)
        return QStringLiteral("nomix ") + result.reasons.join(QStringLiteral(" | "));
    QStringList grams;
    for (const formula::ProposedRow &row : result.rows)
        grams << QString::number(row.grams);
    return QStringLiteral("%1 cost %2 distance %3 grams %4 eggs %5 | %6")
        .arg(result.status == formula::Status::Best ? "best" : "maybe")
        .arg(result.cost ? QString::number(*result.cost, 'g', 17) : QStringLiteral("-"))
        .arg(QString::number(result.distance, 'g', 17), grams.join(u' '))
        .arg(result.eggCount ? QString::number(*result.eggCount) : QStringLiteral("-"))
        .arg(result.reasons.join(QStringLiteral(" | ")));
}

} // namespace formulainstances
