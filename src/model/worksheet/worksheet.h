// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fields.h"

#include "fieldstore.h"
#include "ingredientlibrary.h"

#include <array>
#include <optional>

// The recipe being composed: every field of the main window's worksheet and the
// reactions of the catalogue rows, the custom rows, the egg row and the results.
class Worksheet : public FieldStore
{
    Q_OBJECT

public:
    explicit Worksheet(QObject *parent = nullptr);

    QString fieldName(FieldId id) const override { return field::name(id); }

    bool eggsChecked() const { return field(field::ChkUova).checked; }

    // Ticks or clears the egg box; the egg switch runs only when the state changes.
    void setChecked(bool checked) { setCheckState(field::ChkUova, checked); }

    // The user's own ingredients, offered after the catalogue in rows 1-11, and the prices.
    const personal::Library &library() const { return m_library; }

    // Every row keeps its choice: a personal ingredient chosen in a row stays offered
    // even when the new library lacks it, and the row takes its new values.
    void setLibrary(personal::Library library);

    // The five value texts of a catalogue entry or a personal ingredient, by exact name.
    std::optional<std::array<QString, personal::kValueCount>> ingredientValues(const QString &name) const;

    // The personal ingredients chosen in rows 1-11.
    QStringList personalInUse() const;

    // `library` with every personal ingredient in use added when it lacks one, so that
    // no row loses its choice.
    personal::Library keepingChoices(personal::Library library) const;

protected:
    void react(FieldId id) override;

private:
    personal::Library m_library;
    QStringList m_ingredientEntries;
};
