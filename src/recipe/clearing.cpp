// SPDX-License-Identifier: GPL-3.0-or-later
#include "clearing.h"

#include "sentinels.h"
#include "worksheet.h"

using namespace field;

void clearWorksheet(Worksheet &worksheet)
{

    worksheet.setChecked(false);
    for (int row = 1; row <= kCatalogueRows; ++row)
        worksheet.select(componente(row), sentinel::kNothingChosen);
    worksheet.setText(Aggiunta1, QString());
    worksheet.setText(Aggiunta2, QString());
    for (int row = 1; row <= kCatalogueRows; ++row)
        for (RowColumn column : kValueColumns)
            worksheet.setText(at(column, row), QString());
    for (int row : kCustomRows) {
        for (RowColumn column : {Proteine, Grassi, Carbo})
            worksheet.setText(at(column, row), sentinel::kZero);
        worksheet.select(dig(row), sentinel::kZero);
        worksheet.select(legante(row), sentinel::kZero);
    }
    for (int row = 1; row <= kIngredientRows; ++row)
        worksheet.setText(peso(row), sentinel::kZero);

    for (FieldId id : kResultsInClearOrder) {
        if (id == RisPeso) {
            // The total goes last: it is the guard that save and print look at.
            worksheet.setText(NomeRicetta, QString());
            worksheet.setText(Note, QString());
        }
        worksheet.setText(id, QString());
    }

    for (int row = 1; row <= kCatalogueRows; ++row)
        for (RowColumn column : kValueColumns)
            worksheet.setColour(at(column, row), Colour::Window);
    for (int row : kCustomRows)
        for (RowColumn column : kValueColumns)
            worksheet.setColour(at(column, row), Colour::Window);
    for (int row = 1; row <= kCatalogueRows; ++row)
        worksheet.setColour(componente(row), Colour::Window);
    worksheet.setColour(Aggiunta1, Colour::Window);
    worksheet.setColour(Aggiunta2, Colour::Window);
    for (int row = 1; row <= kIngredientRows; ++row)
        worksheet.setColour(peso(row), Colour::Window);
    for (FieldId id : kResultsInClearOrder)
        worksheet.setColour(id, Colour::Window);
    worksheet.setColour(NomeRicetta, Colour::Window);
    worksheet.setColour(Note, Colour::Window);
}
