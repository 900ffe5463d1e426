// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formula.h"
#include "formulalimits.h"

#include <QList>
#include <QString>

#include <optional>

// The formula window's settings as typed, read into a problem without any widget: every
// text checked, and what is wrong said in the words the window shows.
namespace formulaform {

struct BandText
{
    bool on = true;
    QString min;
    QString max;
};

struct IndexText
{
    bool on = false;
    QString min;
};

struct RowText
{
    int row = 0; // 1 to 13
    QString min;
    QString max; // empty: up to the total
    bool keep = false;
};

struct Form
{
    BandText protein, fat, carbo;
    IndexText digestibility, binder;
    QString total;
    formula::Goal goal = formula::Goal::LowestCost;
    QList<RowText> rows;          // the rows shown; any other keeps no bounds of the user's
    std::optional<bool> keepEggs; // nothing: no egg row shown
};

// The box to correct: a limit's, the total's, or a row's bound.
struct Box
{
    enum class Kind
    {
        Limit,
        Total,
        RowMin,
        RowMax,
    };
    Kind kind = Kind::Total;
    formula::Limit limit = formula::Limit::ProteinMin; // for Kind::Limit

    static constexpr Box of(formula::Limit limit) { return {Kind::Limit, limit}; }
    bool operator==(const Box &) const = default;
};

struct Problem
{
    QString text;
    Box box;
    int row = 0; // for RowMin and RowMax
};

// The form put into `input`, the worksheet's problem: the first problem in the window's
// order (limits, total, rows), or nothing.
std::optional<Problem> read(const Form &form, formula::Input &input);

} // namespace formulaform
