// SPDX-License-Identifier: GPL-3.0-or-later
// The formula window's controls, laid out: the limits, the rows, the results, the buttons.
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

namespace {

// The rows scroll inside the window: it asks for the width of the rows and the height of
// at most about five, so the whole window fits a small screen; the window is then made
// taller where the screen has room for more (fitToScreen). It never gets less than six
// rows (fewer only on a screen lower than 800 x 600), which the message below gives way to.
class RowsArea : public QScrollArea
{
public:
    explicit RowsArea(FormulaRows *rows, QWidget *parent) : QScrollArea(parent), m_rows(rows)
    {
        setWidget(rows);
        setWidgetResizable(true);
        setFocusPolicy(Qt::NoFocus); // the boxes inside take the focus, not the area
        // Whichever way the focus comes to a box of the rows (Tab from a control outside
        // them, wrapping round, a click, a message naming the field), the box scrolls into
        // view, so that what is typed is seen: the whole box, where ensureWidgetVisible
        // would show only an input box's cursor.
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
            if (!now || !widget() || !widget()->isAncestorOf(now))
                return;
            const QRect box(now->mapTo(widget(), QPoint()), now->size());
            ensureVisible(box.center().x(), box.center().y(), box.width() / 2 + 4, box.height() / 2 + 4);
        });
    }

    QSize sizeHint() const override
    {
        const int frame = 2 * frameWidth();
        const QSize rows = m_rows->sizeHint();
        const int height = qMin(rows.height() + fontMetrics().height() / 2, 11 * fontMetrics().height());
        return {rows.width() + verticalScrollBar()->sizeHint().width() + frame,
                qMax(height, m_rows->heightOfRows(m_leastRows)) + frame};
    }

    QSize minimumSizeHint() const override
    {
        return {m_rows->minimumSizeHint().width() + verticalScrollBar()->sizeHint().width() +
                    2 * frameWidth(),
                qMin(m_rows->fullHeight(), m_rows->heightOfRows(m_leastRows)) + 2 * frameWidth()};
    }

    // Fewer rows at least, on a screen lower than 800 x 600 (1920 x 1080 at scale 2).
    bool showFewerRows()
    {
        if (m_leastRows <= 2)
            return false;
        --m_leastRows;
        updateGeometry();
        return true;
    }

private:
    int m_leastRows = 6;
    FormulaRows *m_rows;
};

// The message under the results: as tall as its lines, so the whole message shows where
// the window has room; otherwise at least two lines and a scroll bar.
class NoteArea : public QScrollArea
{
public:
    explicit NoteArea(QLabel *note, QWidget *parent) : QScrollArea(parent), m_note(note)
    {
        setWidget(note);
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setFocusPolicy(Qt::NoFocus);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    }

    QSize sizeHint() const override
    {
        const int width = viewport()->width() > 0 ? viewport()->width() : m_note->sizeHint().width();
        const int lines = m_note->text().isEmpty() ? 0 : m_note->heightForWidth(width);
        return {QScrollArea::sizeHint().width(), qMax(lines, minimumSizeHint().height())};
    }

    QSize minimumSizeHint() const override
    {
        return {QScrollArea::minimumSizeHint().width(), 2 * m_note->fontMetrics().lineSpacing() + 4};
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QScrollArea::resizeEvent(event);
        // The lines rewrap at a new width, and the area asks for their new height.
        if (event->size().width() != event->oldSize().width())
            updateGeometry();
    }

private:
    QLabel *m_note;
};

QLabel *caption(QWidget *parent, const QString &words, bool bold = false)
{
    auto *label = new QLabel(words, parent);
    label->setTextFormat(Qt::PlainText);
    if (bold)
        label->setFont(design::dialogFont(8.25, true));
    return label;
}

QLineEdit *numberBox(QWidget *parent, const QString &name, const QString &value)
{
    auto *edit = new QLineEdit(value, parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignCenter);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000000000")));
    return edit;
}

} // namespace

QWidget *FrmFormula::buildRows()
{
    m_rows = new FormulaRows;
    m_scroll = new RowsArea(m_rows, this);
    auto *box = new QGroupBox(tr("Componenti del foglio"), this);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(m_scroll);
    return box;
}

QWidget *FrmFormula::buildHint()
{
    // Beside the limits, where there is height to spare, so that the rows get it on a
    // small screen.
    QLabel *hint = caption(this, tr("Minimo e massimo in grammi interi (massimo vuoto: fino al peso "
                                    "totale). «Mantieni» lascia la riga com'è; tolto alle uova, la "
                                    "formula sceglie quante uova usare."));
    hint->setObjectName(QStringLiteral("LblSpiegazione"));
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return hint;
}

