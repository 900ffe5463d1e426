// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet.h"

#include "catalogue.h"
#include "reactions.h"
#include "sentinels.h"

#include <QCoreApplication>

using namespace field;

Worksheet::Worksheet(QObject *parent)
    : FieldStore(field::Count, parent), m_ingredientEntries(catalogue::ingredientEntries())
{
    for (int row = 1; row <= kRows; ++row) {
        const bool catalogueRow = row <= kCatalogueRows;
        const bool customRow = isCustomRow(row);
        if (catalogueRow)
            define(componente(row), FieldKind::List, {}, true, &m_ingredientEntries);
        if (row == kEggRow) {
            define(componente(row), FieldKind::List, sentinel::kNothingChosen, true,
                   &catalogue::eggEntries());
            define(peso(row), FieldKind::Display, {}, true);
        } else {
            define(peso(row), FieldKind::Input, sentinel::kZero, false);
        }
        for (RowColumn column : {Proteine, Grassi, Carbo}) {
            if (customRow)
                define(at(column, row), FieldKind::Input, sentinel::kZero, false);
            else
                define(at(column, row), FieldKind::Display, {}, true);
        }
        if (customRow) {
            define(dig(row), FieldKind::List, {}, false, &catalogue::digestibilityEntries());
            define(legante(row), FieldKind::List, {}, false, &catalogue::binderEntries());
        } else {
            define(dig(row), FieldKind::Display, {}, true);
            if (row != kEggRow)
                define(legante(row), FieldKind::Display, {}, true);
        }
    }
    define(Aggiunta1, FieldKind::Input, {}, true);
    define(Aggiunta2, FieldKind::Input, {}, true);
    define(ChkUova, FieldKind::Check, {}, true);
    define(NumeroUova, FieldKind::Input, sentinel::kZero, true);
    for (FieldId result : kResultsInClearOrder)
        define(result, FieldKind::Display, {}, true);
    define(NomeRicetta, FieldKind::Input, {}, true);
    define(Note, FieldKind::Input, {}, true);
    define(Label17, FieldKind::Caption, QCoreApplication::translate("Calculation", "Totale peso con uova"),
           true);
    define(Frame2, FieldKind::Caption,
           QCoreApplication::translate("Calculation", "Risultati con uova escluse"), true);

    // The window's load step: the egg row starts switched off.
    reactions::eggSwitch(*this, false);
}

void Worksheet::react(FieldId id)
{
    using namespace reactions;
    if (id >= Aggiunta1) {
        switch (id) {
        case ChkUova:
            return eggSwitch(*this);
        case Aggiunta1:
            return customNameRule(*this, 12);
        case Aggiunta2:
            return customNameRule(*this, 13);
        case NumeroUova:
            return quantityRule(*this, id);
        default:
            return highlightRule(*this, id); // results, recipe name, notes
        }
    }
    const auto column = RowColumn(id / kRows);
    const int row = id % kRows + 1;
    const bool customRow = isCustomRow(row);
    switch (column) {
    case Componente:
        return row == kEggRow ? eggSelection(*this) : catalogueSelection(*this, row);
    case Peso:
        return row == kEggRow ? eggWeightRule(*this) : quantityRule(*this, id);
    case Proteine:
    case Grassi:
    case Carbo:
        if (customRow)
            return percentageRule(*this, id);
        if (row == kEggRow)
            return eggValueRule(*this, id);
        return; // catalogue values have no reaction of their own
    case Dig:
        if (customRow)
            return indexRule(*this, id);
        if (row == kEggRow)
            return eggValueRule(*this, id);
        return;
    case Legante:
        if (customRow)
            return indexRule(*this, id);
        return;
    default:
        return;
    }
}

personal::Library Worksheet::keepingChoices(personal::Library library) const
{
    for (const QString &name : personalInUse())
        if (!library.find(name))
            library.ingredients << *m_library.find(name);
    return library;
}

void Worksheet::setLibrary(personal::Library library)
{
    m_library = keepingChoices(std::move(library));

    m_ingredientEntries = catalogue::ingredientEntries();
    for (const personal::Ingredient &ingredient : std::as_const(m_library.ingredients))
        m_ingredientEntries << ingredient.name;
    for (int row = 1; row <= kCatalogueRows; ++row) {
        emit entriesChanged(componente(row));
        const QString chosen = text(componente(row));
        if (m_library.find(chosen))
            select(componente(row), chosen);
    }
}

std::optional<std::array<QString, personal::kValueCount>>
Worksheet::ingredientValues(const QString &name) const
{
    if (const catalogue::Ingredient *entry = catalogue::findIngredient(name))
        return std::array<QString, personal::kValueCount>{
            QString::fromLatin1(entry->proteine), QString::fromLatin1(entry->grassi),
            QString::fromLatin1(entry->carbo), QString::fromLatin1(entry->dig),
            QString::fromLatin1(entry->legante)};
    if (const personal::Ingredient *ingredient = m_library.find(name))
        return ingredient->values;
    return std::nullopt;
}

QStringList Worksheet::personalInUse() const
{
    QStringList names;
    for (int row = 1; row <= kCatalogueRows; ++row)
        if (const QString &chosen = text(componente(row)); m_library.find(chosen) && !names.contains(chosen))
            names << chosen;
    return names;
}
