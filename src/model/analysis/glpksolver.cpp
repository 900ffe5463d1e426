#include "glpksolver.h"

#include <glpk.h>

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

MipStatus statusOf(int returned, int mipStatus)
{
    switch (returned) {
    case 0:
        break;
    case GLP_ETMLIM:
        return mipStatus == GLP_FEAS || mipStatus == GLP_OPT ? MipStatus::Feasible : MipStatus::TimedOut;
    case GLP_ENOPFS: // the relaxation has no solution, so neither has the program
        return MipStatus::Infeasible;
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

MipSolution solveWithGlpk(const MipProblem &problem, int timeLimitMs)
{
    // Vornak's command line prints its results on standard output: GLPK must say nothing.
    glp_term_out(GLP_OFF);
    const std::unique_ptr<glp_prob, ProblemDeleter> lp(glp_create_prob());
    glp_set_obj_dir(lp.get(), problem.maximise ? GLP_MAX : GLP_MIN);

    const int columns = int(problem.variables.size());
    if (columns > 0)
        glp_add_cols(lp.get(), columns);
    for (int j = 0; j < columns; ++j) {
        const MipVariable &v = problem.variables[j];
        glp_set_col_kind(lp.get(), j + 1, v.integer ? GLP_IV : GLP_CV);
        glp_set_col_bnds(lp.get(), j + 1, boundType(v.lower, v.upper), v.lower, v.upper.value_or(0));
        glp_set_obj_coef(lp.get(), j + 1, v.objective);
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

    glp_iocp parameters;
    glp_init_iocp(&parameters);
    parameters.msg_lev = GLP_MSG_OFF;
    parameters.presolve = GLP_ON; // solves the relaxation itself, so no basis is needed first
    parameters.tm_lim = timeLimitMs;
    const int returned = glp_intopt(lp.get(), &parameters);

    MipSolution solution;
    solution.status = statusOf(returned, glp_mip_status(lp.get()));
    if (solution.status == MipStatus::Optimal || solution.status == MipStatus::Feasible) {
        solution.objective = glp_mip_obj_val(lp.get());
        for (int j = 0; j < columns; ++j)
            solution.values << glp_mip_col_val(lp.get(), j + 1);
    }
    return solution;
}

} // namespace

MipSolution GlpkSolver::solve(const MipProblem &problem)
{
    MipSolution solution = solveWithGlpk(problem, m_timeLimitMs);
    glp_free_env();
    return solution;
}

} // namespace formula
