// SPDX-License-Identifier: GPL-3.0-or-later
#include "reactions.h"
#include "sentinels.h"
#include "worksheet.h"

using namespace field;

namespace reactions {

void catalogueSelection(Worksheet &worksheet, int row)
{
    const QString chosen = worksheet.text(componente(row));
    const bool isDash = chosen == sentinel::kNothingChosen;

    if (!chosen.isEmpty() && !isDash) {
        worksheet.setColour(componente(row), Colour::Filled);
        worksheet.setEnabled(peso(row), true);
    } else {
        worksheet.setColour(componente(row), Colour::Window);
        worksheet.setEnabled(peso(row), false);
        worksheet.setText(peso(row), sentinel::kZero);
    }

    if (isDash) {
        for (RowColumn column : kValueColumns) {
            const FieldId id = at(column, row);
            worksheet.setText(id, QString());
            worksheet.setEnabled(id, false);
            worksheet.setColour(id, Colour::Window);
        }
    } else if (const auto values = worksheet.ingredientValues(chosen)) {
        for (int k = 0; k < 5; ++k)
            worksheet.setText(at(kValueColumns[k], row), (*values)[size_t(k)]);
    }

    for (RowColumn column : kValueColumns) {
        const FieldId id = at(column, row);
        if (!worksheet.text(id).isEmpty()) {
            worksheet.setEnabled(id, true);
            worksheet.setColour(id, Colour::Filled);
        }
    }
}

} // namespace reactions
