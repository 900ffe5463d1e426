// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fields.h"
#include "numbers.h"
#include "worksheet.h"

#include <QString>

// The rules the worksheet keeps whatever the user does; returns the first one broken,
// or an empty text.
inline QString brokenInvariant(const Worksheet &sheet)
{
    using namespace field;
    auto fail = [](FieldId id, const char *what) {
        return field::name(id) + QLatin1String(": ") + QLatin1String(what);
    };
    const QString zero = QStringLiteral("0");
    const QString dash = QStringLiteral("-");

    QList<FieldId> quantities{NumeroUova};
    for (int row = 1; row <= 13; ++row)
        quantities << peso(row);
    for (FieldId id : quantities) {
        const auto value = numbers::toNumber(sheet.text(id));
        if (!value)
            return fail(id, "not a number");
        if (*value < 0)
            return fail(id, "negative");
        if (id != NumeroUova || sheet.eggsChecked()) {
            const Colour expected = *value != 0 ? Colour::Filled : Colour::Window;
            if (sheet.colour(id) != expected)
                return fail(id, "colour does not follow the value");
        }
    }
    for (int row : {12, 13}) {
        for (RowColumn column : {Proteine, Grassi, Carbo}) {
            const auto value = numbers::toNumber(sheet.text(at(column, row)));
            if (!value)
                return fail(at(column, row), "not a number");
            if (*value > 100)
                return fail(at(column, row), "above 100");
        }
        const bool named = !sheet.text(aggiunta(row)).isEmpty();
        if (sheet.colour(aggiunta(row)) != (named ? Colour::Filled : Colour::Window))
            return fail(aggiunta(row), "name colour");
        if (sheet.isEnabled(peso(row)) != named)
            return fail(peso(row), "enabled while the row has no name, or the reverse");
        if (!named && sheet.text(peso(row)) != zero)
            return fail(peso(row), "grams in an unnamed row");
    }
    for (int row = 1; row <= kCatalogueRows; ++row) {
        const QString &chosen = sheet.text(componente(row));
        const bool holding = !chosen.isEmpty() && chosen != dash;
        if (sheet.colour(componente(row)) != (holding ? Colour::Filled : Colour::Window))
            return fail(componente(row), "list colour");
        if (!holding && sheet.text(peso(row)) != zero)
            return fail(peso(row), "grams without an ingredient");
        if (sheet.isEnabled(peso(row)) != holding)
            return fail(peso(row), "enabled without an ingredient, or the reverse");
        if (chosen == dash)
            for (RowColumn column : kValueColumns)
                if (!sheet.text(at(column, row)).isEmpty() && sheet.text(at(column, row)) != zero)
                    return fail(at(column, row), "a value on an emptied row");
    }
    if (!sheet.eggsChecked()) {
        if (sheet.text(componente(kEggRow)) != dash)
            return fail(componente(kEggRow), "a kind while the eggs are off");
        if (sheet.text(NumeroUova) != zero)
            return fail(NumeroUova, "a count while the eggs are off");
        for (FieldId id : {proteine(kEggRow), grassi(kEggRow), carbo(kEggRow), dig(kEggRow)})
            if (!sheet.text(id).isEmpty() && sheet.text(id) != zero)
                return fail(id, "an egg value while the eggs are off");
        if (sheet.text(Label17) != QStringLiteral("Totale peso senza uova"))
            return fail(Label17, "caption while the eggs are off");
    }
    for (FieldId id : {RisPeso, RisProteineGrammi, RisProteinePercentuale, RisGrassiGrammi,
                       RisGrassiPercentuale, RisCarboidratiGrammi, RisCarboidratiPercentuale, RisDigeribilita,
                       RisProprietaLegante, NomeRicetta, Note}) {
        const QString &text = sheet.text(id);
        if (text.contains(QStringLiteral("nan"), Qt::CaseInsensitive) ||
            text.contains(QStringLiteral("inf"), Qt::CaseInsensitive))
            return fail(id, "nan or inf");
        if (sheet.colour(id) != (text.isEmpty() ? Colour::Window : Colour::Filled))
            return fail(id, "highlight colour");
    }
    return {};
}
