// SPDX-License-Identifier: GPL-3.0-or-later
// The egg row: the switch behind ChkUova, the choice of egg kind and the two small
// rules that keep the egg fields' enabling and colour consistent.
#include "catalogue.h"
#include "reactions.h"
#include "sentinels.h"
#include "worksheet.h"

#include <QCoreApplication>

using namespace field;

namespace reactions {
namespace {

constexpr FieldId kEggValues[] = {proteine(kEggRow), grassi(kEggRow), carbo(kEggRow), dig(kEggRow)};

void resetField(Worksheet &worksheet, FieldId id, const QString &text, Colour colour)
{
    worksheet.setEnabled(id, false);
    worksheet.setText(id, text);
    worksheet.setColour(id, colour);
}

} // namespace

void eggSwitch(Worksheet &worksheet, bool setFrameCaption)
{
    const FieldId kind = componente(kEggRow);
    if (worksheet.eggsChecked()) {
        worksheet.setEnabled(kind, true);
        worksheet.setColour(kind, Colour::Window);
        for (FieldId id : kEggValues) {
            worksheet.setEnabled(id, true);
            worksheet.setColour(id, Colour::Window);
        }
        worksheet.setEnabled(NumeroUova, true);
        worksheet.setText(NumeroUova, sentinel::kZero);
        worksheet.setColour(NumeroUova, Colour::Window);
        worksheet.setEnabled(peso(kEggRow), true);
        worksheet.setColour(peso(kEggRow), Colour::Window);
        worksheet.setCaption(Label17, QCoreApplication::translate("Calculation", "Totale peso con uova"));
        if (setFrameCaption)
            worksheet.setCaption(Frame2,
                                 QCoreApplication::translate("Calculation", "Risultati con uova incluse"));
        return;
    }
    worksheet.setEnabled(kind, false);
    worksheet.select(kind, sentinel::kNothingChosen);
    worksheet.setColour(kind, Colour::ButtonFace);
    for (FieldId id : kEggValues)
        resetField(worksheet, id, QString(), Colour::ButtonFace);
    resetField(worksheet, NumeroUova, sentinel::kZero, Colour::ButtonFace);
    resetField(worksheet, peso(kEggRow), QString(), Colour::ButtonFace);
    worksheet.setCaption(Label17, QCoreApplication::translate("Calculation", "Totale peso senza uova"));
    if (setFrameCaption)
        worksheet.setCaption(Frame2,
                             QCoreApplication::translate("Calculation", "Risultati con uova escluse"));
}

void eggSelection(Worksheet &worksheet)
{
    const FieldId list = componente(kEggRow);
    const QString chosen = worksheet.text(list);
    if (!chosen.isEmpty())
        worksheet.setColour(list, Colour::Filled);
    if (chosen == sentinel::kNothingChosen) {
        worksheet.setColour(list, Colour::Window);
        for (FieldId id : kEggValues) {
            worksheet.setText(id, QString());
            worksheet.setEnabled(id, false);
            worksheet.setColour(id, Colour::Window);
        }
        for (auto [id, text] :
             {std::pair{FieldId(NumeroUova), sentinel::kZero}, std::pair{peso(kEggRow), QString()}}) {
            worksheet.setText(id, text);
            worksheet.setEnabled(id, false);
            worksheet.setColour(id, Colour::Window);
        }
    } else if (const catalogue::EggKind *kind = catalogue::findEggKind(chosen)) {
        const char *const values[] = {kind->proteine, kind->grassi, kind->carbo, kind->dig};
        for (int k = 0; k < 4; ++k)
            worksheet.setText(kEggValues[k], QString::fromLatin1(values[k]));
        worksheet.setEnabled(NumeroUova, true);
        worksheet.setEnabled(peso(kEggRow), true);
    }
    for (FieldId id : kEggValues) {
        if (!worksheet.text(id).isEmpty()) {
            worksheet.setEnabled(id, true);
            worksheet.setColour(id, Colour::Filled);
        }
    }
}

void eggValueRule(Worksheet &worksheet, FieldId id)
{
    if (!worksheet.eggsChecked())
        worksheet.setEnabled(id, false);
}

void eggWeightRule(Worksheet &worksheet)
{
    const QString &text = worksheet.text(peso(kEggRow));
    if (worksheet.eggsChecked() && !text.isEmpty() && text != sentinel::kZero)
        worksheet.setColour(peso(kEggRow), Colour::Filled);
}

} // namespace reactions
