// The rules that check every typed value at once: grams and egg count, the custom
// rows' percentages, their index selectors and names; and the result highlight.
#include "messages.h"
#include "numbers.h"
#include "reactions.h"
#include "worksheet.h"

using namespace field;

namespace reactions {

void quantityRule(Worksheet &sheet, FieldId id)
{
    sheet.resetUnlessNonNegativeNumber(id);
    sheet.setColour(id, numbers::valueOrZero(sheet.text(id)) != 0 ? Colour::Filled : Colour::Window);
}

void percentageRule(Worksheet &sheet, FieldId id)
{
    const QString text = sheet.text(id);
    if (numbers::isNumber(text)) {
        // Compared as text, character by character: "-5", "+5", ",5" sort before "0"
        // and keep whatever colour the field had.
        if (QString::compare(text, QStringLiteral("0"), Qt::CaseSensitive) > 0)
            sheet.setColour(id, Colour::Filled);
        else if (text == QStringLiteral("0"))
            sheet.setColour(id, Colour::Window);
    } else {
        sheet.warn(messages::kNotANumber);
        sheet.setText(id, QStringLiteral("0"));
        sheet.setColour(id, Colour::Window);
    }
    if (numbers::valueOrZero(sheet.text(id)) > 100) {
        sheet.warn(messages::kOver100);
        sheet.setText(id, QStringLiteral("0"));
    }
}

void indexRule(Worksheet &sheet, FieldId id)
{
    const QString &text = sheet.text(id);
    const bool chosen = !text.isEmpty() && text != QStringLiteral("-") && sheet.isEnabled(id);
    sheet.setColour(id, chosen ? Colour::Filled : Colour::Window);
}

void customNameRule(Worksheet &sheet, int row)
{
    const FieldId name = aggiunta(row);
    if (!sheet.text(name).isEmpty()) {
        sheet.setColour(name, Colour::Filled);
        for (FieldId id : {proteine(row), grassi(row), carbo(row), dig(row), legante(row), peso(row)})
            sheet.setEnabled(id, true);
        return;
    }
    // Each field is disabled before it is reset, so the index rule leaves the
    // selectors in the window colour.
    sheet.setColour(name, Colour::Window);
    for (FieldId id : {proteine(row), grassi(row), carbo(row)}) {
        sheet.setEnabled(id, false);
        sheet.setText(id, QStringLiteral("0"));
    }
    for (FieldId id : {dig(row), legante(row)}) {
        sheet.setEnabled(id, false);
        sheet.select(id, QStringLiteral("0"));
    }
    sheet.setEnabled(peso(row), false);
    sheet.setText(peso(row), QStringLiteral("0"));
}

void highlightRule(Worksheet &sheet, FieldId id)
{
    sheet.setColour(id, sheet.text(id).isEmpty() ? Colour::Window : Colour::Filled);
}

} // namespace reactions
