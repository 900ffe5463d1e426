// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "comparison.h"
#include "messageboxsink.h"

#include <QDialog>

#include <memory>

class PagePrinter;
class QSplitter;
class QTableWidget;

// "Confronto": two to four recipes side by side, one column each, the differences from
// the first marked, and their shares against the balanced ranges. It prints and saves
// as PDF through the same renderer as the recipe sheet.
class FrmConfronto : public QDialog
{
    Q_OBJECT

public:
    FrmConfronto(const QList<library::Entry> &entries, QWidget *parent = nullptr);
    ~FrmConfronto() override;

    const comparison::Table &table() const { return m_table; }
    const QList<library::Entry> &entries() const { return m_entries; }
    Page page() const;
    QTableWidget *grid() const { return m_grid; }
    void setPagePrinter(std::unique_ptr<PagePrinter> printer);

public slots:
    void CmdStampa_Click();
    void CmdPdf_Click();

protected:
    // The PDF file to write; tests answer it themselves.
    virtual QString choosePdfPath();
    void showEvent(QShowEvent *event) override;

private:
    void fillGrid();
    void capNames();
    // The table's height with this many lines in view.
    int tableHeightFor(int lines) const;

    QList<library::Entry> m_entries;
    comparison::Table m_table;
    QList<comparison::Bar> m_bars;
    MessageBoxSink m_sink{this};
    QTableWidget *m_grid = nullptr;
    QSplitter *m_split = nullptr;
    bool m_placed = false; // the table and the chart shared out once, when first shown
    std::unique_ptr<PagePrinter> m_printer;
};
