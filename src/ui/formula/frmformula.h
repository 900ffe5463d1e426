// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formula.h"
#include "messageboxsink.h"

#include <QDialog>

#include <optional>

class FormulaRows;
class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QScrollArea;
class Session;

// "Formula del mix": from the limits of a mix to whole grams for the worksheet's rows,
// the cheapest mix or the one closest to the current mix. The limits, the total, the
// goal and each row's bounds are the user's; "Calcola formula" shows the proposal and
// its results as the calculation gives them, and only "Applica" writes it into the
// worksheet, then runs "Calcola". Modeless and owned by the main window; it follows the
// worksheet while it is open.
class FrmFormula : public QDialog
{
    Q_OBJECT

public:
    explicit FrmFormula(Session &session, QWidget *parent = nullptr);

public slots:
    void CmdCalcolaFormula_Click();
    void CmdApplica_Click();

private:
    struct BandControls
    {
        QCheckBox *on;
        QLineEdit *min;
        QLineEdit *max;
    };
    struct IndexControls
    {
        QCheckBox *on;
        QLineEdit *min;
    };

    QWidget *buildLimits();
    QWidget *buildMix();
    QWidget *buildResults();
    QWidget *buildRows();
    QWidget *buildHint();
    QLayout *buildButtons();
    BandControls addBand(class QGridLayout *grid, int line, const QString &name, const QString &caption,
                         const formula::Band &band);
    IndexControls addIndex(QGridLayout *grid, int line, const QString &name, const QString &caption);

    void keyPressEvent(QKeyEvent *event) override;

    // The size that shows every row, within the screen.
    void fitToScreen();

    // Tab goes through the limits, the total and the goal, the rows, then the buttons.
    void setFocusOrder();
    void showCandidates(const formula::Input &input);

    // Every change that withdraws a proposal or moves the rows.
    void followChanges();
    // The worksheet changed: the rows follow it on the next turn of the event loop.
    void worksheetChanged();
    void limitsChanged();
    void followWorksheet();

    // The problem as the user set it, or nothing after a warning on the field to correct.
    std::optional<formula::Input> readInput();
    void showResult();
    void setNote(const QString &text, bool bold = false);
    void warn(const QString &text, QWidget *field);

    Session &m_session;
    MessageBoxSink m_sink{this};
    BandControls m_protein, m_fat, m_carbo;
    IndexControls m_digestibility, m_binder;
    QLineEdit *m_total = nullptr;
    bool m_totalTyped = false; // the total follows the worksheet until the user types one
    QComboBox *m_goal = nullptr;
    QScrollArea *m_scroll = nullptr;
    FormulaRows *m_rows = nullptr;
    // The proposal's figures, in the order the results frame shows them.
    enum ResultField
    {
        Protein,
        Fat,
        Carbo,
        Digestibility,
        Binder,
        Total,
        Cost,
        CostPerKg,
        ResultCount
    };
    QLabel *m_results[ResultCount] = {};
    QLabel *m_note = nullptr;
    QScrollArea *m_noteArea = nullptr;
    QPushButton *m_calculate = nullptr;
    QPushButton *m_apply = nullptr;
    QPushButton *m_close = nullptr;

    formula::Input m_shown;                  // the worksheet's problem the rows show
    std::optional<formula::Result> m_result; // the proposal shown, until the worksheet changes
    formula::Goal m_resultGoal = formula::Goal::LowestCost;
    bool m_followPending = false;
    bool m_applying = false;
};
