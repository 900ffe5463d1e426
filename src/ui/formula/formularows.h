// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formula.h"
#include "formulaform.h"

#include <QMap>
#include <QWidget>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;

// The rows of the formula window: one line per worksheet row that names an ingredient,
// with its grams now, the user's minimum, maximum and "keep as is", and the proposed
// grams; then the eggs, kept at the worksheet's count or left to the formula.
class FormulaRows : public QWidget
{
    Q_OBJECT

public:
    explicit FormulaRows(QWidget *parent = nullptr);

    // The candidates of the worksheet as it is now. A row that still names the same
    // ingredient keeps the minimum, maximum and keep box the user gave it.
    void showCandidates(const formula::Input &input);

    // The user's bounds as typed, for the rows shown; whether the eggs are kept (nothing
    // without an egg row); the box of a row's minimum or maximum.
    QList<formulaform::RowText> boundTexts() const;
    std::optional<bool> keepEggs() const;
    QWidget *boundBox(int row, bool max) const;

    // The proposed grams and eggs, or nothing to empty the column.
    void showProposal(const formula::Result *result);

    // The boxes the user fills in, in row order, for the keyboard's focus.
    QList<QWidget *> inputs() const;

    // The height that shows every row without scrolling.
    int fullHeight() const;
    // The height that shows the header and the first `rows` rows.
    int heightOfRows(int rows) const;

signals:
    // The user changed a row's minimum, maximum or keep box.
    void boundsEdited();

protected:
    void changeEvent(QEvent *event) override;

private:
    struct Row
    {
        QString name;
        QLineEdit *min = nullptr;
        QLineEdit *max = nullptr;
        QCheckBox *keep = nullptr;
        QLabel *proposal = nullptr;
        QLabel *current = nullptr;
    };
    // What the user set on a row, kept while the row names the same ingredient.
    struct Settings
    {
        QString name;
        QString min;
        QString max;
        bool keep = false;
    };

    void clearRows();
    void addHeader();
    void addRow(int line, const formula::Candidate &candidate);
    void addEggRow(int line, const formula::Eggs &eggs);

    QWidget *m_page = nullptr; // holds the rows shown
    QGridLayout *m_grid = nullptr;
    QMap<int, Row> m_rows; // by worksheet row
    QMap<int, Settings> m_settings;
    QCheckBox *m_keepEggs = nullptr;
    QLabel *m_eggProposal = nullptr;
    QLabel *m_eggCurrent = nullptr;
    double m_eggCount = 0;
    QString m_eggKind;
    bool m_eggsFree = false;
    QLabel *m_empty = nullptr;
};
