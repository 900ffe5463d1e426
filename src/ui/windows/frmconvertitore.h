// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "converter.h"
#include "fieldbinding.h"
#include "messageboxsink.h"

#include <QDialog>

#include <memory>

class ClsResize;
class PagePrinter;

// "Convertitire Percentuale - Grammi": converts a percentage recipe into grams for a
// total weight. Modeless, owned by the main window; each opening starts from the design
// state and closing discards everything. It keeps its design size wherever that fits the
// screen's work area, and is scaled down in proportion (by the resizer) where it does not.
class FrmConvertitore : public QDialog
{
    Q_OBJECT

public:
    explicit FrmConvertitore(QWidget *parent = nullptr);
    ~FrmConvertitore() override;

    Converter &converter() { return m_converter; }
    const FieldBinding *binding() const { return m_binding; }
    void setPagePrinter(std::unique_ptr<PagePrinter> printer);

public slots:
    void CmdCalcola_Click();
    void CmdStampa_Click();
    void CmdCancella_Click();
    void CmdEsci_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    // The design size, or the largest size of the same proportions the work area holds.
    void fitScreen();

    Converter m_converter;
    MessageBoxSink m_sink{this};
    FieldWidgets m_fieldWidgets;
    FieldBinding *m_binding = nullptr;
    std::unique_ptr<PagePrinter> m_printer;
    std::unique_ptr<ClsResize> m_resizer;
};
