// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <optional>

// A mixed-integer linear program in plain data, and the small interface of whatever
// solves it. The formula builds the program; a test can look at it without solving.
namespace formula {

struct MipVariable
{
    QString name;
    double lower = 0;
    std::optional<double> upper; // none: no upper bound
    bool integer = true;
    double objective = 0; // coefficient in the objective
};

struct MipConstraint
{
    QString name;
    QList<QPair<int, double>> terms; // variable index, coefficient
    std::optional<double> lower;
    std::optional<double> upper;
};

struct MipProblem
{
    bool maximise = false;
    // Solve without cutting planes. Cuts computed in floating point from rows with
    // coefficients in the hundred thousands have cut off the best whole solution; a
    // program whose bound is already tight is safer without them.
    bool withoutCuts = false;
    QList<MipVariable> variables;
    QList<MipConstraint> constraints;

    // The index of the variable or constraint with this name, or -1.
    int variableIndex(const QString &name) const;
    int constraintIndex(const QString &name) const;
};

enum class MipStatus
{
    Optimal,
    Feasible, // stopped at the step limit with a solution that may not be the best
    Infeasible,
    TimedOut, // stopped at the step limit without any solution
    Failed,   // the solver gave up for a reason of its own
};

struct MipSolution
{
    MipStatus status = MipStatus::Failed;
    QList<double> values; // one per variable, for Optimal and Feasible
    double objective = 0;
};

// A solver's work is counted in steps (a simplex iteration, a branch-and-bound node), never
// in time: the same program gets the same answer on any machine and under any load.
class MipSolver
{
public:
    virtual ~MipSolver() = default;
    virtual MipSolution solve(const MipProblem &problem) = 0;
    // The same within at most `steps` of the solver's budget, for a try that is worth
    // only a little work; a solver without limits of its own solves as usual.
    virtual MipSolution solveWithin(const MipProblem &problem, qint64 steps)
    {
        Q_UNUSED(steps);
        return solve(problem);
    }
    // The steps taken so far, by which a search over several programs keeps to its share.
    virtual qint64 stepsTaken() const { return 0; }
    // Whether the clock that guards against a machine far too slow ever stopped a solve:
    // only then may an answer differ from one machine to another.
    virtual bool stoppedByClock() const { return false; }
};

} // namespace formula
