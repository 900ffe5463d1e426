// SPDX-License-Identifier: GPL-3.0-or-later
#include "formularows.h"

#include "catalogue.h"
#include "contrast.h"
#include "controlhabits.h"
#include "design.h"
#include "elidedlabel.h"
#include "formulaentry.h"
#include "numbers.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

enum Column
{
    RowNumber,
    Name,
    Current,
    Min,
    Max,
    Keep,
    Proposal,
    ColumnCount
};

QLabel *text(QWidget *parent, const QString &words,
             Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = new QLabel(words, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    return label;
}

// An ingredient's name: a long one ends in "…" with the whole name as tooltip, so the
// columns of grams stay in view.
QLabel *nameText(QWidget *parent, const QString &name)
{
    auto *label = new ElidedLabel(name, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setShortest(QStringLiteral("FARINA…"));
    label->setPreferredLetters(30);
    return label;
}

// A read-only value box like the worksheet's display fields.
QLabel *valueBox(QWidget *parent, const QString &name)
{
    QLabel *label = text(parent, QString(), Qt::AlignCenter);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(FormulaRows::tr("0000000 uova")));
    label->setMinimumHeight(QLineEdit().sizeHint().height()); // as tall as the rows' input boxes
    return label;
}

QLineEdit *gramsBox(QWidget *parent, const QString &name, const QString &value, const QString &tip)
{
    auto *edit = new QLineEdit(value, parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignCenter);
    edit->setToolTip(tip);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    return edit;
}

// The placeholder of an empty box reads on the box under any palette: the text colour
// muted towards the box's background only as far as it stays readable. A dark desktop
// theme may hand over the placeholder colour of a light one, dark on dark.
void readablePlaceholder(QLineEdit *edit, const QPalette &from)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::PlaceholderText,
                     contrast::mutedText(from.color(QPalette::Active, QPalette::Text),
                                         from.color(QPalette::Active, QPalette::Base)));
    edit->setPalette(palette);
}

QString eggsText(double count)
{
    return numbers::plainText(count) + (count == 1 ? FormulaRows::tr(" uovo") : FormulaRows::tr(" uova"));
}

} // namespace

FormulaRows::FormulaRows(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
}

void FormulaRows::clearRows()
{
    // The rows are made anew on a page of their own, which takes the program's habits of
    // the mouse and keyboard (a click into a box showing "0" selects it).
    delete m_page;
    m_page = new QWidget(this);
    m_grid = new QGridLayout(m_page);
    m_grid->setContentsMargins(4, 4, 4, 4);
    m_grid->setHorizontalSpacing(10);
    m_grid->setVerticalSpacing(3);
    m_grid->setColumnStretch(Name, 1);
    static_cast<QVBoxLayout *>(layout())->insertWidget(0, m_page);
    m_rows.clear();
    m_keepEggs = nullptr;
    m_eggProposal = m_eggCurrent = nullptr;
    m_empty = nullptr;
}

void FormulaRows::addHeader()
{
    const char *headers[ColumnCount] = {
        QT_TRANSLATE_NOOP("FormulaRows", "Riga"),        QT_TRANSLATE_NOOP("FormulaRows", "Componente"),
        QT_TRANSLATE_NOOP("FormulaRows", "Attuali gr."), QT_TRANSLATE_NOOP("FormulaRows", "Minimo gr."),
        QT_TRANSLATE_NOOP("FormulaRows", "Massimo gr."), QT_TRANSLATE_NOOP("FormulaRows", "Mantieni"),
        QT_TRANSLATE_NOOP("FormulaRows", "Proposta gr.")};
    for (int column = 0; column < ColumnCount; ++column) {
        QLabel *header = text(m_page, tr(headers[column]),
                              column == Name ? Qt::AlignLeft | Qt::AlignBottom : Qt::AlignCenter);
        header->setFont(design::dialogFont(8.25, true));
        m_grid->addWidget(header, 0, column);
    }
}

void FormulaRows::addRow(int line, const formula::Candidate &c)
{
    const QString suffix = QString::number(c.row);
    Row row;
    row.name = c.name;
    m_grid->addWidget(text(m_page, suffix, Qt::AlignCenter), line, RowNumber);
    QLabel *name = nameText(m_page, catalogue::displayName(c.name));
    name->setObjectName(QStringLiteral("LblNome") + suffix);
    m_grid->addWidget(name, line, Name);
    row.current = valueBox(m_page, QStringLiteral("TxtAttuale") + suffix);
    row.current->setText(numbers::plainText(c.currentGrams));
    m_grid->addWidget(row.current, line, Current);

    const Settings kept = m_settings.value(c.row);
    const bool same = kept.name == c.name;
    row.min = gramsBox(m_page, QStringLiteral("TxtMinimo") + suffix, same ? kept.min : QStringLiteral("0"),
                       tr("Grammi interi che la riga deve avere almeno"));
    row.max = gramsBox(m_page, QStringLiteral("TxtMassimo") + suffix, same ? kept.max : QString(),
                       tr("Grammi interi che la riga può avere al massimo; vuoto: fino al peso "
                          "totale"));
    row.max->setPlaceholderText(tr("totale"));
    readablePlaceholder(row.max, palette());
    m_grid->addWidget(row.min, line, Min, Qt::AlignHCenter);
    m_grid->addWidget(row.max, line, Max, Qt::AlignHCenter);

    row.keep = new QCheckBox(m_page);
    row.keep->setObjectName(QStringLiteral("ChkMantieni") + suffix);
    row.keep->setToolTip(tr("La riga tiene i grammi che ha ora nel foglio"));
    row.keep->setChecked(same && kept.keep);
    QLineEdit *min = row.min, *max = row.max;
    auto bounds = [min, max](bool keep) {
        min->setEnabled(!keep);
        max->setEnabled(!keep);
    };
    bounds(row.keep->isChecked());
    connect(row.keep, &QCheckBox::toggled, this, bounds);
    connect(row.keep, &QCheckBox::clicked, this, &FormulaRows::boundsEdited);
    connect(row.min, &QLineEdit::textEdited, this, &FormulaRows::boundsEdited);
    connect(row.max, &QLineEdit::textEdited, this, &FormulaRows::boundsEdited);
    m_grid->addWidget(row.keep, line, Keep, Qt::AlignHCenter);

    row.proposal = valueBox(m_page, QStringLiteral("TxtProposta") + suffix);
    m_grid->addWidget(row.proposal, line, Proposal);
    m_rows.insert(c.row, row);
}

