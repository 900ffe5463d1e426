// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mixresults.h"
#include "translatedtext.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The formula: from the targets of a mix (its total weight, the bands of its shares and
// indices, the bounds of every row) to whole grams, either the cheapest mix or the one
// closest to the current mix. Plain data in, plain data out: the caller reads the
// worksheet and the ingredient library, and writes the grams back if the user wants them.
namespace formula {

class MipSolver;

enum class Goal
{
    LowestCost,
    ClosestToCurrent,
};

// A share's band in percent, both edges inside. A band that is off constrains nothing.
struct Band
{
    bool on = true;
    double min = 0;
    double max = 100;
};

struct Bands
{
    Band protein;
    Band fat;
    Band carbo;
    std::optional<double> minDigestibility; // eggs included, as the calculation averages it
    std::optional<double> minBinder;        // rows 1-13 only, eggs excluded
};

// The balanced ranges of the References window (17-40 %, 3-8 %, 25-60 %); no minimum
// for the indices.
Bands defaultBands();

// One of rows 1-13 that names an ingredient.
struct Candidate
{
    int row = 0; // 1 to 13
    QString name;
    double protein = 0; // percent
    double fat = 0;
    double carbo = 0;
    double digestibility = 0;
    double binder = 0;
    std::optional<double> pricePerKg; // euro
    double currentGrams = 0;
    qint64 minGrams = 0;
    std::optional<qint64> maxGrams; // none: the total weight
    bool keep = false;              // "keep as is": the current grams, which must be whole
};

// The egg row, when it is ticked: a whole number of eggs of one kind.
struct Eggs
{
    QString kind;
    double protein = 0; // percent
    double fat = 0;
    double carbo = 0;
    double digestibility = 0;
    int gramsPerEgg = 0;
    std::optional<double> pricePerEgg; // euro
    double currentCount = 0;
    bool free = false; // false: the current count, which must be whole
    // Only when free. A ticked egg row needs at least one egg to be calculated, so one
    // is the smallest count unless the caller says otherwise.
    qint64 minCount = 1;
    std::optional<qint64> maxCount; // none: as many as the total weight holds
};

struct Input
{
    QList<Candidate> rows; // in row order
    std::optional<Eggs> eggs;
    qint64 totalGrams = 0; // eggs included
    Bands bands = defaultBands();
    Goal goal = Goal::LowestCost;

    // What the worksheet holds today, which the closest goal scales: the grams of the
    // rows, and the eggs' count and grams each (0 without an egg row).
    double currentRowGrams() const
    {
        double sum = 0;
        for (const Candidate &c : rows)
            sum += c.currentGrams;
        return sum;
    }
    double currentEggCount() const { return eggs ? eggs->currentCount : 0; }
    int gramsPerEgg() const { return eggs ? eggs->gramsPerEgg : 0; }
};

// Totals above this are refused (ten tonnes): far beyond any bait, and well inside the
// range where a double holds every gram exactly.
inline constexpr qint64 kMaxTotalGrams = 10'000'000;

struct ProposedRow
{
    int row = 0;
    QString name;
    double currentGrams = 0;
    qint64 grams = 0;
};

enum class Status
{
    Best,         // the best whole-gram mix
    MaybeNotBest, // a whole-gram mix meeting every limit, found when the search stopped
    NoMix,        // see the reasons
};

struct Result
{
    Status status = Status::NoMix;
    QList<ProposedRow> rows;        // every candidate, in row order
    std::optional<qint64> eggCount; // when the egg row is in the mix
    CalculatedRows mix{};           // the proposal as the calculation reads rows
    MixResults results;             // computeMix(mix): the figures the worksheet will show
    std::optional<double> cost;     // euro, when every row with grams (and the eggs) has a price
    std::optional<double> costPerKg;
    // Closest goal: grams moved away from the current mix (see formula.cpp).
    double distance = 0;
    // Why there is no mix, one reason a line; with MaybeNotBest, the note that says so.
    QStringList reasons;
    // The problem as the worksheet gave it when the proposal was made, the user's settings
    // aside: the caller's record of what the proposal answers.
    Input worksheet;
};

// Solves with GLPK within its step limits (see glpksolver.h).
Result solve(const Input &input);
Result solve(const Input &input, MipSolver &solver);

// The rows of rows 1-14 that a proposal gives, as the calculation would read them.
CalculatedRows mixOf(const Input &input, const QList<qint64> &grams, qint64 eggCount);

// The note of a mix found when the search stopped at its step limit.
QString maybeNotBestText();

// The note of an answer found when the clock stopped the search, on a machine far slower
// than the steps were measured on: only then may the answer differ elsewhere.
QString stoppedByClockText();

} // namespace formula
