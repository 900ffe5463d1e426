// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formulalimits.h"
#include "translatedtext.h"

// Why there is no mix, in words an angler understands.
namespace formula {

class MipSolver;

// Why the solver found no mix: the bounds that admit no mix of the total, or for each
// limit that cannot be met the best the ingredients reach, first with the bounds alone,
// then with the other limits kept. Every reach is solved and recomputed by the
// calculation, and shown as the results would show it.
QStringList explainNoMix(const Input &input, MipSolver &solver, const Tightening &tightening);

struct Proposal;

// Whether the furthest value of a limit's measure, which lies between the mix `found`
// and `bound` (the relaxation's objective, sum(grams x value) in the limit's whole units),
// shows with two decimals as the mix found does: then a reason reads the same whichever
// mix is the furthest, and the rest of the search can be spared.
bool showsAsFar(const Input &input, Limit limit, const Proposal &found, double bound);

// The note under reasons found while another reach ran out of time.
QString reasonsCutShortText();

// The search ended by the time limit without any mix.
QString timedOutText();
inline const QString &kSolverFailed = translatedConstant(
    "Formula", QT_TRANSLATE_NOOP("Formula", "Il risolutore non è riuscito a cercare la formula"));

} // namespace formula
