// SPDX-License-Identifier: GPL-3.0-or-later
#include "formprinc.h"

#include "captionfit.h"
#include "clientarea.h"
#include "clsresize.h"
#include "controlhabits.h"
#include "design.h"
#include "dlgcommon.h"
#include "fieldbinding.h"
#include "frmabout.h"
#include "frmarchivio.h"
#include "frmbilancio.h"
#include "frmconvertitore.h"
#include "frmformula.h"
#include "frmingredienti.h"
#include "frmriferimenti.h"
#include "pageprinter.h"
#include "rescuecopy.h"
#include "version.h"
#include "windowicon.h"

#include <QCloseEvent>
#include <QCoreApplication>

FormPrinc::FormPrinc(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormPrinc"));
    setWindowIcon(vornakWindowIcon());
    setFont(design::dialogFont());

    auto *client = new ClientArea(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);
    buildWorksheetGrid(client);
    buildEggFrame(client);
    buildRecipeFields(client);
    buildResultsFrame(client);
    buildButtons(client);
    buildMenus();
    addBalanceMenuItem();
    addArchiveMenuItem();
    buildStatusBar();
    setFocusOrder();
    controlhabits::install(this);

    dlgCommon = std::make_unique<DlgCommon>(this, m_sink);
    m_printer = std::make_unique<PagePrinter>(this);
    m_binding = new FieldBinding(m_session.worksheet(), m_fieldWidgets, this);
    watchDocument();

    // The client area at its design size is the layout the resizer records; loading then
    // gives the window the work area in one step.
    const QSize design(qRound(kDesignWidth / ClsResize::kTwipsPerPixel),
                       qRound(kDesignHeight / ClsResize::kTwipsPerPixel));
    client->setMinimumSize(design / 2);
    client->resize(design);
    connect(client, &ClientArea::resized, this, &FormPrinc::Form_Resize);

    Form_Load();
}

FormPrinc::~FormPrinc()
{
    // The binding holds the worksheet, which goes before the widgets do.
    delete m_binding;
    // Unload: the resizer goes with the window.
    Resizer.reset();
}

ClsResize &FormPrinc::resizerInUse()
{
    // Made when the window loads, and on first use should it ever be missing.
    if (!Resizer) {
        Resizer = std::make_unique<ClsResize>();
        Resizer->SetSourceForm(this);
    }
    return *Resizer;
}

void FormPrinc::Form_Load()
{
    resizerInUse().SizeFormToScreen(100, true);
    // The worksheet starts with the egg row switched off and Label17 "Totale peso senza uova".
}

void FormPrinc::Form_Resize()
{
    resizerInUse().ResizeControls();
    captionfit::fit(centralWidget());
    lendTypeToDialogs();
}

void FormPrinc::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    m_fieldWidgets.value(field::componente(1))->setFocus(Qt::OtherFocusReason);
    // Once the window is up, in this order: the ingredients (a recipe may name personal
    // ones), then the recipe; a warning of the first is closed before the second speaks.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_ingredientsOnShow)
                loadIngredients(m_ingredientsOnShow->first, m_ingredientsOnShow->second);
            offerRescueCopy();
            // A worksheet just taken back is not dropped for the file named at start unasked.
            if (!m_fileOnShow.isEmpty())
                openRecipe(m_fileOnShow);
        },
        Qt::QueuedConnection);
}

void FormPrinc::loadIngredientsOnShow(const QString &path, bool named)
{
    m_ingredientsOnShow = std::pair(path, named);
}

void FormPrinc::openOnShow(const QString &path)
{
    m_fileOnShow = path;
}

void FormPrinc::CmdCalcola_Click()
{
    m_session.calculate();
}

void FormPrinc::loadIngredients(const QString &path, bool named)
{
    m_session.loadLibrary(path, named);
}

void FormPrinc::CmdCancella_Click()
{
    m_session.clear();
}

void FormPrinc::setFileChooser(std::unique_ptr<FileChooser> chooser)
{
    dlgCommon = std::move(chooser);
}

void FormPrinc::setPagePrinter(std::unique_ptr<PagePrinter> printer)
{
    m_printer = std::move(printer);
}

void FormPrinc::CmdSalva_Click()
{
    m_session.save(*dlgCommon);
}

void FormPrinc::CmdApri_Click()
{
    if (!mayDropWork())
        return;
    if (const QString path = dlgCommon->chooseOpenPath(); !path.isEmpty())
        m_session.open(path);
}

void FormPrinc::CmdStampa_Click()
{
    if (const std::optional<Page> page = m_session.recipePage())
        m_printer->print(*page, tr("la ricetta"), m_sink);
}

void FormPrinc::CmdConvertitore_Click()
{
    // One converter at a time: a second request brings the open one to the front.
    if (!m_converter) {
        m_converter = new FrmConvertitore(this);
        m_converter->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_converter->show();
    m_converter->raise();
    m_converter->activateWindow();
}

void FormPrinc::closeEvent(QCloseEvent *event)
{
    if (!mayDropWork()) {
        event->ignore();
        return;
    }
    // The converter closes with the main window.
    if (m_converter)
        m_converter->close();
    if (m_balanceWindow)
        m_balanceWindow->close();
    if (m_formulaWindow)
        m_formulaWindow->close();
    // The library is a window of its own: left open, it would keep the program running
    // with no worksheet.
    if (m_archiveWindow)
        m_archiveWindow->close();
    QMainWindow::closeEvent(event);
    // The worksheet is the program: once it is closed, nothing left open (a comparison, a
    // box another window raised, a window withdrawn by the desktop) keeps the process alive.
    if (isWindow() && !parentWidget())
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void FormPrinc::CmdRiferimenti_Click()
{
    FrmRiferimenti dialog(this);
    dialog.exec();
}

void FormPrinc::mnuInformazioni_Click()
{
    FrmAbout dialog(this);
    dialog.exec();
}

void FormPrinc::mnuIngredienti_Click()
{
    FrmIngredienti dialog(m_session, this);
    dialog.exec();
}

void FormPrinc::mnuFormula_Click()
{
    // One window at a time: a second request brings the open one to the front.
    if (!m_formulaWindow) {
        m_formulaWindow = new FrmFormula(m_session, this);
        m_formulaWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_formulaWindow->show();
    m_formulaWindow->raise();
    m_formulaWindow->activateWindow();
}

void FormPrinc::CmdEsci_Click()
{
    if (!mayDropWork())
        return;
    emit exitRequested();
}

FrmConvertitore *FormPrinc::converterWindow() const
{
    return m_converter;
}
