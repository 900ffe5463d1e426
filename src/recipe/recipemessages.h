// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entrymessages.h"

#include <QString>

namespace messages {

inline const QString kSaveBeforeCalculation =
    QStringLiteral("Il salvataggio è stato annullato. Eseguire prima il calcolo");
inline const QString kCannotSave = QStringLiteral("Impossibile salvare il file");
inline const QString kNotARecipe = QStringLiteral("Impossibile aprire il file: non è una ricetta valida");
inline const QString kCannotRead = QStringLiteral("Impossibile leggere il file");

inline QString unknownIngredient(const QString &name)
{
    return QStringLiteral("Impossibile aprire il file: l'ingrediente «%1» non è nel catalogo né tra gli "
                          "ingredienti personali")
        .arg(name);
}

inline const QString kPrintWithoutName = QStringLiteral("Devi dare un nome alla tua ricetta");

} // namespace messages
