// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmformula.h"

#include "controlhabits.h"
#include "design.h"
#include "formulaentry.h"
#include "formularows.h"
#include "messages.h"
#include "mixcost.h"
#include "numbers.h"
#include "screenfit.h"
#include "session.h"
#include "windowicon.h"
#include "wraptext.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

FrmFormula::FrmFormula(Session &session, QWidget *parent) : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("FrmFormula"));
    setWindowTitle(tr("Formula del mix"));
    setWindowIcon(vornakWindowIcon());
    setModal(false);
    // A window of its own, not one kept above the worksheet: the worksheet's buttons stay
    // within reach on a small screen, where the two must overlap.
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Window);
    setFont(design::dialogFont());

    auto *top = new QHBoxLayout;
    top->addWidget(buildLimits(), 3);
    top->addWidget(buildMix(), 2);
    top->addWidget(buildHint(), 2);
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addWidget(buildRows(), 1);
    layout->addWidget(buildResults());
    layout->addLayout(buildButtons());

    controlhabits::install(this);
    followChanges();
    showCandidates(session.formulaInput());
    m_total->setText(QString::number(m_shown.totalGrams));
    fitToScreen();
    // The total is what a formula most often starts from.
    m_total->setFocus(Qt::OtherFocusReason);
    m_total->selectAll();
}

void FrmFormula::followChanges()
{
    // A proposal answers the limits it was found for: any change of them withdraws it.
    for (QLineEdit *edit : {m_protein.min, m_protein.max, m_fat.min, m_fat.max, m_carbo.min, m_carbo.max,
                            m_digestibility.min, m_binder.min, m_total})
        connect(edit, &QLineEdit::textEdited, this, &FrmFormula::limitsChanged);
    for (QCheckBox *box : {m_protein.on, m_fat.on, m_carbo.on, m_digestibility.on, m_binder.on})
        connect(box, &QCheckBox::clicked, this, &FrmFormula::limitsChanged);
    connect(m_goal, &QComboBox::activated, this, &FrmFormula::limitsChanged);
    connect(m_rows, &FormulaRows::boundsEdited, this, &FrmFormula::limitsChanged);
    // The worksheet, the prices and the last calculation: the session says whether a
    // proposal still stands.
    connect(&m_session.worksheet(), &FieldStore::fieldChanged, this, &FrmFormula::worksheetChanged);
    // A new price list changes no field, only the lists' entries: it is followed too.
    connect(&m_session.worksheet(), &FieldStore::entriesChanged, this, &FrmFormula::worksheetChanged);
    connect(&m_session, &Session::calculationChanged, this, &FrmFormula::worksheetChanged);
}

