#include "reactions.h"
#include "worksheet.h"

using namespace field;

namespace reactions {

void catalogueSelection(Worksheet &sheet, int row)
{
    const QString chosen = sheet.text(componente(row));
    const bool isDash = chosen == QStringLiteral("-");

    if (!chosen.isEmpty() && !isDash) {
        sheet.setColour(componente(row), Colour::Filled);
        sheet.setEnabled(peso(row), true);
    } else {
        sheet.setColour(componente(row), Colour::Window);
        sheet.setEnabled(peso(row), false);
        sheet.setText(peso(row), QStringLiteral("0"));
    }

    if (isDash) {
        for (Column column : kValueColumns) {
            const FieldId id = at(column, row);
            sheet.setText(id, QString());
            sheet.setEnabled(id, false);
            sheet.setColour(id, Colour::Window);
        }
    } else if (const auto values = sheet.ingredientValues(chosen)) {
        for (int k = 0; k < 5; ++k)
            sheet.setText(at(kValueColumns[k], row), (*values)[size_t(k)]);
    }

    for (Column column : kValueColumns) {
        const FieldId id = at(column, row);
        if (!sheet.text(id).isEmpty()) {
            sheet.setEnabled(id, true);
            sheet.setColour(id, Colour::Filled);
        }
    }
}

} // namespace reactions
