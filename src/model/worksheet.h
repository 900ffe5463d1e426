#pragma once

#include "fields.h"

#include "fieldstore.h"

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

protected:
    void react(FieldId id) override;
};
