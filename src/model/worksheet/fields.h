// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Every field of the worksheet has a fixed number. Rows 1-14 have one slot per
// column; slots a row does not have (a list in a custom row, a binder index for
// the eggs) stay unused. The single fields follow the row columns.
using FieldId = int;

namespace field {

constexpr int kRows = 14;
constexpr int kCatalogueRows = 11;      // rows 1-11 choose from the lists
constexpr int kCustomRows[] = {12, 13}; // the user's own two ingredients, by name
constexpr int kIngredientRows = 13;     // every row but the eggs
constexpr int kEggRow = 14;

constexpr bool isCustomRow(int row)
{
    return row == kCustomRows[0] || row == kCustomRows[1];
}

// The columns of a worksheet row, in the order of the field numbers. Not the ingredient
// file's personal::CsvColumn nor the ingredient editor's TableColumn.
enum RowColumn : int
{
    Componente,
    Peso,
    Proteine,
    Grassi,
    Carbo,
    Dig,
    Legante,
    RowColumnCount
};

constexpr FieldId at(RowColumn column, int row)
{
    return column * kRows + (row - 1);
}
constexpr FieldId componente(int row)
{
    return at(Componente, row);
}
constexpr FieldId peso(int row)
{
    return at(Peso, row);
}
constexpr FieldId proteine(int row)
{
    return at(Proteine, row);
}
constexpr FieldId grassi(int row)
{
    return at(Grassi, row);
}
constexpr FieldId carbo(int row)
{
    return at(Carbo, row);
}
constexpr FieldId dig(int row)
{
    return at(Dig, row);
}
constexpr FieldId legante(int row)
{
    return at(Legante, row);
}

enum Single : FieldId
{
    Aggiunta1 = RowColumnCount * kRows,
    Aggiunta2,
    ChkUova,
    NumeroUova,
    RisPeso,
    RisProteineGrammi,
    RisProteinePercentuale,
    RisGrassiGrammi,
    RisGrassiPercentuale,
    RisCarboidratiGrammi,
    RisCarboidratiPercentuale,
    RisDigeribilita,
    RisProprietaLegante,
    NomeRicetta,
    Note,
    Label17,
    Frame2,
    Count
};

// The name field of custom row 12 or 13.
constexpr FieldId aggiunta(int row)
{
    return row == 12 ? Aggiunta1 : Aggiunta2;
}

// The nine result fields in the order the clear command empties them, which is also
// their order at the end of the recipe record (fields 43-51).
constexpr FieldId kResultsInClearOrder[] = {
    RisProteinePercentuale, RisGrassiPercentuale, RisCarboidratiPercentuale,
    RisProteineGrammi,      RisGrassiGrammi,      RisCarboidratiGrammi,
    RisDigeribilita,        RisProprietaLegante,  RisPeso};

// The five value columns of a row in their usual order.
constexpr RowColumn kValueColumns[] = {Proteine, Grassi, Carbo, Dig, Legante};

// The control name of a field ("TxtPeso3", "CmbComponente1"), empty for unused slots.
QString name(FieldId id);

} // namespace field
