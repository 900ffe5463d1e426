// SPDX-License-Identifier: GPL-3.0-or-later
#include "glpkdive.h"

#include <algorithm>
#include <cmath>

namespace formula::glpkdive {
namespace {

double fractionOf(double value)
{
    return std::abs(value - std::round(value));
}

// The largest change of each row's value when every integer variable moves by less
// than one: how far inside its bounds a row must be for rounding to keep it there.
std::vector<double> roundingMargins(glp_prob *lp)
{
    const int rows = glp_get_num_rows(lp), columns = glp_get_num_cols(lp);
    std::vector<double> margins(size_t(rows) + 1, 0);
    std::vector<int> index(size_t(rows) + 1);
    std::vector<double> value(size_t(rows) + 1);
    for (int j = 1; j <= columns; ++j) {
        if (glp_get_col_kind(lp, j) != GLP_IV)
            continue;
        const int count = glp_get_mat_col(lp, j, index.data(), value.data());
        for (int k = 1; k <= count; ++k)
            margins[size_t(index[size_t(k)])] += std::abs(value[size_t(k)]);
    }
    return margins;
}

// Moves every inequality row inside its bounds by its margin (never past its middle).
void tightenRows(glp_prob *lp, const std::vector<double> &margins)
{
    for (int i = 1; i <= glp_get_num_rows(lp); ++i) {
        const int type = glp_get_row_type(lp, i);
        double lower = glp_get_row_lb(lp, i), upper = glp_get_row_ub(lp, i);
        const double margin =
            type == GLP_DB ? std::min(margins[size_t(i)], (upper - lower) / 2) : margins[size_t(i)];
        if (type == GLP_LO || type == GLP_DB)
            lower += margin;
        if (type == GLP_UP || type == GLP_DB)
            upper -= margin;
        if (type == GLP_LO || type == GLP_UP || type == GLP_DB)
            glp_set_row_bnds(lp, i, type, lower, upper);
    }
}

// The largest coefficient of a column: the egg count, worth grams per egg in the total,
// is fixed before the grams that can make up for it gram by gram.
double coarseness(glp_prob *lp, int column, std::vector<int> &index, std::vector<double> &value)
{
    double largest = 0;
    const int count = glp_get_mat_col(lp, column, index.data(), value.data());
    for (int k = 1; k <= count; ++k)
        largest = std::max(largest, std::abs(value[size_t(k)]));
    return largest;
}

// The fractional integer variable to fix next: the coarsest, then the nearest to whole.
int nextToFix(glp_prob *lp, std::vector<int> &index, std::vector<double> &value)
{
    int chosen = 0;
    double chosenCoarseness = 0, chosenFraction = 0;
    for (int j = 1; j <= glp_get_num_cols(lp); ++j) {
        if (glp_get_col_kind(lp, j) != GLP_IV || glp_get_col_type(lp, j) == GLP_FX)
            continue;
        const double f = fractionOf(glp_get_col_prim(lp, j));
        if (f <= 1e-9)
            continue;
        const double c = coarseness(lp, j, index, value);
        if (chosen == 0 || c > chosenCoarseness || (c == chosenCoarseness && f < chosenFraction)) {
            chosen = j;
            chosenCoarseness = c;
            chosenFraction = f;
        }
    }
    return chosen;
}

void restoreRows(glp_prob *lp, glp_prob *original)
{
    for (int i = 1; i <= glp_get_num_rows(lp); ++i)
        glp_set_row_bnds(lp, i, glp_get_row_type(original, i), glp_get_row_lb(original, i),
                         glp_get_row_ub(original, i));
}

// Fixes an integer variable to the whole number nearest its value, or failing that to
// the other one next to it; false when neither leaves a feasible relaxation.
bool fixToWhole(glp_prob *lp, int column)
{
    const double current = glp_get_col_prim(lp, column);
    const double nearest = std::round(current);
    const double other = nearest > current ? nearest - 1 : nearest + 1;
    for (double whole : {nearest, other}) {
        glp_set_col_bnds(lp, column, GLP_FX, whole, whole);
        if (solveRelaxation(lp))
            return true;
    }
    glp_set_col_bnds(lp, column, GLP_DB, std::min(nearest, other), std::max(nearest, other));
    return false;
}

// A first whole-number solution, found by diving. Branch and bound alone can search for
// seconds before its first solution when the relaxation's optimum sits on the edges of
// the shares and the grams run to thousands; with one in hand it only has to improve it.
// The dive fixes one fractional variable after another to a whole value and solves the
// relaxation again. It runs with every row moved inside its bounds by its rounding
// margin, so that the vertices it visits keep room for the rounding still to come; when
// a variable can no longer be fixed that way, the real bounds come back and take the
// last steps. Empty when a dive ends nowhere.
std::vector<double> diveFrom(glp_prob *relaxed, Problem &dive)
{
    glp_copy_prob(dive.get(), relaxed, GLP_OFF);
    tightenRows(dive.get(), roundingMargins(relaxed));
    bool margined = solveRelaxation(dive.get());
    if (!margined) {
        restoreRows(dive.get(), relaxed);
        if (!solveRelaxation(dive.get()))
            return {};
    }
    const int rows = glp_get_num_rows(dive.get()), columns = glp_get_num_cols(dive.get());
    std::vector<int> index(size_t(rows) + 1);
    std::vector<double> value(size_t(rows) + 1);
    for (int step = 0; step <= 2 * columns; ++step) {
        const int chosen = nextToFix(dive.get(), index, value);
        if (chosen == 0) {
            std::vector<double> values(size_t(columns) + 1, 0);
            for (int j = 1; j <= columns; ++j) {
                const double v = glp_get_col_prim(dive.get(), j);
                values[size_t(j)] = glp_get_col_kind(dive.get(), j) == GLP_IV ? std::round(v) : v;
            }
            return values;
        }
        if (fixToWhole(dive.get(), chosen))
            continue;
        if (!margined)
            return {};
        margined = false;
        restoreRows(dive.get(), relaxed);
        if (!solveRelaxation(dive.get()))
            return {};
    }
    return {};
}

} // namespace

bool solveRelaxation(glp_prob *lp)
{
    glp_smcp parameters;
    glp_init_smcp(&parameters);
    parameters.msg_lev = GLP_MSG_OFF;
    parameters.meth = GLP_DUALP;
    return glp_simplex(lp, &parameters) == 0 && glp_get_status(lp) == GLP_OPT;
}

std::vector<double> divedSolution(glp_prob *relaxed, qint64 &steps)
{
    Problem dive(glp_create_prob());
    std::vector<double> values = diveFrom(relaxed, dive);
    steps += iterationsOf(dive.get());
    return values;
}

} // namespace formula::glpkdive
