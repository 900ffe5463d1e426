// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmconfronto.h"

#include "balancelook.h"
#include "entrymessages.h"
#include "pageprinter.h"
#include "pagerenderer.h"
#include "printmessages.h"
#include "replacequestion.h"
#include "screenfit.h"
#include "sharechart.h"
#include "usertext.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

FrmConfronto::FrmConfronto(const QList<library::Entry> &entries, QWidget *parent)
    : QDialog(parent), m_entries(entries), m_table(comparison::build(entries)),
      m_bars(comparison::bars(entries)), m_printer(std::make_unique<PagePrinter>(this))
{
    setObjectName(QStringLiteral("FrmConfronto"));
    setWindowTitle(tr("Confronto di ricette"));
    m_grid = new QTableWidget(this);
    m_grid->setObjectName(QStringLiteral("GrdConfronto"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    fillGrid();
    auto *chart = new ShareChart(m_bars, m_table.titles, this);
    // The chart yields to the table: it scrolls in what is left once the table shows its
    // first eight lines, and the splitter gives it more when the user asks.
    auto *chartArea = new QScrollArea(this);
    chartArea->setObjectName(QStringLiteral("ScrQuote"));
    chartArea->setWidget(chart);
    chartArea->setWidgetResizable(true);
    chartArea->setFrameShape(QFrame::NoFrame);
    chartArea->setMinimumHeight(fontMetrics().height() * 3);
    m_grid->setMinimumHeight(tableHeightFor(8));
    m_split = new QSplitter(Qt::Vertical, this);
    m_split->addWidget(m_grid);
    m_split->addWidget(chartArea);
    m_split->setChildrenCollapsible(false);
    m_split->setStretchFactor(0, 1);
    m_split->setStretchFactor(1, 0);

    auto *buttons = new QHBoxLayout;
    auto *print = new QPushButton(tr("&Stampa"), this);
    print->setObjectName(QStringLiteral("CmdStampa"));
    auto *pdf = new QPushButton(tr("Salva &PDF…"), this);
    pdf->setObjectName(QStringLiteral("CmdPdf"));
    auto *close = new QPushButton(tr("C&hiudi"), this);
    close->setObjectName(QStringLiteral("CmdChiudi"));
    for (QPushButton *button : {print, pdf, close})
        button->setAutoDefault(false);
    connect(print, &QPushButton::clicked, this, &FrmConfronto::CmdStampa_Click);
    connect(pdf, &QPushButton::clicked, this, &FrmConfronto::CmdPdf_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(pdf);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_split, 1);
    layout->addLayout(buttons);
    screenfit::placeInRoom(this, QSize(260 + 240 * int(m_table.titles.size()), 760));
}

FrmConfronto::~FrmConfronto() = default;

int FrmConfronto::tableHeightFor(int lines) const
{
    // The heading, the lines, and a scroll bar when the columns run wider than the window.
    const int frame = m_grid->frameWidth() * 2;
    return m_grid->horizontalHeader()->sizeHint().height() +
           lines * m_grid->verticalHeader()->defaultSectionSize() +
           m_grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + frame;
}

void FrmConfronto::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    // The chart as much as it asks while the table keeps its eight lines; the table never
    // more than all its lines.
    const int total = m_split->height() - m_split->handleWidth();
    const auto *chartArea = static_cast<QScrollArea *>(m_split->widget(1));
    const int chart = chartArea->widget()->sizeHint().height() + 2 * chartArea->frameWidth();
    const int table =
        qBound(m_grid->minimumHeight(), qMin(tableHeightFor(m_grid->rowCount()), total - chart), total);
    m_split->setSizes({table, qMax(0, total - table)});
}

void FrmConfronto::fillGrid()
{
    const QPalette pal = palette();
    const QColor mark = balancelook::markColour(pal.color(QPalette::Base), pal.color(QPalette::Text));
    m_grid->setColumnCount(int(m_table.titles.size()));
    m_grid->setHorizontalHeaderLabels(m_table.titles);
    m_grid->setRowCount(int(m_table.lines.size()) + 1);
    QStringList labels{tr("File")};
    for (int k = 0; k < m_table.files.size(); ++k)
        m_grid->setItem(0, k, new QTableWidgetItem(m_table.files[k]));
    for (int row = 0; row < m_table.lines.size(); ++row) {
        const comparison::Line &line = m_table.lines[row];
        labels.append(line.label);
        QFont font = m_grid->font();
        font.setBold(line.heading);
        for (int k = 0; k < line.cells.size(); ++k) {
            const comparison::Cell &cell = line.cells[k];
            auto *item = new QTableWidgetItem(
                cell.change.isEmpty() ? cell.text : QStringLiteral("%1 (%2)").arg(cell.text, cell.change));
            if (cell.differs) {
                QFont bold = font;
                bold.setBold(true);
                item->setFont(bold);
                item->setForeground(mark);
                item->setToolTip(tr("Diverso dalla prima ricetta"));
            }
            m_grid->setItem(row + 1, k, item);
        }
    }
    m_grid->setVerticalHeaderLabels(labels);
    m_grid->resizeColumnsToContents();
    capNames();
}

void FrmConfronto::capNames()
{
    // No name takes the window: a recipe's column and the ingredients' labels stop at
    // about thirty letters, cut with "…", and show the whole name in their tooltips.
    const int widest = fontMetrics().horizontalAdvance(QLatin1Char('x')) * 30;
    const QFontMetrics heading(m_grid->horizontalHeader()->font());
    for (int k = 0; k < m_grid->columnCount(); ++k) {
        QTableWidgetItem *title = m_grid->horizontalHeaderItem(k);
        title->setToolTip(m_table.titles[k]);
        // The heading cut at its end, not clipped around its middle as a centred text.
        // (its margins inside the column's width)
        title->setText(heading.elidedText(m_table.titles[k], Qt::ElideRight, widest - heading.height()));
        m_grid->setColumnWidth(k, qMin(m_grid->columnWidth(k), widest));
    }
    const QFontMetrics side(m_grid->verticalHeader()->font());
    for (int row = 0; row < m_grid->rowCount(); ++row)
        if (QTableWidgetItem *label = m_grid->verticalHeaderItem(row)) {
            label->setToolTip(label->text());
            label->setText(side.elidedText(label->text(), Qt::ElideRight, widest - side.height()));
        }
    m_grid->verticalHeader()->setMaximumWidth(widest);
}

Page FrmConfronto::page() const
{
    return comparison::page(m_table, m_bars);
}

void FrmConfronto::setPagePrinter(std::unique_ptr<PagePrinter> printer)
{
    m_printer = std::move(printer);
}

void FrmConfronto::CmdStampa_Click()
{
    m_printer->print(page(), tr("il confronto"), m_sink);
}

QString FrmConfronto::choosePdfPath()
{
    QFileDialog dialog(this, tr("Salva il confronto come PDF"), QString(), tr("Documenti PDF (*.pdf)"));
    dialog.setObjectName(QStringLiteral("dlgPdf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(tr("Confronto.pdf"));
    return replacequestion::chooseSavePath(dialog, m_sink);
}

void FrmConfronto::CmdPdf_Click()
{
    const QString path = choosePdfPath();
    if (path.isEmpty())
        return;
    if (const QString why = pagerenderer::writePdf(page(), path); !why.isEmpty())
        m_sink.warn(messages::kTitle, usertext::aboutFile(printerjob::kCannotSavePdf, path, why));
}