void FrmFormula::keyPressEvent(QKeyEvent *event)
{
    // Only "Chiudi" and the close box end the window: Esc would throw the limits away.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FrmFormula::worksheetChanged()
{
    if (m_followPending || m_applying)
        return;
    // A command writes many fields; the rows follow once it is done.
    m_followPending = true;
    QTimer::singleShot(0, this, &FrmFormula::followWorksheet);
}

void FrmFormula::followWorksheet()
{
    m_followPending = false;
    const formula::Input now = m_session.formulaInput();
    if (!m_totalTyped)
        m_total->setText(QString::number(now.totalGrams));
    if (!sameWorksheet(now, m_shown))
        showCandidates(now);
    if (m_result && !m_session.proposalStands(*m_result)) {
        // Said as it happened: a new price list changes what the cheapest mix is, not the sheet.
        const bool prices = sameApartFromPrices(now, m_result->worksheet);
        m_result.reset();
        showResult();
        setNote(prices ? tr("I prezzi sono cambiati: premere «Calcola formula» per una nuova proposta.")
                       : tr("Il foglio è cambiato: premere «Calcola formula» per una nuova proposta."));
    }
}

void FrmFormula::limitsChanged()
{
    if (!m_result)
        return;
    m_result.reset();
    showResult();
    setNote(tr("I limiti sono cambiati: premere «Calcola formula» per una nuova proposta."));
}

void FrmFormula::warn(const QString &text, QWidget *field)
{
    m_sink.warn(messages::kTitle, text);
    field->setFocus();
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
}

std::optional<formula::Input> FrmFormula::readInput()
{
    auto band = [](const BandControls &c) {
        return formulaform::BandText{c.on->isChecked(), c.min->text(), c.max->text()};
    };
    auto index = [](const IndexControls &c) {
        return formulaform::IndexText{c.on->isChecked(), c.min->text()};
    };
    formulaform::Form form{band(m_protein),
                           band(m_fat),
                           band(m_carbo),
                           index(m_digestibility),
                           index(m_binder),
                           m_total->text(),
                           m_goal->currentIndex() == 1 ? formula::Goal::ClosestToCurrent
                                                       : formula::Goal::LowestCost,
                           m_rows->boundTexts(),
                           m_rows->keepEggs()};
    formula::Input input = m_session.formulaInput();
    const std::optional<formulaform::Problem> problem = formulaform::read(form, input);
    if (!problem)
        return input;
    using Kind = formulaform::Box::Kind;
    // In the order of formula::kLimits.
    QWidget *const limitBoxes[formula::kLimitCount] = {m_protein.min,       m_protein.max, m_fat.min,
                                                       m_fat.max,           m_carbo.min,   m_carbo.max,
                                                       m_digestibility.min, m_binder.min};
    const formulaform::Box &where = problem->box;
    QWidget *box = where.kind == Kind::RowMin || where.kind == Kind::RowMax
                       ? m_rows->boundBox(problem->row, where.kind == Kind::RowMax)
                   : where.kind == Kind::Total ? m_total
                                               : limitBoxes[int(where.limit)];
    warn(problem->text, box);
    return std::nullopt;
}

void FrmFormula::CmdCalcolaFormula_Click()
{
    followWorksheet(); // the rows as the worksheet has them now, the user's bounds kept
    const std::optional<formula::Input> input = readInput();
    if (!input)
        return;
    // The search ends within a few seconds at worst.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_result = m_session.solveFormula(*input);
    m_resultGoal = input->goal;
    QApplication::restoreOverrideCursor();
    showResult();
}

void FrmFormula::CmdApplica_Click()
{
    if (!m_result || m_result->status == formula::Status::NoMix)
        return;
    m_applying = true;
    const bool applied = m_session.applyFormula(*m_result);
    m_applying = false;
    // The rows show the grams the worksheet has now.
    showCandidates(m_session.formulaInput());
    if (!m_totalTyped)
        m_total->setText(QString::number(m_shown.totalGrams));
    if (!applied) {
        m_result.reset();
        showResult();
        setNote(tr("Applica non è riuscito (vedere l'avviso): premere «Calcola formula» per "
                   "una nuova proposta."));
        return;
    }
    // The proposal stays on show, as the worksheet now has it.
    m_result->worksheet = m_shown;
    showResult();
    m_apply->setEnabled(false);
    setNote(tr("La formula è nel foglio ed è stato eseguito Calcola."));
}

void FrmFormula::setNote(const QString &text, bool bold)
{
    // The note has a place of its own that scrolls: the window keeps its size and its
    // buttons stay where the mouse left them.
    m_note->setText(wraptext::breakable(text));
    m_note->setFont(design::dialogFont(8.25, bold));
    m_noteArea->updateGeometry();
}

void FrmFormula::showResult()
{
    const bool mix = m_result && m_result->status != formula::Status::NoMix;
    m_rows->showProposal(mix ? &*m_result : nullptr);
    m_apply->setEnabled(mix);
    for (QLabel *value : m_results)
        value->clear();
    if (!m_result) {
        setNote(QString());
        return;
    }
    if (!mix) {
        const bool onlyPrices =
            std::all_of(m_result->reasons.cbegin(), m_result->reasons.cend(),
                        [](const QString &reason) { return reason.startsWith(missingPriceText(QString())); });
        if (onlyPrices && !m_result->reasons.isEmpty())
            setNote(tr("Per il costo più basso serve il prezzo di ogni componente che può avere "
                       "grammi:\n") +
                        m_result->reasons.join(u'\n') +
                        tr("\nAggiungere i prezzi in Visualizza › Ingredienti e prezzi, dare 0 "
                           "come massimo a quelle righe, o scegliere «Più vicino al mix attuale»."),
                    true);
        else
            setNote(tr("Nessun mix possibile:\n") + m_result->reasons.join(u'\n'), true);
        return;
    }
    const MixResults &r = m_result->results;
    m_results[Protein]->setText(numbers::percent(r.proteinShare));
    m_results[Fat]->setText(numbers::percent(r.fatShare));
    m_results[Carbo]->setText(numbers::percent(r.carboShare));
    m_results[Digestibility]->setText(numbers::twoDecimals(r.digestibility));
    m_results[Binder]->setText(r.binder ? numbers::twoDecimals(*r.binder) : QString());
    m_results[Total]->setText(numbers::twoDecimals(r.totalWeight));
    const QString noPrice = tr("senza prezzo");
    m_results[Cost]->setText(m_result->cost ? numbers::twoDecimals(*m_result->cost) + QStringLiteral(" €")
                                            : noPrice);
    m_results[CostPerKg]->setText(
        m_result->costPerKg ? numbers::twoDecimals(*m_result->costPerKg) + QStringLiteral(" €") : noPrice);
    QStringList notes = m_result->reasons; // the note of a search cut short, if any
    if (m_resultGoal == formula::Goal::ClosestToCurrent)
        notes.prepend(tr("Grammi spostati rispetto al mix attuale portato al peso totale: %1")
                          .arg(numbers::twoDecimals(m_result->distance)));
    setNote(notes.join(u'\n'));
}