QLayout *FrmFormula::buildButtons()
{
    // Alt+C closes, as in the other windows with a "Chiudi".
    m_calculate = new QPushButton(tr("Calcola &formula"), this);
    m_calculate->setObjectName(QStringLiteral("CmdCalcolaFormula"));
    m_calculate->setToolTip(tr("Cerca i grammi interi che rispettano i limiti"));
    m_calculate->setDefault(true);
    connect(m_calculate, &QPushButton::clicked, this, &FrmFormula::CmdCalcolaFormula_Click);
    m_apply = new QPushButton(tr("&Applica"), this);
    m_apply->setObjectName(QStringLiteral("CmdApplica"));
    m_apply->setToolTip(tr("Scrive i grammi proposti nel foglio ed esegue Calcola"));
    m_apply->setEnabled(false);
    connect(m_apply, &QPushButton::clicked, this, &FrmFormula::CmdApplica_Click);
    m_close = new QPushButton(tr("&Chiudi"), this);
    m_close->setObjectName(QStringLiteral("CmdChiudi"));
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_calculate);
    buttons->addWidget(m_apply);
    buttons->addWidget(m_close);
    return buttons;
}

FrmFormula::BandControls FrmFormula::addBand(QGridLayout *grid, int line, const QString &name,
                                             const QString &label, const formula::Band &band)
{
    BandControls controls;
    controls.on = new QCheckBox(label, this);
    controls.on->setObjectName(QStringLiteral("Chk") + name);
    controls.on->setChecked(band.on);
    controls.on->setToolTip(tr("Senza il segno la formula non guarda questo valore"));
    controls.min = numberBox(this, QStringLiteral("Txt%1Min").arg(name), numbers::plainText(band.min));
    controls.max = numberBox(this, QStringLiteral("Txt%1Max").arg(name), numbers::plainText(band.max));
    grid->addWidget(controls.on, line, 0);
    grid->addWidget(caption(this, tr("da")), line, 1);
    grid->addWidget(controls.min, line, 2);
    grid->addWidget(caption(this, tr("a", "da … a: the upper end of a range")), line, 3);
    grid->addWidget(controls.max, line, 4);
    QLineEdit *min = controls.min, *max = controls.max;
    connect(controls.on, &QCheckBox::toggled, this, [min, max](bool on) {
        min->setEnabled(on);
        max->setEnabled(on);
    });
    return controls;
}

FrmFormula::IndexControls FrmFormula::addIndex(QGridLayout *grid, int line, const QString &name,
                                               const QString &label)
{
    IndexControls controls;
    controls.on = new QCheckBox(label, this);
    controls.on->setObjectName(QStringLiteral("Chk") + name);
    controls.on->setToolTip(tr("Con il segno l'indice del mix deve arrivare almeno al minimo"));
    controls.min = numberBox(this, QStringLiteral("Txt%1Min").arg(name), QString());
    controls.min->setEnabled(false);
    grid->addWidget(controls.on, line, 0);
    grid->addWidget(caption(this, tr("almeno")), line, 1);
    grid->addWidget(controls.min, line, 2);
    QLineEdit *min = controls.min;
    connect(controls.on, &QCheckBox::toggled, this, [min](bool on) {
        min->setEnabled(on);
        if (on)
            min->setFocus();
    });
    return controls;
}

QWidget *FrmFormula::buildLimits()
{
    auto *box = new QGroupBox(tr("Limiti del mix"), this);
    auto *grid = new QGridLayout(box);
    grid->setColumnStretch(5, 1);
    grid->setVerticalSpacing(2); // close lines leave the height to the rows on a small screen
    const formula::Bands bands = formula::defaultBands();
    m_protein = addBand(grid, 0, QStringLiteral("Proteine"), tr("Proteine %"), bands.protein);
    m_fat = addBand(grid, 1, QStringLiteral("Grassi"), tr("Grassi %"), bands.fat);
    m_carbo = addBand(grid, 2, QStringLiteral("Carboidrati"), tr("Carboidrati %"), bands.carbo);
    m_digestibility = addIndex(grid, 3, QStringLiteral("Digeribilita"), tr("Indice Digeribilità"));
    m_binder = addIndex(grid, 4, QStringLiteral("Legante"), tr("Indice Legante"));
    return box;
}

QWidget *FrmFormula::buildMix()
{
    auto *box = new QGroupBox(tr("Mix"), this);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(caption(box, tr("Peso totale in gr. (uova incluse)")));
    m_total = numberBox(box, QStringLiteral("TxtPesoTotale"), QString());
    m_total->setToolTip(tr("Grammi interi; all'apertura il peso attuale del foglio"));
    connect(m_total, &QLineEdit::textEdited, this, [this] { m_totalTyped = true; });
    layout->addWidget(m_total);
    layout->addSpacing(6);
    layout->addWidget(caption(box, tr("Obiettivo")));
    m_goal = new QComboBox(box);
    m_goal->setObjectName(QStringLiteral("CmbObiettivo"));
    m_goal->addItems({tr("Costo più basso"), tr("Più vicino al mix attuale")});
    m_goal->setToolTip(tr("Più vicino: i grammi spostati sono i meno possibili rispetto al mix "
                          "attuale portato al peso totale"));
    layout->addWidget(m_goal);
    layout->addStretch(1);
    return box;
}

