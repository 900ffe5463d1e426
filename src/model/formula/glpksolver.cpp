// SPDX-License-Identifier: GPL-3.0-or-later
#include "glpksolver.h"

#include "glpkdive.h"

#include <glpk.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <memory>
#include <vector>

namespace formula {
namespace {

using namespace glpkdive;

// GLPK's bound type for a pair of optional bounds.
int boundType(std::optional<double> lower, std::optional<double> upper)
{
    if (lower && upper)
        return *lower == *upper ? GLP_FX : GLP_DB;
    if (lower)
        return GLP_LO;
    return upper ? GLP_UP : GLP_FR;
}

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
