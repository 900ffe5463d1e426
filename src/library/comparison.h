// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "libraryentry.h"
#include "page.h"

#include <QList>
#include <QString>
#include <QStringList>

// Two to four recipes side by side: the ingredients aligned by name, then the results,
// indices, verdicts and cost, each cell that differs from the first recipe's marked.
namespace comparison {

constexpr int kMinRecipes = 2;
constexpr int kMaxRecipes = 4;

// Whether this many recipes make a comparison: the window's button and vornak-cli ask here.
constexpr bool countAllowed(qsizetype recipes)
{
    return recipes >= kMinRecipes && recipes <= kMaxRecipes;
}

struct Cell
{
    QString text;
    QString change;       // how far from the first recipe: "+1,70"; empty when no number
    bool differs = false; // not as in the first recipe (never for the first)
};

struct Line
{
    QString label;
    QList<Cell> cells;    // one per recipe
    bool heading = false; // a section title; no cells
};

struct Table
{
    QStringList titles; // recipe name, or the file name for a recipe without one
    QStringList files;
    QList<Line> lines;
};

// Why the entries cannot be compared (too few, too many, a file that is no recipe),
// naming the file; empty when they can.
QString refusal(const QList<library::Entry> &entries);

// Entries that can be compared (see refusal()).
Table build(const QList<library::Entry> &entries);

// One share of every recipe for the chart: the share as shown, in percent, and the range
// of a balanced mix, in the order of balance::kNutrients.
struct Bar
{
    QString nutrient;
    balance::Range range;
    QList<std::optional<double>> percents; // per recipe; none without figures
};
QList<Bar> bars(const QList<library::Entry> &entries);

// The comparison as lines of text, columns separated by tabs (vornak-cli compare).
QStringList textLines(const Table &table, const QList<Bar> &chart);

// The printed comparison: landscape, the table, then the shares drawn as bars of
// characters against the balanced ranges.
Page page(const Table &table, const QList<Bar> &chart);

} // namespace comparison
