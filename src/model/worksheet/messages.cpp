// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

namespace messages {

QString ordinal(int row)
{
    static const char *const kWords[] = {"PRIMO",      "SECONDO",    "TERZO",      "QUARTO", "QUINTO",
                                         "SESTO",      "SETTIMO",    "OTTAVO",     "NONO",   "DECIMO",
                                         "UNDICESIMO", "DODICESIMO", "TREDICESIMO"};
    return row >= 1 && row <= 13 ? QString::fromLatin1(kWords[row - 1]) : QString();
}

QString ingredientName(const QString &name, int row)
{
    return name.trimmed().isEmpty() ? QStringLiteral("riga %1").arg(row) : name;
}

QString missingWeight(int row)
{
    return QStringLiteral("Impostare il peso espresso in grammi corrispondente al %1 componente scelto.")
        .arg(ordinal(row));
}

QString missingDigestibility(int row)
{
    return QStringLiteral("Devi selezionare un numero per l'indice di digeribilità relativo al %1 componente")
        .arg(ordinal(row));
}

// Row 13's text says "indice di legante", row 12's "indice legante": both are the program's own.
QString missingBinder(int row)
{
    return row == 12
               ? QStringLiteral(
                     "Devi selezionare un numero per l'indice legante relativo al DODICESIMO componente")
               : QStringLiteral(
                     "Devi selezionare un numero per l'indice di legante relativo al %1 componente")
                     .arg(ordinal(row));
}

QString sumOver100(int row)
{
    return sumOver100(QStringLiteral("per il %1 componente").arg(ordinal(row)));
}

} // namespace messages
