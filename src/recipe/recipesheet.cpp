#include "recipesheet.h"

#include "recipemessages.h"
#include "worksheet.h"

#include <QRegularExpression>

using namespace field;

namespace recipesheet {
namespace {

void values(SheetLine &line, const QString &p, const QString &f, const QString &c, const QString &d)
{
    line.at(60).text(QStringLiteral("Prot. ")).text(p).text(QStringLiteral("%"));
    line.at(80).text(QStringLiteral("Gras. ")).text(f).text(QStringLiteral("%"));
    line.at(100).text(QStringLiteral("Carb. ")).text(c).text(QStringLiteral("%"));
    line.at(120).text(QStringLiteral("Dige. ")).text(d);
}

} // namespace

QString refusal(const Worksheet &sheet)
{
    if (sheet.text(RisPeso).isEmpty())
        return messages::kPrintBeforeCalculation;
    if (sheet.text(NomeRicetta).isEmpty())
        return messages::kPrintWithoutName;
    return {};
}

Sheet build(const Worksheet &sheet)
{
    Sheet out;
    out.landscape = true;
    out.addEmptyLines(1);
    out.addLine().at(3).text(QStringLiteral("Ricetta:  ")).text(sheet.text(NomeRicetta));
    out.addEmptyLines(2);

    for (int row = 1; row <= 13; ++row) {
        if (sheet.text(peso(row)) == QStringLiteral("0"))
            continue;
        const FieldId name = row <= kCatalogueRows ? componente(row) : aggiunta(row);
        SheetLine &line = out.addLine().at(3).text(sheet.text(name));
        values(line, sheet.text(proteine(row)), sheet.text(grassi(row)), sheet.text(carbo(row)),
               sheet.text(dig(row)));
        line.at(140).text(QStringLiteral("Lega. ")).text(sheet.text(legante(row)));
        line.at(160).text(QStringLiteral("Peso: ")).text(sheet.text(peso(row))).text(QStringLiteral("gr."));
    }

    const QString &eggs = sheet.text(NumeroUova);
    if (sheet.isEnabled(NumeroUova) && !eggs.isEmpty() && eggs != QStringLiteral("0")) {
        SheetLine &line = out.addLine()
                              .at(3)
                              .text(QStringLiteral("Numero di "))
                              .text(sheet.text(componente(kEggRow)))
                              .text(QStringLiteral(": "))
                              .text(eggs);
        values(line, sheet.text(proteine(kEggRow)), sheet.text(grassi(kEggRow)), sheet.text(carbo(kEggRow)),
               sheet.text(dig(kEggRow)));
        line.at(160)
            .text(QStringLiteral("Peso: "))
            .text(sheet.text(peso(kEggRow)))
            .text(QStringLiteral("gr."));
    }

    out.addEmptyLines(5);
    out.addLine().at(3).text(sheet.text(Frame2));
    out.addEmptyLines(1);
    out.addLine()
        .at(60)
        .text(QStringLiteral("Prot. "))
        .text(sheet.text(RisProteinePercentuale))
        .at(80)
        .text(QStringLiteral("Gras. "))
        .text(sheet.text(RisGrassiPercentuale))
        .at(100)
        .text(QStringLiteral("Carb. "))
        .text(sheet.text(RisCarboidratiPercentuale))
        .at(120)
        .text(QStringLiteral("Dige. "))
        .text(sheet.text(RisDigeribilita))
        .at(140)
        .text(QStringLiteral("Lega. "))
        .text(sheet.text(RisProprietaLegante))
        .at(160)
        .text(QStringLiteral("Peso: "))
        .text(sheet.text(RisPeso))
        .text(QStringLiteral("gr."));
    out.addLine()
        .at(60)
        .text(QStringLiteral("Prot. "))
        .text(sheet.text(RisProteineGrammi))
        .text(QStringLiteral("gr."))
        .at(80)
        .text(QStringLiteral("Gras. "))
        .text(sheet.text(RisGrassiGrammi))
        .text(QStringLiteral("gr."))
        .at(100)
        .text(QStringLiteral("Carb. "))
        .text(sheet.text(RisCarboidratiGrammi))
        .text(QStringLiteral("gr."));
    out.addEmptyLines(2);

    // A line break in the notes starts a new printed line at the left edge.
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList notes = sheet.text(Note).split(lineBreak);
    out.addLine().at(3).text(QStringLiteral("Note: ")).text(notes.first());
    for (qsizetype k = 1; k < notes.size(); ++k)
        out.addLine().text(notes[k]);
    return out;
}

} // namespace recipesheet
