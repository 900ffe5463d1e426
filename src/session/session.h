// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "balance.h"
#include "formula.h"
#include "ingredientfile.h"
#include "mixcost.h"
#include "page.h"
#include "worksheet.h"

#include <QObject>

#include <optional>

class FileChooser;
class WarningSink;

// What the last successful "Calcola" found: the rows as it read them, the balance of the
// mix and what it costs.
struct Calculation
{
    CalculatedRows rows;
    balance::Report balance;
    MixCost cost;
};

// Whether two problems read from the worksheet are the same worksheet: rows, ingredients,
// values, grams, prices, eggs and total; the user's settings (bounds, limits, goal) aside.
bool sameWorksheet(const formula::Input &a, const formula::Input &b);
// The same, prices aside: what a change of the price list alone leaves alike.
bool sameApartFromPrices(formula::Input a, formula::Input b);

// One user's work: the worksheet with the personal ingredients and prices, the commands
// both programs run on it, and the last calculation. Every command that makes the last
// calculation stale says so through calculationChanged(); the window's status lines and
// windows only follow it.
class Session : public QObject
{
    Q_OBJECT

public:
    explicit Session(WarningSink &sink, QObject *parent = nullptr);

    Worksheet &worksheet() { return m_worksheet; }
    const Worksheet &worksheet() const { return m_worksheet; }
    WarningSink &sink() { return m_sink; }

    // The last successful calculation, or nothing since a clearing, an opened file or new
    // ingredient values and prices.
    const std::optional<Calculation> &lastCalculation() const { return m_last; }

    // The personal ingredients and prices: the file is read, every line left out is
    // reported (each by name where the sink takes long lists), and a missing file is
    // pointed out when the user `named` it. The worksheet's
    // lists take what was read; the editor saves to this file.
    void loadLibrary(const QString &path, bool named = false);
    // The file loaded, or ingredienti.csv in the user's data folder before any.
    QString libraryPath() const;

    // The library file as it is now, with the same warnings; the worksheet keeps its own.
    ingredientfile::ReadResult readLibraryFile();

    // Writes the library to the file and gives it to the worksheet's lists; false, with a
    // warning, when the file cannot be written. New values or prices make the last
    // calculation stale, and say so even when none stands: a formula proposal follows too.
    bool saveLibrary(const personal::Library &library);

    // The recipe file the worksheet was last opened from or saved to; empty at start and
    // after a clearing.
    QString currentFile() const { return m_file; }
    // Whether the worksheet holds work that opening another recipe or leaving would lose:
    // it differs from what was last opened or saved, and it is not the empty worksheet.
    bool hasUnsavedChanges() const;

    // The commands of the main window's buttons.
    bool calculate();
    void clear();
    bool open(const QString &path);
    bool save(FileChooser &chooser);
    // Takes back a copy a crash left (see RescueCopy): its fields as written, as unsaved
    // work of no file. False, with the warning "Apri" gives, when it cannot be read.
    bool restore(const QString &copy);

    // The recipe sheet to print, or nothing after the refusal's warning.
    std::optional<Page> recipePage();

    // The formula for the worksheet as it shows now: a candidate for every row 1-13 that
    // names an ingredient (its values, its grams, its price as the cost prices it), the
    // eggs while they are ticked with a kind, the current total as the calculation adds
    // it (eggs included, to the nearest gram), the default bands and the lowest cost.
    formula::Input formulaInput() const;

    // Solves `input`, unless the worksheet holds what "Calcola" refuses whatever the grams
    // (no ingredient at all, an index left at "-", custom percentages over 100, eggs
    // without a kind or count): then no mix, with those reasons. The result records the
    // worksheet it answers.
    formula::Result solveFormula(const formula::Input &input) const;

    // Whether a proposal (or a no-mix answer) still answers the worksheet: the same rows and ingredients, the
    // same values, grams and prices, the same eggs and total. Any change, a new price
    // saved in "Ingredienti e prezzi" included, withdraws it.
    bool proposalStands(const formula::Result &result) const;

    // Writes a proposal into the worksheet as if typed (a row left without grams as
    // "0,0", so that it keeps its ingredient and "Calcola" accepts it; rows whose grams do
    // not change keep their text), then runs "Calcola". False, changing nothing, with a
    // warning, when the proposal no longer stands; false when the calculation refuses.
    bool applyFormula(const formula::Result &result);

signals:
    // The last calculation was replaced or went stale.
    void calculationChanged();
    // The current file changed, or whether the worksheet has unsaved changes: said once
    // the event loop runs again, however many fields a command changed.
    void documentChanged();
    // A recipe file was opened or saved (not a rescue copy taken back).
    void fileTaken(const QString &path);

private:
    void setLast(std::optional<Calculation> calculation);
    void markSaved(const QString &file);
    void queueDocumentCheck();

    WarningSink &m_sink;
    Worksheet m_worksheet;
    std::optional<Calculation> m_last;
    QString m_libraryPath;
    bool m_libraryNamed = false;
    // The worksheet as last opened or saved, and as it starts: what counts as no change.
    QStringList m_savedRecord;
    QStringList m_emptyRecord;
    QString m_file;
    // What documentChanged() last told, so it is said only when something changed.
    bool m_toldUnsaved = false;
    QString m_toldFile;
    bool m_checkQueued = false;
};
