// SPDX-License-Identifier: GPL-3.0-or-later
// Times the formula for a full worksheet: eleven catalogue rows, two custom rows and the
// eggs (kept at four, then free), with the default bands, for a total of 1 kg and of
// 25 kg, for both goals.
#include "catalogue.h"
#include "formula.h"
#include "numbers.h"

#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>

namespace {

formula::Candidate catalogueRow(int row, const char *name, double grams, double price)
{
    const catalogue::Ingredient *entry = catalogue::findIngredient(QString::fromLatin1(name));
    auto value = [](const char *text) { return numbers::valueOrZero(QString::fromLatin1(text)); };
    formula::Candidate c;
    c.row = row;
    c.name = QString::fromLatin1(name);
    c.protein = value(entry->proteine);
    c.fat = value(entry->grassi);
    c.carbo = value(entry->carbo);
    c.digestibility = value(entry->dig);
    c.binder = value(entry->legante);
    c.currentGrams = grams;
    c.pricePerKg = price;
    return c;
}

// The worksheet of the main benchmark: rows of 25 to 275 g, two custom rows, four eggs.
formula::Input fullWorksheet(qint64 total, formula::Goal goal, bool freeEggs)
{
    static const char *const names[] = {
        "ALBUMINA", "CASEINA",   "FARINA DI MAIS",   "FARINA DI AVENA", "GLM",       "SEMOLINO",
        "CRUSCA",   "ROBIN RED", "LATTE IN POLVERE", "SOYA TOSTATA",    "TIGER NUTS"};
    static const double prices[] = {9.5, 14, 1.2, 2.1, 11, 1.4, 0.9, 7.5, 6, 2.8, 4.2};
    formula::Input input;
    for (int row = 1; row <= 11; ++row)
        input.rows << catalogueRow(row, names[row - 1], row * 25, prices[row - 1]);
    input.rows << formula::Candidate{12, QStringLiteral("Mio 1"), 0, 0, 0, 3, 2, 3.0, 40, 0, {}, false};
    input.rows << formula::Candidate{13, QStringLiteral("Mio 2"), 30, 0, 0, 4, 1, 5.0, 60, 0, {}, false};
    formula::Eggs eggs;
    eggs.kind = QStringLiteral("UOVO INTERO GALLINA");
    eggs.protein = 13;
    eggs.fat = 11.1;
    eggs.gramsPerEgg = 52;
    eggs.pricePerEgg = 0.3;
    eggs.currentCount = 4;
    eggs.free = freeEggs;
    input.eggs = eggs;
    input.totalGrams = total;
    input.goal = goal;
    return input;
}

} // namespace

int main()
{
    QTextStream out(stdout);
    out << "Formula, full worksheet (13 rows and eggs), default bands; medians of 21 runs:\n";
    for (const bool freeEggs : {false, true}) {
        for (const qint64 total : {1000, 25000}) {
            for (const formula::Goal goal : {formula::Goal::LowestCost, formula::Goal::ClosestToCurrent}) {
                const formula::Input input = fullWorksheet(total, goal, freeEggs);
                QList<double> samples;
                formula::Result result;
                for (int run = 0; run < 21; ++run) {
                    QElapsedTimer timer;
                    timer.start();
                    result = formula::solve(input);
                    samples << timer.nsecsElapsed() / 1e6;
                }
                std::sort(samples.begin(), samples.end());
                const QString what = goal == formula::Goal::LowestCost ? QStringLiteral("lowest cost")
                                                                       : QStringLiteral("closest    ");
                out << (freeEggs ? "eggs free, " : "4 eggs,    ") << "total " << total << " g, " << what
                    << ": " << samples[samples.size() / 2] << " ms (";
                if (result.status == formula::Status::NoMix)
                    out << "no mix: " << result.reasons.join(QStringLiteral("; "));
                else
                    out << (result.status == formula::Status::Best ? "best" : "may not be the best")
                        << ", cost " << numbers::twoDecimals(result.cost.value_or(0)) << " EUR, distance "
                        << numbers::twoDecimals(result.distance) << " g";
                out << ")\n";
            }
        }
    }
    return 0;
}
