// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "libraryentry.h"

#include <QList>
#include <QString>

#include <optional>

// Which recipes of the archive to show: the same choices in the window and in
// `vornak-cli list`, so both list the same files.
namespace library {

enum class BalanceChoice
{
    Any,
    Balanced,   // every share in its range
    OutOfRange, // any share out of its range
    ProteinOut, // this share out of its range, whatever the others
    CarboOut,
    FatOut,
};

struct Filter
{
    QString text; // found as matches() finds it
    BalanceChoice balance = BalanceChoice::Any;
    // Euro per kilogram as the list shows it (to the cent), both edges included; a recipe
    // without a cost is left out as soon as one edge is set.
    std::optional<double> costFrom;
    std::optional<double> costTo;
    bool sameMixOnly = false; // only recipes with another of the same ingredients and grams
};

bool accepts(const Filter &filter, const Entry &entry);

// The same ingredients and grams, whatever the rows they are in and the recipe's name:
// one text per mix, empty for a recipe that weighs nothing or cannot be calculated.
QString mixKey(const Entry &entry);

// Fills in each entry's `sameMix`: how many other entries of the list have the same mix,
// and the group's first file by name. The rows whose `sameMix` changed, in order.
QList<int> markSameMixes(QList<Entry> &entries);

} // namespace library
