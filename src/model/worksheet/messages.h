// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entrymessages.h"
#include "translatedtext.h"

#include <QString>

// The worksheet's own words, shown in warning boxes; with those of a refused entry.
namespace messages {

inline const QString &kNoComponent = translatedConstant(
    "Calculation", QT_TRANSLATE_NOOP("Calculation", "Non è stato selezionato alcun componente"));
inline const QString &kChooseEggs =
    translatedConstant("Calculation", QT_TRANSLATE_NOOP("Calculation", "Devi scegliere le UOVA"));
inline const QString &kEggCount =
    translatedConstant("Calculation", QT_TRANSLATE_NOOP("Calculation", "Devi inserire il NUMERO delle UOVA"));
inline const QString &kZeroTotal = translatedConstant(
    "Calculation",
    QT_TRANSLATE_NOOP("Calculation",
                      "Il peso totale del mix è zero: impostare il peso in grammi dei componenti"));
inline const QString &kTooLarge = translatedConstant(
    "Calculation",
    QT_TRANSLATE_NOOP(
        "Calculation",
        "I valori inseriti sono troppo grandi per il calcolo: ridurre i pesi o il numero delle uova"));

// "PRIMO" .. "TREDICESIMO" for rows 1 to 13.
QString ordinal(int row);

// A row's ingredient as messages name it: its name, or "riga 12" when a custom row's
// name is only blanks, so no message ever ends in "di  ".
QString ingredientName(const QString &name, int row);

QString missingWeight(int row);
QString missingDigestibility(int row);
QString missingBinder(int row);
QString sumOver100(int row);

} // namespace messages
