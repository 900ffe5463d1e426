// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields.h"

namespace field {
namespace {

const char *const kColumnPrefix[RowColumnCount] = {"CmbComponente", "TxtPeso", "TxtProteine", "TxtGrassi",
                                                   "TxtCarbo",      "TxtDig",  "TxtLegante"};

bool rowHasColumn(RowColumn column, int row)
{
    switch (column) {
    case Componente:
        return row <= kCatalogueRows || row == kEggRow;
    case Legante:
        return row < kEggRow;
    default:
        return true;
    }
}

QString singleName(FieldId id)
{
    switch (id) {
    case Aggiunta1:
        return QStringLiteral("TxtAggiunta1");
    case Aggiunta2:
        return QStringLiteral("TxtAggiunta2");
    case ChkUova:
        return QStringLiteral("ChkUova");
    case NumeroUova:
        return QStringLiteral("TxtNumeroUova");
    case RisPeso:
        return QStringLiteral("TxtRisPeso");
    case RisProteineGrammi:
        return QStringLiteral("TxtRisProteineGrammi");
    case RisProteinePercentuale:
        return QStringLiteral("TxtRisProteinePercentuale");
    case RisGrassiGrammi:
        return QStringLiteral("TxtRisGrassiGrammi");
    case RisGrassiPercentuale:
        return QStringLiteral("TxtRisGrassiPercentuale");
    case RisCarboidratiGrammi:
        return QStringLiteral("TxtRisCarboidratiGrammi");
    case RisCarboidratiPercentuale:
        return QStringLiteral("TxtRisCarboidratiPercentuale");
    case RisDigeribilita:
        return QStringLiteral("TxtRisDigeribilità");
    case RisProprietaLegante:
        return QStringLiteral("TxtRisProprietàLegante");
    case NomeRicetta:
        return QStringLiteral("TxtNomeRicetta");
    case Note:
        return QStringLiteral("TxtNote");
    case Label17:
        return QStringLiteral("Label17");
    case Frame2:
        return QStringLiteral("Frame2");
    default:
        return {};
    }
}

} // namespace

QString name(FieldId id)
{
    if (id < 0 || id >= Count)
        return {};
    if (id >= Aggiunta1)
        return singleName(id);
    const auto column = RowColumn(id / kRows);
    const int row = id % kRows + 1;
    if (!rowHasColumn(column, row))
        return {};
    return QLatin1String(kColumnPrefix[column]) + QString::number(row);
}

} // namespace field
