#include "clearing.h"

#include "worksheet.h"

using namespace field;

void clearWorksheet(Worksheet &sheet)
{
    const QString zero = QStringLiteral("0");

    sheet.setChecked(false);
    for (int row = 1; row <= kCatalogueRows; ++row)
        sheet.select(componente(row), QStringLiteral("-"));
    sheet.setText(Aggiunta1, QString());
    sheet.setText(Aggiunta2, QString());
    for (int row = 1; row <= kCatalogueRows; ++row)
        for (Column column : kValueColumns)
            sheet.setText(at(column, row), QString());
    for (int row : {12, 13}) {
        for (Column column : {Proteine, Grassi, Carbo})
            sheet.setText(at(column, row), zero);
        sheet.select(dig(row), zero);
        sheet.select(legante(row), zero);
    }
    for (int row = 1; row <= 13; ++row)
        sheet.setText(peso(row), zero);

    for (FieldId id : kResultsInClearOrder) {
        if (id == RisPeso) {
            // The total goes last: it is the guard that save and print look at.
            sheet.setText(NomeRicetta, QString());
            sheet.setText(Note, QString());
        }
        sheet.setText(id, QString());
    }

    for (int row = 1; row <= kCatalogueRows; ++row)
        for (Column column : kValueColumns)
            sheet.setColour(at(column, row), Colour::Window);
    for (int row : {12, 13})
        for (Column column : kValueColumns)
            sheet.setColour(at(column, row), Colour::Window);
    for (int row = 1; row <= kCatalogueRows; ++row)
        sheet.setColour(componente(row), Colour::Window);
    sheet.setColour(Aggiunta1, Colour::Window);
    sheet.setColour(Aggiunta2, Colour::Window);
    for (int row = 1; row <= 13; ++row)
        sheet.setColour(peso(row), Colour::Window);
    for (FieldId id : kResultsInClearOrder)
        sheet.setColour(id, Colour::Window);
    sheet.setColour(NomeRicetta, Colour::Window);
    sheet.setColour(Note, Colour::Window);
}
