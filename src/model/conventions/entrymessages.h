// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "translatedtext.h"
#include <QCoreApplication>
#include <QString>

// The words that refuse a typed value or a command, the same in the worksheet, the
// ingredient editor and the converter.
namespace messages {

inline const QString &kTitle = translatedConstant("Entry", QT_TRANSLATE_NOOP("Entry", "AVVISO"));

inline const QString &kNotANumber = translatedConstant(
    "Entry", QT_TRANSLATE_NOOP("Entry", "Il valore digitato non è un numero prego reinserire il valore"));
inline const QString &kNegative =
    translatedConstant("Entry", QT_TRANSLATE_NOOP("Entry", "Non si possono inserire numeri negativi"));
inline const QString &kOver100 =
    translatedConstant("Entry", QT_TRANSLATE_NOOP("Entry", "Non si possono inserire valori superiori a 100"));

// Protein, fat and carbohydrate of one ingredient add up to more than 100; `which` names
// it: "per il DODICESIMO componente", "per «Mix Luca»".
inline QString sumOver100(const QString &which)
{
    return QCoreApplication::translate(
               "Entry", "La somma % di Proteine Grassi e Carboidrati non può essere superiore a 100. "
                        "Controlla queste voci ") +
           which;
}

// Printing, of a recipe or of a conversion, waits for a calculation.
inline const QString &kPrintBeforeCalculation = translatedConstant(
    "Entry", QT_TRANSLATE_NOOP("Entry", "La stampa è annullata. Eseguire prima il calcolo"));

} // namespace messages
