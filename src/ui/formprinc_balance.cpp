// The balance check in the main window: its line in the status bar, its menu item and
// its window.
#include "balancelook.h"
#include "balancetexts.h"
#include "clickablelabel.h"
#include "formprinc.h"
#include "frmbilancio.h"

#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>

void FormPrinc::buildBalanceStatusBar()
{
    auto *line = new ClickableLabel(statusBar());
    line->setObjectName(QStringLiteral("LblBilancio"));
    line->setTextFormat(Qt::RichText);
    line->setToolTip(QStringLiteral("Fare clic per il bilancio del mix e i suggerimenti"));
    // The text keeps the style's usual margin from the window's edge.
    line->setContentsMargins(style()->pixelMetric(QStyle::PM_LayoutLeftMargin), 0, 0, 0);
    statusBar()->addWidget(line, 1);
    connect(line, &ClickableLabel::clicked, this, &FormPrinc::mnuBilancio_Click);
    m_balanceLine = line;
}

void FormPrinc::addBalanceMenuItem()
{
    QMenu *view = menuBar()->findChild<QMenu *>(QStringLiteral("mnuvisualizza"));
    QAction *action = view->addAction(QStringLiteral("Bilancio del mix"));
    action->setObjectName(QStringLiteral("mnuBilancio"));
    connect(action, &QAction::triggered, this, &FormPrinc::mnuBilancio_Click);
}

void FormPrinc::setBalance(const std::optional<balance::Report> &report)
{
    m_balance = report;
    if (report) {
        const QPalette palette = statusBar()->palette();
        const QColor mark =
            balancelook::markColour(palette.color(QPalette::Window), palette.color(QPalette::WindowText));
        m_balanceLine->setText(balancelook::statusHtml(*report, mark));
    } else {
        m_balanceLine->clear();
    }
    if (m_balanceWindow)
        m_balanceWindow->showReport(m_balance);
}

void FormPrinc::mnuBilancio_Click()
{
    // One window at a time: a second request brings the open one to the front.
    if (!m_balanceWindow) {
        m_balanceWindow = new FrmBilancio(this);
        m_balanceWindow->setAttribute(Qt::WA_DeleteOnClose);
        lendTypeToDialogs();
        m_balanceWindow->showReport(m_balance);
    }
    m_balanceWindow->show();
    m_balanceWindow->raise();
    m_balanceWindow->activateWindow();
}

FrmBilancio *FormPrinc::balanceWindow() const
{
    return m_balanceWindow;
}
