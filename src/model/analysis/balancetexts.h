// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "balance.h"
#include "translatedtext.h"

#include <QString>
#include <QStringList>

// The words of the balance check, for the window and the command line.
namespace balance {

QString nutrientName(Nutrient nutrient); // "Proteine", "Carboidrati", "Grassi"
QString rangeText(Range range);          // "17-40%"
QString verdictText(Verdict verdict);    // "nel range", "sotto", "sopra"

// "Proteine 33,40% nel range"
QString verdictLine(const Assessment &assessment);

// "Bilancio: Proteine 33,40% nel range · Carboidrati 48,60% nel range · Grassi 5,07% nel range"
QString statusLine(const Report &report);

// For a share out of range: "Grassi 1,77%: aggiungere 180 g di FARINA DI AVENA (proteine
// 28,18%, carboidrati 56,02%, grassi 3,00%)", or that no ingredient of the mix can do it.
QString suggestionLine(const Assessment &assessment);

// The lines of `vornak-cli balance`: "Proteine=33,40% 17-40% nel range" for each
// nutrient, then "Suggerimento Grassi: aggiungere 180 g di FARINA DI AVENA" for each
// share out of range.
QStringList commandLineLines(const Report &report);

inline const QString &kFibreNotAssessed = translatedConstant(
    "Balance", QT_TRANSLATE_NOOP("Balance", "non valutate (il catalogo non riporta le fibre)"));
inline const QString &kNoCorrection =
    translatedConstant("Balance", QT_TRANSLATE_NOOP("Balance", "nessun componente del mix può correggerlo"));
inline const QString &kNoVerdict = translatedConstant(
    "Balance", QT_TRANSLATE_NOOP("Balance", "Nessun bilancio: eseguire il calcolo del mix con \"Calcola\"."));
inline const QString &kBalanced = translatedConstant(
    "Balance", QT_TRANSLATE_NOOP("Balance", "Il mix è bilanciato: nessuna correzione necessaria."));

} // namespace balance
