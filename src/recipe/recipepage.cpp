// SPDX-License-Identifier: GPL-3.0-or-later
#include "recipepage.h"

#include "catalogue.h"
#include "recipemessages.h"
#include "worksheet.h"

#include <QCoreApplication>
#include <QRegularExpression>

using namespace field;

namespace recipepage {
namespace {

void values(PageLine &line, const QString &p, const QString &f, const QString &c, const QString &d)
{
    line.at(60).text(QCoreApplication::translate("Recipe", "Prot. ")).text(p).text(QStringLiteral("%"));
    line.at(80).text(QCoreApplication::translate("Recipe", "Gras. ")).text(f).text(QStringLiteral("%"));
    line.at(100).text(QCoreApplication::translate("Recipe", "Carb. ")).text(c).text(QStringLiteral("%"));
    line.at(120).text(QCoreApplication::translate("Recipe", "Dige. ")).text(d);
}

} // namespace

QString refusal(const Worksheet &worksheet)
{
    if (worksheet.text(RisPeso).isEmpty())
        return messages::kPrintBeforeCalculation;
    if (worksheet.text(NomeRicetta).isEmpty())
        return messages::kPrintWithoutName;
    return {};
}

Page build(const Worksheet &worksheet)
{
    Page out;
    out.landscape = true;
    out.addEmptyLines(1);
    out.addLine()
        .at(3)
        .text(QCoreApplication::translate("Recipe", "Ricetta:  "))
        .text(worksheet.text(NomeRicetta));
    out.addEmptyLines(2);

    for (int row = 1; row <= kIngredientRows; ++row) {
        if (worksheet.text(peso(row)) == QStringLiteral("0"))
            continue;
        const FieldId name = row <= kCatalogueRows ? componente(row) : aggiunta(row);
        PageLine &line = out.addLine().at(3).text(catalogue::displayName(worksheet.text(name)));
        values(line, worksheet.text(proteine(row)), worksheet.text(grassi(row)), worksheet.text(carbo(row)),
               worksheet.text(dig(row)));
        line.at(140).text(QCoreApplication::translate("Recipe", "Lega. ")).text(worksheet.text(legante(row)));
        line.at(160)
            .text(QCoreApplication::translate("Recipe", "Peso: "))
            .text(worksheet.text(peso(row)))
            .text(QCoreApplication::translate("Recipe", "gr."));
    }

    const QString &eggs = worksheet.text(NumeroUova);
    if (worksheet.isEnabled(NumeroUova) && !eggs.isEmpty() && eggs != QStringLiteral("0")) {
        PageLine &line = out.addLine()
                             .at(3)
                             .text(QCoreApplication::translate("Recipe", "Numero di "))
                             .text(catalogue::displayName(worksheet.text(componente(kEggRow))))
                             .text(QStringLiteral(": "))
                             .text(eggs);
        values(line, worksheet.text(proteine(kEggRow)), worksheet.text(grassi(kEggRow)),
               worksheet.text(carbo(kEggRow)), worksheet.text(dig(kEggRow)));
        line.at(160)
            .text(QCoreApplication::translate("Recipe", "Peso: "))
            .text(worksheet.text(peso(kEggRow)))
            .text(QCoreApplication::translate("Recipe", "gr."));
    }

    out.addEmptyLines(5);
    out.addLine().at(3).text(worksheet.text(Frame2));
    out.addEmptyLines(1);
    out.addLine()
        .at(60)
        .text(QCoreApplication::translate("Recipe", "Prot. "))
        .text(worksheet.text(RisProteinePercentuale))
        .at(80)
        .text(QCoreApplication::translate("Recipe", "Gras. "))
        .text(worksheet.text(RisGrassiPercentuale))
        .at(100)
        .text(QCoreApplication::translate("Recipe", "Carb. "))
        .text(worksheet.text(RisCarboidratiPercentuale))
        .at(120)
        .text(QCoreApplication::translate("Recipe", "Dige. "))
        .text(worksheet.text(RisDigeribilita))
        .at(140)
        .text(QCoreApplication::translate("Recipe", "Lega. "))
        .text(worksheet.text(RisProprietaLegante))
        .at(160)
        .text(QCoreApplication::translate("Recipe", "Peso: "))
        .text(worksheet.text(RisPeso))
        .text(QCoreApplication::translate("Recipe", "gr."));
    out.addLine()
        .at(60)
        .text(QCoreApplication::translate("Recipe", "Prot. "))
        .text(worksheet.text(RisProteineGrammi))
        .text(QCoreApplication::translate("Recipe", "gr."))
        .at(80)
        .text(QCoreApplication::translate("Recipe", "Gras. "))
        .text(worksheet.text(RisGrassiGrammi))
        .text(QCoreApplication::translate("Recipe", "gr."))
        .at(100)
        .text(QCoreApplication::translate("Recipe", "Carb. "))
        .text(worksheet.text(RisCarboidratiGrammi))
        .text(QStringLiteral("gr."));
    out.addEmptyLines(2);

    // A line break in the notes starts a new printed line at the left edge.
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList notes = worksheet.text(Note).split(lineBreak);
    out.addLine().at(3).text(QCoreApplication::translate("Recipe", "Note: ")).text(notes.first());
    for (qsizetype k = 1; k < notes.size(); ++k)
        out.addLine().text(notes[k]);
    return out;
}

} // namespace recipepage
