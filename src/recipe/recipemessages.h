// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entrymessages.h"
#include "translatedtext.h"

#include <QCoreApplication>
#include <QString>

namespace messages {

inline const QString &kSaveBeforeCalculation = translatedConstant(
    "Recipe", QT_TRANSLATE_NOOP("Recipe", "Il salvataggio è stato annullato. Eseguire prima il calcolo"));
inline const QString &kCannotSave =
    translatedConstant("Recipe", QT_TRANSLATE_NOOP("Recipe", "Impossibile salvare il file"));
inline const QString &kNotARecipe = translatedConstant(
    "Recipe", QT_TRANSLATE_NOOP("Recipe", "Impossibile aprire il file: non è una ricetta valida"));
inline const QString &kCannotRead =
    translatedConstant("Recipe", QT_TRANSLATE_NOOP("Recipe", "Impossibile leggere il file"));

inline QString unknownIngredient(const QString &name)
{
    return QCoreApplication::translate(
               "Recipe", "Impossibile aprire il file: l'ingrediente «%1» non è nel catalogo né tra gli "
                         "ingredienti personali")
        .arg(name);
}

inline const QString &kPrintWithoutName =
    translatedConstant("Recipe", QT_TRANSLATE_NOOP("Recipe", "Devi dare un nome alla tua ricetta"));

} // namespace messages
