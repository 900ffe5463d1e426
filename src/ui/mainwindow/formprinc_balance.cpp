// SPDX-License-Identifier: GPL-3.0-or-later
// The last calculation in the main window: the balance and cost lines of the status bar,
// the balance window and its menu item.
#include "balanceline.h"
#include "balancelook.h"
#include "balancetexts.h"
#include "elidedlabel.h"
#include "formprinc.h"
#include "frmbilancio.h"
#include "mixcost.h"

#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>

void FormPrinc::buildStatusBar()
{
    auto *line = new BalanceLine(tr("Fare clic per il bilancio del mix e i suggerimenti"), statusBar());
    line->setObjectName(QStringLiteral("LblBilancio"));
    // The text keeps the style's usual margin from the window's edge.
    line->setContentsMargins(style()->pixelMetric(QStyle::PM_LayoutLeftMargin), 0, 0, 0);
    statusBar()->addWidget(line, 1);
    connect(line, &ClickableLabel::clicked, this, &FormPrinc::mnuBilancio_Click);
    m_balanceLine = line;

    // The balance keeps its whole line; the cost gives way and ends in "…" when the window
    // is narrow, its whole text then in the tooltip.
    line->setMinimumWidth(0);
    line->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred);
    m_costLine = new ElidedLabel(statusBar());
    m_costLine->setObjectName(QStringLiteral("LblCosto"));
    m_costLine->setContentsMargins(0, 0, style()->pixelMetric(QStyle::PM_LayoutRightMargin), 0);
    statusBar()->addPermanentWidget(m_costLine);
    connect(&m_session, &Session::calculationChanged, this, &FormPrinc::showCalculation);
}

void FormPrinc::addBalanceMenuItem()
{
    QAction *action = m_viewMenu->addAction(tr("Bilancio del mix"));
    action->setObjectName(QStringLiteral("mnuBilancio"));
    connect(action, &QAction::triggered, this, &FormPrinc::mnuBilancio_Click);
}

void FormPrinc::showCalculation()
{
    const std::optional<Calculation> &last = m_session.lastCalculation();
    if (last) {
        const QPalette palette = statusBar()->palette();
        const QColor mark =
            balancelook::markColour(palette.color(QPalette::Window), palette.color(QPalette::WindowText));
        m_balanceLine->setText(balancelook::statusHtml(last->balance, mark));
        m_costLine->setText(costText(last->cost));
    } else {
        m_balanceLine->clear();
        m_costLine->clear();
    }
    if (m_balanceWindow)
        m_balanceWindow->showReport(last ? std::optional(last->balance) : std::nullopt);
}

void FormPrinc::mnuBilancio_Click()
{
    // One window at a time: a second request brings the open one to the front.
    if (!m_balanceWindow) {
        m_balanceWindow = new FrmBilancio(this);
        m_balanceWindow->setAttribute(Qt::WA_DeleteOnClose);
        lendTypeToDialogs();
        const std::optional<Calculation> &last = m_session.lastCalculation();
        m_balanceWindow->showReport(last ? std::optional(last->balance) : std::nullopt);
    }
    m_balanceWindow->show();
    m_balanceWindow->raise();
    m_balanceWindow->activateWindow();
}

FrmBilancio *FormPrinc::balanceWindow() const
{
    return m_balanceWindow;
}
