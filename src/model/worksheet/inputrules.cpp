// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that check every typed value at once: grams and egg count, the custom
// rows' percentages, their index selectors and names; and the result highlight.
#include "messages.h"
#include "numbers.h"
#include "reactions.h"
#include "sentinels.h"
#include "worksheet.h"

using namespace field;

namespace reactions {

void quantityRule(Worksheet &worksheet, FieldId id)
{
    worksheet.resetUnlessNonNegativeNumber(id);
    worksheet.setColour(id, numbers::valueOrZero(worksheet.text(id)) != 0 ? Colour::Filled : Colour::Window);
}

void percentageRule(Worksheet &worksheet, FieldId id)
{
    const QString text = worksheet.text(id);
    if (numbers::isNumber(text)) {
        // Compared as text, character by character: "-5", "+5", ",5" sort before "0"
        // and keep whatever colour the field had.
        if (QString::compare(text, sentinel::kZero, Qt::CaseSensitive) > 0)
            worksheet.setColour(id, Colour::Filled);
        else if (text == sentinel::kZero)
            worksheet.setColour(id, Colour::Window);
    } else {
        // A number beyond a double's range is far above 100, or far below 0.
        const bool tooLarge = numbers::isTooLarge(text);
        worksheet.warn(!tooLarge                         ? messages::kNotANumber
                       : text.trimmed().startsWith(u'-') ? messages::kNegative
                                                         : messages::kOver100);
        worksheet.setText(id, sentinel::kZero);
        worksheet.setColour(id, Colour::Window);
    }
    if (numbers::valueOrZero(worksheet.text(id)) > 100) {
        worksheet.warn(messages::kOver100);
        worksheet.setText(id, sentinel::kZero);
    }
    // A share below nothing would make the mix's own shares impossible (-100 % protein).
    if (numbers::valueOrZero(worksheet.text(id)) < 0) {
        worksheet.warn(messages::kNegative);
        worksheet.setText(id, sentinel::kZero);
    }
}

void indexRule(Worksheet &worksheet, FieldId id)
{
    const QString &text = worksheet.text(id);
    const bool chosen = !text.isEmpty() && text != sentinel::kNothingChosen && worksheet.isEnabled(id);
    worksheet.setColour(id, chosen ? Colour::Filled : Colour::Window);
}

void customNameRule(Worksheet &worksheet, int row)
{
    const FieldId name = aggiunta(row);
    if (!worksheet.text(name).isEmpty()) {
        worksheet.setColour(name, Colour::Filled);
        for (FieldId id : {proteine(row), grassi(row), carbo(row), dig(row), legante(row), peso(row)})
            worksheet.setEnabled(id, true);
        return;
    }
    // Each field is disabled before it is reset, so the index rule leaves the
    // selectors in the window colour.
    worksheet.setColour(name, Colour::Window);
    for (FieldId id : {proteine(row), grassi(row), carbo(row)}) {
        worksheet.setEnabled(id, false);
        worksheet.setText(id, sentinel::kZero);
    }
    for (FieldId id : {dig(row), legante(row)}) {
        worksheet.setEnabled(id, false);
        worksheet.select(id, sentinel::kZero);
    }
    worksheet.setEnabled(peso(row), false);
    worksheet.setText(peso(row), sentinel::kZero);
}

void highlightRule(Worksheet &worksheet, FieldId id)
{
    worksheet.setColour(id, worksheet.text(id).isEmpty() ? Colour::Window : Colour::Filled);
}

} // namespace reactions
