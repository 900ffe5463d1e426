// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formula.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// The command line of `vornak-cli formula`: read first, then put into the problem of the
// recipe it names, whose rows it refers to.
struct FormulaArgs
{
    QString file;
    QString saveAs;
    std::optional<qint64> total;
    formula::Goal goal = formula::Goal::LowestCost;
    formula::Bands bands = formula::defaultBands();
    QMap<int, qint64> minGrams; // by row
    QMap<int, qint64> maxGrams;
    QList<int> keep;
    bool freeEggs = false;
};

// The arguments after "formula" (--ingredients already taken out): what is wrong with
// them, or an empty text with `parsed` filled in.
QString parseFormulaArgs(const QStringList &args, FormulaArgs &parsed);

// Puts the options into the recipe's problem: what cannot be used with this recipe (a
// row without an ingredient, free eggs without eggs), or an empty text.
QString applyFormulaArgs(const FormulaArgs &parsed, formula::Input &input);
