// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

#include <QCoreApplication>

namespace messages {

QString ordinal(int row)
{
    static const char *const kWords[] = {
        QT_TRANSLATE_NOOP("Calculation", "PRIMO"),      QT_TRANSLATE_NOOP("Calculation", "SECONDO"),
        QT_TRANSLATE_NOOP("Calculation", "TERZO"),      QT_TRANSLATE_NOOP("Calculation", "QUARTO"),
        QT_TRANSLATE_NOOP("Calculation", "QUINTO"),     QT_TRANSLATE_NOOP("Calculation", "SESTO"),
        QT_TRANSLATE_NOOP("Calculation", "SETTIMO"),    QT_TRANSLATE_NOOP("Calculation", "OTTAVO"),
        QT_TRANSLATE_NOOP("Calculation", "NONO"),       QT_TRANSLATE_NOOP("Calculation", "DECIMO"),
        QT_TRANSLATE_NOOP("Calculation", "UNDICESIMO"), QT_TRANSLATE_NOOP("Calculation", "DODICESIMO"),
        QT_TRANSLATE_NOOP("Calculation", "TREDICESIMO")};
    return row >= 1 && row <= 13 ? QCoreApplication::translate("Calculation", kWords[row - 1]) : QString();
}

QString ingredientName(const QString &name, int row)
{
    return name.trimmed().isEmpty() ? QCoreApplication::translate("Calculation", "riga %1").arg(row) : name;
}

QString missingWeight(int row)
{
    return QCoreApplication::translate(
               "Calculation", "Impostare il peso espresso in grammi corrispondente al %1 componente scelto.")
        .arg(ordinal(row));
}

QString missingDigestibility(int row)
{
    return QCoreApplication::translate(
               "Calculation",
               "Devi selezionare un numero per l'indice di digeribilità relativo al %1 componente")
        .arg(ordinal(row));
}

// Row 13's text says "indice di legante", row 12's "indice legante": both are the program's own.
QString missingBinder(int row)
{
    return row == 12
               ? QCoreApplication::translate(
                     "Calculation",
                     "Devi selezionare un numero per l'indice legante relativo al DODICESIMO componente")
               : QCoreApplication::translate(
                     "Calculation",
                     "Devi selezionare un numero per l'indice di legante relativo al %1 componente")
                     .arg(ordinal(row));
}

QString sumOver100(int row)
{
    return sumOver100(QCoreApplication::translate("Calculation", "per il %1 componente").arg(ordinal(row)));
}

} // namespace messages
