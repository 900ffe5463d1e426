#include "worksheet.h"

#include "catalogue.h"
#include "messages.h"
#include "reactions.h"
#include "warnings.h"

using namespace field;

Worksheet::Worksheet(QObject *parent) : QObject(parent)
{
    const QString zero = QStringLiteral("0");
    for (int row = 1; row <= kRows; ++row) {
        const bool catalogueRow = row <= kCatalogueRows;
        const bool customRow = row == 12 || row == 13;
        if (catalogueRow)
            define(componente(row), FieldKind::List, {}, true, &catalogue::ingredientEntries());
        if (row == kEggRow) {
            define(componente(row), FieldKind::List, QStringLiteral("-"), true, &catalogue::eggEntries());
            define(peso(row), FieldKind::Display, {}, true);
        } else {
            define(peso(row), FieldKind::Input, zero, false);
        }
        for (Column column : {Proteine, Grassi, Carbo}) {
            if (customRow)
                define(at(column, row), FieldKind::Input, zero, false);
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
    define(NumeroUova, FieldKind::Input, zero, true);
    for (FieldId result : kResultsInClearOrder)
        define(result, FieldKind::Display, {}, true);
    define(NomeRicetta, FieldKind::Input, {}, true);
    define(Note, FieldKind::Input, {}, true);
    define(Label17, FieldKind::Caption, QStringLiteral("Totale peso con uova"), true);
    define(Frame2, FieldKind::Caption, QStringLiteral("Risultati con uova escluse"), true);

    // The window's load step: the egg row starts switched off.
    reactions::eggSwitch(*this, false);
}

void Worksheet::define(FieldId id, FieldKind kind, const QString &text, bool enabled,
                       const QStringList *entries)
{
    Field &f = m_fields[size_t(id)];
    f.kind = kind;
    f.text = text;
    f.enabled = enabled;
    f.entries = entries;
}

void Worksheet::warn(const QString &text)
{
    warn(messages::kTitle, text);
}

void Worksheet::warn(const QString &title, const QString &text)
{
    if (m_sink)
        m_sink->warn(title, text);
}

QStringList Worksheet::entries(FieldId id) const
{
    const Field &f = field(id);
    return f.entries ? *f.entries : QStringList();
}

void Worksheet::setText(FieldId id, const QString &text)
{
    Field &f = m_fields[size_t(id)];
    Q_ASSERT(f.kind == FieldKind::Input || f.kind == FieldKind::Display);
    if (f.text == text)
        return;
    f.text = text;
    emit fieldChanged(id);
    react(id);
}

bool Worksheet::select(FieldId id, const QString &entry)
{
    Field &f = m_fields[size_t(id)];
    if (f.kind != FieldKind::List || !f.entries || !f.entries->contains(entry))
        return false;
    if (f.text != entry) {
        f.text = entry;
        emit fieldChanged(id);
    }
    react(id);
    return true;
}

void Worksheet::setChecked(bool checked)
{
    Field &f = m_fields[size_t(ChkUova)];
    if (f.checked == checked)
        return;
    f.checked = checked;
    emit fieldChanged(ChkUova);
    reactions::eggSwitch(*this);
}

void Worksheet::setEnabled(FieldId id, bool enabled)
{
    Field &f = m_fields[size_t(id)];
    if (f.enabled == enabled)
        return;
    f.enabled = enabled;
    emit fieldChanged(id);
}

void Worksheet::setColour(FieldId id, Colour colour)
{
    Field &f = m_fields[size_t(id)];
    if (f.colour == colour)
        return;
    f.colour = colour;
    emit fieldChanged(id);
}

void Worksheet::setCaption(FieldId id, const QString &caption)
{
    Field &f = m_fields[size_t(id)];
    Q_ASSERT(f.kind == FieldKind::Caption);
    if (f.text == caption)
        return;
    f.text = caption;
    emit fieldChanged(id);
}

void Worksheet::react(FieldId id)
{
    using namespace reactions;
    if (id >= Aggiunta1) {
        switch (id) {
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
    const auto column = Column(id / kRows);
    const int row = id % kRows + 1;
    const bool customRow = row == 12 || row == 13;
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