void FormulaRows::addEggRow(int line, const formula::Eggs &eggs)
{
    m_grid->addWidget(text(m_page, tr("Uova"), Qt::AlignCenter), line, RowNumber);
    m_grid->addWidget(nameText(m_page, catalogue::displayName(eggs.kind)), line, Name);
    m_eggCurrent = valueBox(m_page, QStringLiteral("TxtAttualeUova"));
    m_eggCurrent->setText(eggsText(eggs.currentCount));
    m_eggCount = eggs.currentCount;
    m_grid->addWidget(m_eggCurrent, line, Current);
    m_keepEggs = new QCheckBox(m_page);
    m_keepEggs->setObjectName(QStringLiteral("ChkMantieniUova"));
    m_keepEggs->setToolTip(tr("Con il segno la formula tiene il numero di uova del foglio; senza, "
                              "sceglie lei quante uova intere usare (almeno una)"));
    m_keepEggs->setChecked(!(m_eggsFree && m_eggKind == eggs.kind));
    connect(m_keepEggs, &QCheckBox::toggled, this, [this](bool keep) { m_eggsFree = !keep; });
    connect(m_keepEggs, &QCheckBox::clicked, this, &FormulaRows::boundsEdited);
    m_eggKind = eggs.kind;
    m_grid->addWidget(m_keepEggs, line, Keep, Qt::AlignHCenter);
    m_eggProposal = valueBox(m_page, QStringLiteral("TxtPropostaUova"));
    m_grid->addWidget(m_eggProposal, line, Proposal);
}

void FormulaRows::showCandidates(const formula::Input &input)
{
    // What the user set on the rows shown so far, for the rows that stay.
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it)
        m_settings.insert(it.key(), {it->name, it->min->text(), it->max->text(), it->keep->isChecked()});
    clearRows();
    addHeader();
    int line = 1;
    for (const formula::Candidate &c : input.rows)
        addRow(line++, c);
    if (input.eggs)
        addEggRow(line++, *input.eggs);
    if (line == 1) {
        m_empty = text(m_page, tr("Nessun componente nel foglio: scegliere gli ingredienti nella "
                                  "finestra principale"));
        m_empty->setObjectName(QStringLiteral("TxtNessunComponente"));
        m_empty->setWordWrap(true);
        m_grid->addWidget(m_empty, line++, 0, 1, ColumnCount);
    }
    controlhabits::install(m_page);
}

QList<formulaform::RowText> FormulaRows::boundTexts() const
{
    QList<formulaform::RowText> texts;
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it)
        texts << formulaform::RowText{it.key(), it->min->text(), it->max->text(), it->keep->isChecked()};
    return texts;
}

std::optional<bool> FormulaRows::keepEggs() const
{
    return m_keepEggs ? std::optional(m_keepEggs->isChecked()) : std::nullopt;
}

QWidget *FormulaRows::boundBox(int row, bool max) const
{
    if (!m_rows.contains(row))
        return nullptr;
    return max ? m_rows[row].max : m_rows[row].min;
}

void FormulaRows::showProposal(const formula::Result *result)
{
    for (Row &row : m_rows) {
        row.proposal->clear();
        row.proposal->setFont(font());
    }
    if (m_eggProposal) {
        m_eggProposal->clear();
        m_eggProposal->setFont(font());
    }
    if (!result)
        return;
    QFont changed = font();
    changed.setBold(true);
    for (const formula::ProposedRow &proposed : result->rows) {
        if (!m_rows.contains(proposed.row))
            continue;
        QLabel *proposal = m_rows[proposed.row].proposal;
        proposal->setText(formulaentry::typedGrams(proposed.grams));
        // A row the formula changes stands out.
        if (double(proposed.grams) != proposed.currentGrams)
            proposal->setFont(changed);
    }
    if (m_eggProposal && result->eggCount) {
        m_eggProposal->setText(eggsText(double(*result->eggCount)));
        if (double(*result->eggCount) != m_eggCount)
            m_eggProposal->setFont(changed);
    }
}

void FormulaRows::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        for (const Row &row : std::as_const(m_rows))
            readablePlaceholder(row.max, palette());
}

QList<QWidget *> FormulaRows::inputs() const
{
    QList<QWidget *> chain;
    for (const Row &row : m_rows)
        chain << row.min << row.max << row.keep;
    if (m_keepEggs)
        chain << m_keepEggs;
    return chain;
}

int FormulaRows::fullHeight() const
{
    return m_grid->sizeHint().height();
}

int FormulaRows::heightOfRows(int rows) const
{
    // The header, then rows as tall as their input boxes, as the grid lays them out.
    const QMargins margins = m_grid->contentsMargins();
    const int header = QFontMetrics(design::dialogFont(8.25, true)).height();
    const int row = qMax(QLineEdit().sizeHint().height(), QCheckBox().sizeHint().height());
    return margins.top() + margins.bottom() + header + rows * (row + m_grid->verticalSpacing());
}
