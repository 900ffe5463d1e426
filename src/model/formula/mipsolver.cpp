// SPDX-License-Identifier: GPL-3.0-or-later
#include "mipsolver.h"

namespace formula {

int MipProblem::variableIndex(const QString &name) const
{
    for (int j = 0; j < variables.size(); ++j)
        if (variables[j].name == name)
            return j;
    return -1;
}

int MipProblem::constraintIndex(const QString &name) const
{
    for (int i = 0; i < constraints.size(); ++i)
        if (constraints[i].name == name)
            return i;
    return -1;
}

} // namespace formula
