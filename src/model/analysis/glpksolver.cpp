// SPDX-License-Identifier: GPL-3.0-or-later
#include "glpksolver.h"

#include <glpk.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <memory>
#include <vector>

namespace formula {
namespace {

// GLPK's bound type for a pair of optional bounds.
int boundType(std::optional<double> lower, std::optional<double> upper)
{
    if (lower && upper)
        return *lower == *upper ? GLP_FX : GLP_DB;
    if (lower)
        return GLP_LO;
    return upper ? GLP_UP : GLP_FR;
}

struct ProblemDeleter
{
    void operator()(glp_prob *p) const { glp_delete_prob(p); }
};
using Problem = std::unique_ptr<glp_prob, ProblemDeleter>;

// An objective coefficient times the scale, taken as whole when it is within rounding of
// a whole number (0,00572 EUR per gram times 10^5 is 572), so that GLPK sees it whole.
double scaledCoefficient(double objective, double scale)
{
    const double scaled = objective * scale;
    return std::abs(scaled - std::round(scaled)) <= 1e-9 * std::max(1.0, std::abs(scaled))
               ? std::round(scaled)
               : scaled;
}

// The power of ten by which the objective is handed to GLPK. GLPK's tolerances on reduced
// costs are absolute, and its scaling divides each column by the size of its entries in
// the limits' rows (hundreds of thousands, see formulaproblem.h): a cost of a few
// thousandths of a euro per gram then falls below them, a dearer vertex passes for the
// optimum, and a limit that does not bind could change which mix came out as the
// cheapest. Prices typed in cents per kilo are whole at 10^5; any other objective is
// brought up to a largest coefficient of at least 1.
double objectiveScale(const MipProblem &problem)
{
    double largest = 0;
    for (const MipVariable &v : problem.variables)
        largest = std::max(largest, std::abs(v.objective));
    if (largest == 0)
        return 1;
    double scale = 1;
    for (int places = 0; places <= 6; ++places, scale *= 10) {
        const bool whole =
            std::all_of(problem.variables.begin(), problem.variables.end(), [&](const MipVariable &v) {
                const double scaled = scaledCoefficient(v.objective, scale);
                return scaled == std::round(scaled);
            });
        if (whole)
            return scale;
    }
    scale = 1;
    while (largest * scale < 1)
        scale *= 10;
    return scale;
}

Problem glpkProblemOf(const MipProblem &problem, double objectiveScale)
{
    Problem lp(glp_create_prob());
    glp_set_obj_dir(lp.get(), problem.maximise ? GLP_MAX : GLP_MIN);
    const int columns = int(problem.variables.size());
    if (columns > 0)
        glp_add_cols(lp.get(), columns);
    for (int j = 0; j < columns; ++j) {
        const MipVariable &v = problem.variables[j];
        glp_set_col_kind(lp.get(), j + 1, v.integer ? GLP_IV : GLP_CV);
        glp_set_col_bnds(lp.get(), j + 1, boundType(v.lower, v.upper), v.lower, v.upper.value_or(0));
        glp_set_obj_coef(lp.get(), j + 1, scaledCoefficient(v.objective, objectiveScale));
    }
    const int rows = int(problem.constraints.size());
    if (rows > 0)
        glp_add_rows(lp.get(), rows);
    std::vector<int> index;
    std::vector<double> value;
    for (int i = 0; i < rows; ++i) {
        const MipConstraint &c = problem.constraints[i];
        glp_set_row_bnds(lp.get(), i + 1, boundType(c.lower, c.upper), c.lower.value_or(0),
                         c.upper.value_or(0));
        index.assign(1, 0); // GLPK counts from 1
        value.assign(1, 0);
        for (const auto &[variable, coefficient] : c.terms) {
            index.push_back(variable + 1);
            value.push_back(coefficient);
        }
        glp_set_mat_row(lp.get(), i + 1, int(c.terms.size()), index.data(), value.data());
    }
    glp_scale_prob(lp.get(), GLP_SF_AUTO);
    return lp;
}

// Solves the relaxation (integers taken as real) from the problem's current basis.
bool solveRelaxation(glp_prob *lp)
{
    glp_smcp parameters;
    glp_init_smcp(&parameters);
    parameters.msg_lev = GLP_MSG_OFF;
    parameters.meth = GLP_DUALP;
    return glp_simplex(lp, &parameters) == 0 && glp_get_status(lp) == GLP_OPT;
}

qint64 iterationsOf(glp_prob *lp)
{
    return glp_get_it_cnt(lp);
}

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

// The dive's solution, and the simplex iterations it took added to `steps`.
std::vector<double> divedSolution(glp_prob *relaxed, qint64 &steps)
{
    Problem dive(glp_create_prob());
    std::vector<double> values = diveFrom(relaxed, dive);
    steps += iterationsOf(dive.get());
    return values;
}

// GLPK ends the whole program (abort()) when one of its own checks fails, as its
// assertion "dx != 0.0" did on a generated problem under pseudocost branching without
// Gomory's cuts. The hook brings the solve back here instead, where it fails like any
// other solver failure; GLPK's memory, which it can no longer use, is then freed whole.
struct ErrorTrap
{
    std::jmp_buf where;
};

[[noreturn]] void leaveGlpk(void *trap)
{
    std::longjmp(static_cast<ErrorTrap *>(trap)->where, 1);
}

// GLPK's own messages (its failed checks included, which it prints even with its
// output off) never reach the terminal: Vornak's command line prints results there.
int silence(void *, const char *)
{
    return 1;
}

// What branch and bound is given and keeps while it runs: the dived solution, offered the
// first time it asks for one, and the steps, counted at every call so that the search
// stops at the same node whatever the machine.
struct Search
{
    std::vector<double> start; // from 1, as GLPK counts
    bool offered = false;
    qint64 stepsBefore = 0; // the relaxation's and the dive's
    qint64 iterationsAtStart = 0;
    qint64 stepLimit = 0;
    qint64 steps = 0;
    double queueSteps = 0;
};

// Choosing the next node costs GLPK more the more nodes wait: about a step (a simplex
// iteration's worth of time) for every 500 waiting, measured on the slowest problems
// of the bench's generated set, where tens of thousands wait.
constexpr double kWaitingNodesPerStep = 500;

qint64 stepsSoFar(glp_tree *tree, const Search &search)
{
    int active = 0, nodes = 0, created = 0;
    glp_ios_tree_size(tree, &active, &nodes, &created);
    return search.stepsBefore + iterationsOf(glp_ios_get_prob(tree)) - search.iterationsAtStart + created +
           qint64(search.queueSteps);
}

void duringSearch(glp_tree *tree, void *info)
{
    auto *search = static_cast<Search *>(info);
    if (glp_ios_reason(tree) == GLP_ISELECT) {
        int active = 0, nodes = 0, created = 0;
        glp_ios_tree_size(tree, &active, &nodes, &created);
        search->queueSteps += active / kWaitingNodesPerStep;
    }
    search->steps = stepsSoFar(tree, *search);
    if (search->steps >= search->stepLimit) {
        glp_ios_terminate(tree);
        return;
    }
    if (glp_ios_reason(tree) != GLP_IHEUR || search->offered || search->start.empty())
        return;
    search->offered = true;
    glp_ios_heur_sol(tree, search->start.data());
}

MipStatus statusOf(int returned, int mipStatus)
{
    switch (returned) {
    case 0:
        break;
    case GLP_ESTOP:
    case GLP_ETMLIM:
        return mipStatus == GLP_FEAS || mipStatus == GLP_OPT ? MipStatus::Feasible : MipStatus::TimedOut;
    default:
        return MipStatus::Failed;
    }
    switch (mipStatus) {
    case GLP_OPT:
        return MipStatus::Optimal;
    case GLP_NOFEAS:
        return MipStatus::Infeasible;
    default:
        return MipStatus::Failed;
    }
}

// How one solve went, beyond its answer.
struct SolveCount
{
    qint64 steps = 0;
    bool stoppedByClock = false;
    bool checkFailed = false; // one of GLPK's own checks failed (see leaveGlpk)
};

// How branch and bound chooses the variable to branch on.
enum class Branching
{
    Pseudocosts,    // the formula's choice (see searchParameters)
    DriebeckTomlin, // for a second try after pseudocosts failed one of GLPK's checks
};

// Whether GLPK sees the objective as whole: whole coefficients on whole variables and
// none on the others (the cheapest mix; not the closest, whose distances are real).
bool wholeObjective(const MipProblem &problem, double scale)
{
    return std::all_of(problem.variables.begin(), problem.variables.end(), [&](const MipVariable &v) {
        const double scaled = scaledCoefficient(v.objective, scale);
        return v.integer ? scaled == std::round(scaled) : scaled == 0;
    });
}

// A whole objective counted from the relaxation's whole value, so that it stays near
// zero: GLPK tells a better solution from the best known one by a tolerance relative to
// the objective's size, which at tonnes is more than a cent. Only there: with real
// distances the closest mix's search then proves its answer to a finer tolerance than the
// results show, and takes longer for nothing.
double objectiveOrigin(glp_prob *lp, bool maximise)
{
    const double relaxed = glp_get_obj_val(lp);
    return maximise ? std::ceil(relaxed) : std::floor(relaxed);
}

void readSolution(glp_prob *lp, const MipProblem &problem, double scale, double origin, MipSolution &solution)
{
    solution.objective = (glp_mip_obj_val(lp) + origin) / scale;
    for (int j = 1; j <= int(problem.variables.size()); ++j)
        solution.values << glp_mip_col_val(lp, j);
}

// The dived solution, when branch and bound stopped before it took it: still the best
// whole-number solution known.
void readStart(const Search &search, const MipProblem &problem, MipSolution &solution)
{
    solution.status = MipStatus::Feasible;
    for (int j = 1; j <= int(problem.variables.size()); ++j) {
        solution.values << search.start[size_t(j)];
        solution.objective += problem.variables[j - 1].objective * search.start[size_t(j)];
    }
}

glp_iocp searchParameters(const MipProblem &problem, bool gomoryCuts, Branching branching, int clockLimitMs,
                          Search &search)
{
    glp_iocp parameters;
    glp_init_iocp(&parameters);
    parameters.msg_lev = GLP_MSG_OFF;
    // Measured on the generated set of bench/formula_bench: branching on pseudocosts with
    // Gomory's mixed-integer cuts at the root ends by the step limit about half as often
    // as GLPK's defaults. The MIP presolver is left off: it renumbers the columns (the
    // dived start is offered in the program's own numbering), it saved few stops on the
    // slowest problems of the set, and on the set's problem 2338 it returned as optimal a
    // mix dearer than the one found without it. Other choices measured on the slowest
    // problems of the set and rejected: Driebeck-Tomlin branching (more stops, with or
    // without cuts), MIR and cover cuts (no clear gain), and pseudocost branching without
    // Gomory's cuts, which stopped the program on GLPK's assertion "dx != 0.0"
    // (glpios09.c). That assertion still fails on a few problems with the cuts (10 t of a
    // user's worksheet with one row held to 100 g), and a solve that fails one of GLPK's
    // checks is tried again with Driebeck-Tomlin branching.
    parameters.br_tech = branching == Branching::Pseudocosts ? GLP_BR_PCH : GLP_BR_DTH;
    parameters.gmi_cuts = gomoryCuts && !problem.withoutCuts ? GLP_ON : GLP_OFF;
    parameters.tm_lim = std::max(1, clockLimitMs);
    parameters.cb_func = duringSearch;
    parameters.cb_info = &search;
    return parameters;
}

MipSolution solveWithGlpk(const MipProblem &problem, qint64 stepLimit, bool gomoryCuts, Branching branching,
                          int clockLimitMs, SolveCount &count)
{
    glp_term_out(GLP_OFF);
    glp_term_hook(silence, nullptr);
    const double scale = objectiveScale(problem);
    Problem lp = glpkProblemOf(problem, scale);

    MipSolution solution;
    const bool relaxed = solveRelaxation(lp.get());
    count.steps = iterationsOf(lp.get());
    if (!relaxed) {
        // Without a relaxed solution there is no whole one either.
        solution.status = glp_get_status(lp.get()) == GLP_NOFEAS ? MipStatus::Infeasible : MipStatus::Failed;
        return solution;
    }
    if (std::none_of(problem.variables.begin(), problem.variables.end(),
                     [](const MipVariable &v) { return v.integer; })) {
        // A relaxation asked for itself: its optimum is the answer.
        solution.status = MipStatus::Optimal;
        solution.objective = glp_get_obj_val(lp.get()) / scale;
        for (int j = 1; j <= int(problem.variables.size()); ++j)
            solution.values << glp_get_col_prim(lp.get(), j);
        return solution;
    }
    const double origin = wholeObjective(problem, scale) ? objectiveOrigin(lp.get(), problem.maximise) : 0;
    glp_set_obj_coef(lp.get(), 0, -origin);
    // On the heap: what the search counted is read again after a jump out of GLPK.
    const auto search =
        std::make_unique<Search>(Search{divedSolution(lp.get(), count.steps), false, 0, 0, stepLimit, 0});
    search->stepsBefore = count.steps;
    search->iterationsAtStart = iterationsOf(lp.get());
    glp_iocp parameters = searchParameters(problem, gomoryCuts, branching, clockLimitMs, *search);
    ErrorTrap trap;
    glp_error_hook(leaveGlpk, &trap);
    if (setjmp(trap.where) != 0) {
        (void)lp.release(); // freed with the rest of GLPK's memory
        glp_free_env();
        count.steps = std::max(search->steps, count.steps);
        count.checkFailed = true;
        return solution; // Failed
    }
    const int returned = glp_intopt(lp.get(), &parameters);
    glp_error_hook(nullptr, nullptr);
    count.steps = std::max(search->steps, count.steps);
    count.stoppedByClock = returned == GLP_ETMLIM;

    solution.status = statusOf(returned, glp_mip_status(lp.get()));
    if (solution.status == MipStatus::Optimal || solution.status == MipStatus::Feasible)
        readSolution(lp.get(), problem, scale, origin, solution);
    else if (solution.status == MipStatus::TimedOut && !search->start.empty())
        readStart(*search, problem, solution);
    return solution;
}

} // namespace

GlpkSolver::GlpkSolver(qint64 stepLimit, qint64 budgetSteps, bool gomoryCuts, int clockLimitMs)
    : m_stepLimit(stepLimit), m_budgetSteps(budgetSteps), m_gomoryCuts(gomoryCuts),
      m_clockLimitMs(clockLimitMs)
{
    m_clock.start();
}

MipSolution GlpkSolver::solve(const MipProblem &problem)
{
    return solveWithin(problem, m_stepLimit);
}

MipSolution GlpkSolver::solveWithin(const MipProblem &problem, qint64 steps)
{
    const qint64 left = m_budgetSteps - m_steps;
    const qint64 clockLeft = m_clockLimitMs - m_clock.elapsed();
    if (left <= 0 || clockLeft <= 0) {
        m_stoppedByClock = m_stoppedByClock || left > 0;
        return {MipStatus::TimedOut, {}, 0};
    }
    SolveCount count;
    const qint64 limit = std::min({m_stepLimit, steps, left});
    MipSolution solution =
        solveWithGlpk(problem, limit, m_gomoryCuts, Branching::Pseudocosts, int(clockLeft), count);
    glp_free_env();
    if (count.checkFailed) {
        // The steps of the failed try count too, so the answer is still the same everywhere.
        const qint64 spent = count.steps;
        count = {};
        solution = solveWithGlpk(problem, std::max<qint64>(0, limit - spent), m_gomoryCuts,
                                 Branching::DriebeckTomlin, int(m_clockLimitMs - m_clock.elapsed()), count);
        glp_free_env();
        count.steps += spent;
    }
    m_steps += count.steps;
    m_stoppedByClock = m_stoppedByClock || count.stoppedByClock;
    return solution;
}

} // namespace formula
