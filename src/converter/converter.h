// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fieldstore.h"
#include "page.h"

// The percentage-to-grams converter: a total weight, thirteen rows of name,
// percentage and grams, checked as they are typed and converted on request.
class Converter : public FieldStore
{
    Q_OBJECT

public:
    static constexpr int kRows = 13;
    static constexpr FieldId kTotal = 0;                                // TxtImpostaPeso
    static constexpr FieldId name(int row) { return row; }              // Txt1 .. Txt13
    static constexpr FieldId percent(int row) { return kRows + row; }   // TxtPercent1 .. 13
    static constexpr FieldId grams(int row) { return 2 * kRows + row; } // TxtRis1 .. 13

    explicit Converter(QObject *parent = nullptr);

    QString fieldName(FieldId id) const override;

    // "Calcola": refuses without a total or when the percentages do not add up to
    // 100, otherwise writes every row's grams. True when the grams were written.
    bool calculate();

    // "Cancella": back to the design state.
    void clear();

    // The message that refuses printing, or empty; and the page to print.
    QString printRefusal() const;
    Page page() const;

protected:
    void react(FieldId id) override;

private:
    void totalCheck();
    void percentageCheck(FieldId id);
    void setRowsEnabled(bool enabled);
};
