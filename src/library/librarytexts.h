// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "libraryentry.h"

#include <QString>

// The words of the recipe archive, shared by the window, the comparison and vornak-cli.
namespace library {

// The shares out of range in the status bar's words ("Carboidrati sotto · Grassi
// sopra"), or "nel range" when none is; what "Calcola" says when it refuses the recipe;
// empty for a file that is no recipe.
QString balanceText(const Entry &entry);

// "14,50 €/kg", "manca il prezzo di NAME" or that the cost is too large to compute.
QString costText(const Entry &entry);

// The date a file was last changed, as the list shows it: "08/12/2026 10:15".
QString dateText(const QDateTime &when);

// A refusal on one line: "Impossibile leggere il file — File «x.txt»: permesso negato".
QString oneLine(const QString &message);

} // namespace library