QWidget *FrmFormula::buildResults()
{
    auto *box = new QGroupBox(tr("Risultati della formula"), this);
    auto *grid = new QGridLayout(box);
    const char *headers[ResultCount] = {QT_TRANSLATE_NOOP("FrmFormula", "Proteine %"),
                                        QT_TRANSLATE_NOOP("FrmFormula", "Grassi %"),
                                        QT_TRANSLATE_NOOP("FrmFormula", "Carboidrati %"),
                                        QT_TRANSLATE_NOOP("FrmFormula", "Indice Digeribilità"),
                                        QT_TRANSLATE_NOOP("FrmFormula", "Indice Legante"),
                                        QT_TRANSLATE_NOOP("FrmFormula", "Totale peso gr."),
                                        QT_TRANSLATE_NOOP("FrmFormula", "Costo"),
                                        QT_TRANSLATE_NOOP("FrmFormula", "Costo al kg")};
    const char *names[ResultCount] = {"TxtFormulaProteine",     "TxtFormulaGrassi",  "TxtFormulaCarboidrati",
                                      "TxtFormulaDigeribilita", "TxtFormulaLegante", "TxtFormulaPeso",
                                      "TxtFormulaCosto",        "TxtFormulaCostoKg"};
    for (int k = 0; k < ResultCount; ++k) {
        QLabel *header = caption(box, tr(headers[k]));
        header->setAlignment(Qt::AlignCenter);
        grid->addWidget(header, 0, k);
        auto *value = new QLabel(box);
        value->setObjectName(QLatin1String(names[k]));
        value->setAlignment(Qt::AlignCenter);
        value->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
        const QFontMetrics metrics = value->fontMetrics();
        value->setMinimumWidth(std::max(metrics.horizontalAdvance(QStringLiteral("000.000,00 €")),
                                        metrics.horizontalAdvance(tr("senza prezzo"))) +
                               2 * metrics.averageCharWidth());
        grid->addWidget(value, 1, k);
        m_results[k] = value;
    }
    m_note = caption(box, QString());
    m_note->setObjectName(QStringLiteral("TxtFormulaNote"));
    m_note->setWordWrap(true);
    m_note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_noteArea = new NoteArea(m_note, box);
    m_noteArea->setObjectName(QStringLiteral("AreaNote"));
    grid->addWidget(m_noteArea, 2, 0, 1, ResultCount);
    return box;
}

void FrmFormula::fitToScreen()
{
    layout()->activate();
    // As tall as the rows need, with a little to spare so that a proposal shown in bold
    // never needs a scroll bar; within the work area, its frame included.
    QSize size = sizeHint();
    const int rows = m_rows->fullHeight() + 2 * m_scroll->frameWidth() + fontMetrics().height() / 2;
    size.rheight() += qMax(0, rows - m_scroll->sizeHint().height());
    const QRect room = screenfit::clientRoom(this);
    if (room.isEmpty()) {
        resize(size.expandedTo(minimumSizeHint()));
        return;
    }
    while (minimumSizeHint().height() > room.height() && static_cast<RowsArea *>(m_scroll)->showFewerRows()) {
        m_scroll->parentWidget()->updateGeometry(); // the rows' frame asks anew at once
        layout()->invalidate();
        layout()->activate();
    }
    size = size.boundedTo(room.size()).expandedTo(minimumSizeHint());
    resize(size);
    // Beside the worksheet: at the work area's right edge, where the worksheet's grams
    // column is, rather than over the middle of it.
    const QMargins frame = screenfit::frameMargins(this);
    move(room.right() + 1 - size.width() - frame.left(), room.top() - frame.top());
}

void FrmFormula::showCandidates(const formula::Input &input)
{
    m_shown = input;
    m_rows->showCandidates(input);
    setFocusOrder();
}

void FrmFormula::setFocusOrder()
{
    QList<QWidget *> chain;
    for (const BandControls &band : {m_protein, m_fat, m_carbo})
        chain << band.on << band.min << band.max;
    for (const IndexControls &index : {m_digestibility, m_binder})
        chain << index.on << index.min;
    chain << m_total << m_goal << m_rows->inputs() << m_calculate << m_apply << m_close;
    for (qsizetype k = 1; k < chain.size(); ++k)
        setTabOrder(chain[k - 1], chain[k]);
}
