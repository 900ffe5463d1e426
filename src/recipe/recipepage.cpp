// SPDX-License-Identifier: GPL-3.0-or-later
#include "recipepage.h"

#include "catalogue.h"
#include "recipemessages.h"
#include "sentinels.h"
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

void grams(PageLine &line, const QString &text)
{
    line.at(160)
        .text(QCoreApplication::translate("Recipe", "Peso: "))
        .text(text)
        .text(QCoreApplication::translate("Recipe", "gr."));
}

// One ingredient row 1-13: its name, values and grams.
void addRowLine(Page &out, const Worksheet &worksheet, int row)
{
    const FieldId name = row <= kCatalogueRows ? componente(row) : aggiunta(row);
    PageLine &line = out.addLine().at(3).text(catalogue::displayName(worksheet.text(name)));
    values(line, worksheet.text(proteine(row)), worksheet.text(grassi(row)), worksheet.text(carbo(row)),
           worksheet.text(dig(row)));
    line.at(140).text(QCoreApplication::translate("Recipe", "Lega. ")).text(worksheet.text(legante(row)));
    grams(line, worksheet.text(peso(row)));
}

// The eggs: kind and count, their values without a binder index, their grams.
void addEggLine(Page &out, const Worksheet &worksheet)
{
    PageLine &line = out.addLine()
                         .at(3)
                         .text(QCoreApplication::translate("Recipe", "Numero di "))
                         .text(catalogue::displayName(worksheet.text(componente(kEggRow))))
                         .text(QStringLiteral(": "))
                         .text(worksheet.text(NumeroUova));
    values(line, worksheet.text(proteine(kEggRow)), worksheet.text(grassi(kEggRow)),
           worksheet.text(carbo(kEggRow)), worksheet.text(dig(kEggRow)));
    grams(line, worksheet.text(peso(kEggRow)));
}

// The results frame's caption, then the shares, indices and total, then the grams.
void addResults(Page &out, const Worksheet &worksheet)
{
    out.addLine().at(3).text(worksheet.text(Frame2));
    out.addEmptyLines(1);
    PageLine &shares = out.addLine()
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
                           .text(worksheet.text(RisProprietaLegante));
    grams(shares, worksheet.text(RisPeso));
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
        .text(QCoreApplication::translate("Recipe", "gr."));
}

// A line break in the notes starts a new printed line at the left edge.
void addNotes(Page &out, const QString &notesText)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList notes = notesText.split(lineBreak);
    out.addLine().at(3).text(QCoreApplication::translate("Recipe", "Note: ")).text(notes.first());
    for (qsizetype k = 1; k < notes.size(); ++k)
        out.addLine().text(notes[k]);
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
    for (int row = 1; row <= kIngredientRows; ++row)
        if (!sentinel::rowIsEmpty(worksheet.text(peso(row))))
            addRowLine(out, worksheet, row);
    const QString &eggs = worksheet.text(NumeroUova);
    if (worksheet.isEnabled(NumeroUova) && !eggs.isEmpty() && eggs != sentinel::kZero)
        addEggLine(out, worksheet);
    out.addEmptyLines(5);
    addResults(out, worksheet);
    out.addEmptyLines(2);
    addNotes(out, worksheet.text(Note));
    return out;
}

} // namespace recipepage
