// SPDX-License-Identifier: GPL-3.0-or-later
#include "fieldwords.h"

#include "messages.h"

#include <QCoreApplication>

using namespace field;

namespace fieldwords {
namespace {

QString single(FieldId id)
{
    switch (id) {
    case NomeRicetta:
        return QStringLiteral("il nome della ricetta");
    case Note:
        return QStringLiteral("le note");
    case Aggiunta1:
        return QStringLiteral("il nome del DODICESIMO componente");
    case Aggiunta2:
        return QStringLiteral("il nome del TREDICESIMO componente");
    case ChkUova:
        return QCoreApplication::translate("fieldwords", "la casella delle uova");
    case NumeroUova:
        return QCoreApplication::translate("fieldwords", "il numero delle uova");
    case RisPeso:
        return QCoreApplication::translate("fieldwords", "il peso totale del mix");
    case RisProteineGrammi:
        return QCoreApplication::translate("fieldwords", "i grammi di proteine del mix");
    case RisProteinePercentuale:
        return QCoreApplication::translate("fieldwords", "la percentuale di proteine del mix");
    case RisGrassiGrammi:
        return QCoreApplication::translate("fieldwords", "i grammi di grassi del mix");
    case RisGrassiPercentuale:
        return QCoreApplication::translate("fieldwords", "la percentuale di grassi del mix");
    case RisCarboidratiGrammi:
        return QCoreApplication::translate("fieldwords", "i grammi di carboidrati del mix");
    case RisCarboidratiPercentuale:
        return QCoreApplication::translate("fieldwords", "la percentuale di carboidrati del mix");
    case RisDigeribilita:
        return QCoreApplication::translate("fieldwords", "l'indice di digeribilità del mix");
    case RisProprietaLegante:
        return QCoreApplication::translate("fieldwords", "l'indice legante del mix");
    default:
        return QString();
    }
}

// A field of a row: what the column holds, and whose.
QString ofRow(FieldId id)
{
    const int row = id % kRows + 1;
    const QString whose =
        row == kEggRow
            ? QCoreApplication::translate("fieldwords", "delle uova")
            : QCoreApplication::translate("fieldwords", "del %1 componente").arg(messages::ordinal(row));
    switch (Column(id / kRows)) {
    case Componente:
        return row == kEggRow
                   ? QCoreApplication::translate("fieldwords", "il tipo di uovo")
                   : QCoreApplication::translate("fieldwords", "il componente della riga %1").arg(row);
    case Peso:
        return row == kEggRow ? QCoreApplication::translate("fieldwords", "il peso delle uova")
                              : QCoreApplication::translate("fieldwords", "i grammi %1").arg(whose);
    case Proteine:
        return QCoreApplication::translate("fieldwords", "le proteine %1").arg(whose);
    case Grassi:
        return QCoreApplication::translate("fieldwords", "i grassi %1").arg(whose);
    case Carbo:
        return QCoreApplication::translate("fieldwords", "i carboidrati %1").arg(whose);
    case Dig:
        return QCoreApplication::translate("fieldwords", "l'indice di digeribilità %1").arg(whose);
    default:
        return QCoreApplication::translate("fieldwords", "l'indice legante %1").arg(whose);
    }
}

} // namespace

QString describe(FieldId id)
{
    if (id >= 0 && id < ColumnCount * kRows)
        return ofRow(id);
    return single(id);
}

bool isPlural(const QString &description)
{
    return description.startsWith(QStringLiteral("le ")) || description.startsWith(QStringLiteral("i "));
}

QString containing(FieldId id)
{
    const QString description = describe(id);
    return description +
           (isPlural(description) ? QStringLiteral(" contengono") : QStringLiteral(" contiene"));
}

} // namespace fieldwords
