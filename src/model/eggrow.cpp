// The egg row: the switch behind ChkUova, the choice of egg kind and the two small
// rules that keep the egg fields' enabling and colour consistent.
#include "catalogue.h"
#include "reactions.h"
#include "worksheet.h"

using namespace field;

namespace reactions {
namespace {

constexpr FieldId kEggValues[] = {proteine(kEggRow), grassi(kEggRow), carbo(kEggRow), dig(kEggRow)};

void resetField(Worksheet &sheet, FieldId id, const QString &text, Colour colour)
{
    sheet.setEnabled(id, false);
    sheet.setText(id, text);
    sheet.setColour(id, colour);
}

} // namespace

void eggSwitch(Worksheet &sheet, bool setFrameCaption)
{
    const FieldId kind = componente(kEggRow);
    if (sheet.eggsChecked()) {
        sheet.setEnabled(kind, true);
        sheet.setColour(kind, Colour::Window);
        for (FieldId id : kEggValues) {
            sheet.setEnabled(id, true);
            sheet.setColour(id, Colour::Window);
        }
        sheet.setEnabled(NumeroUova, true);
        sheet.setText(NumeroUova, QStringLiteral("0"));
        sheet.setColour(NumeroUova, Colour::Window);
        sheet.setEnabled(peso(kEggRow), true);
        sheet.setColour(peso(kEggRow), Colour::Window);
        sheet.setCaption(Label17, QStringLiteral("Totale peso con uova"));
        if (setFrameCaption)
            sheet.setCaption(Frame2, QStringLiteral("Risultati con uova incluse"));
        return;
    }
    sheet.setEnabled(kind, false);
    sheet.select(kind, QStringLiteral("-"));
    sheet.setColour(kind, Colour::ButtonFace);
    for (FieldId id : kEggValues)
        resetField(sheet, id, QString(), Colour::ButtonFace);
    resetField(sheet, NumeroUova, QStringLiteral("0"), Colour::ButtonFace);
    resetField(sheet, peso(kEggRow), QString(), Colour::ButtonFace);
    sheet.setCaption(Label17, QStringLiteral("Totale peso senza uova"));
    if (setFrameCaption)
        sheet.setCaption(Frame2, QStringLiteral("Risultati con uova escluse"));
}

void eggSelection(Worksheet &sheet)
{
    const FieldId list = componente(kEggRow);
    const QString chosen = sheet.text(list);
    if (!chosen.isEmpty())
        sheet.setColour(list, Colour::Filled);
    if (chosen == QStringLiteral("-")) {
        sheet.setColour(list, Colour::Window);
        for (FieldId id : kEggValues) {
            sheet.setText(id, QString());
            sheet.setEnabled(id, false);
            sheet.setColour(id, Colour::Window);
        }
        for (auto [id, text] :
             {std::pair{FieldId(NumeroUova), QStringLiteral("0")}, std::pair{peso(kEggRow), QString()}}) {
            sheet.setText(id, text);
            sheet.setEnabled(id, false);
            sheet.setColour(id, Colour::Window);
        }
    } else if (const catalogue::EggKind *kind = catalogue::findEggKind(chosen)) {
        const char *const values[] = {kind->proteine, kind->grassi, kind->carbo, kind->dig};
        for (int k = 0; k < 4; ++k)
            sheet.setText(kEggValues[k], QString::fromLatin1(values[k]));
        sheet.setEnabled(NumeroUova, true);
        sheet.setEnabled(peso(kEggRow), true);
    }
    for (FieldId id : kEggValues) {
        if (!sheet.text(id).isEmpty()) {
            sheet.setEnabled(id, true);
            sheet.setColour(id, Colour::Filled);
        }
    }
}

void eggValueRule(Worksheet &sheet, FieldId id)
{
    if (!sheet.eggsChecked())
        sheet.setEnabled(id, false);
}

void eggWeightRule(Worksheet &sheet)
{
    const QString &text = sheet.text(peso(kEggRow));
    if (sheet.eggsChecked() && !text.isEmpty() && text != QStringLiteral("0"))
        sheet.setColour(peso(kEggRow), Colour::Filled);
}

} // namespace reactions
