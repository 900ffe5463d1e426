#include "formprinc.h"

#include "balance.h"
#include "calculation.h"
#include "clearing.h"
#include "clientarea.h"
#include "clsresize.h"
#include "controlhabits.h"
#include "design.h"
#include "dlgcommon.h"
#include "fieldbinding.h"
#include "frmabout.h"
#include "frmbilancio.h"
#include "frmconvertitore.h"
#include "frmingredienti.h"
#include "frmriferimenti.h"
#include "ingredientfile.h"
#include "mixcost.h"
#include "pageprinter.h"
#include "recipecommands.h"
#include "recipepage.h"
#include "windowicon.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>

FormPrinc::FormPrinc(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormPrinc"));
    setWindowTitle(QStringLiteral("Vornak Ver. 2.0.6 - a cura del team Vornak"));
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
    buildBalanceStatusBar();
    buildCostLabel();
    setFocusOrder();
    controlhabits::install(this);

    m_worksheet.setWarningSink(&m_sink);
    dlgCommon = std::make_unique<DlgCommon>(this);
    m_printer = std::make_unique<PagePrinter>(this);
    m_binding = new FieldBinding(m_worksheet, client, this);

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
    lendTypeToDialogs();
}

void FormPrinc::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    if (QWidget *first = findChild<QWidget *>(QStringLiteral("CmbComponente1")))
        first->setFocus(Qt::OtherFocusReason);
    if (!m_fileOnShow.isEmpty())
        QMetaObject::invokeMethod(
            this,
            [this] {
                dlgCommon->propose(m_fileOnShow);
                recipecommands::openFile(m_worksheet, m_fileOnShow);
            },
            Qt::QueuedConnection);
}

void FormPrinc::openOnShow(const QString &path)
{
    m_fileOnShow = path;
}

void FormPrinc::CmdCalcola_Click()
{
    // A refused calculation leaves the results, and so their balance, as they were.
    CalculatedRows rows;
    if (calculate(m_worksheet, &rows)) {
        setBalance(balance::check(rows));
        showCost();
    }
}

void FormPrinc::buildCostLabel()
{
    auto *label = new QLabel(this);
    label->setObjectName(QStringLiteral("LblCosto"));
    label->setContentsMargins(0, 0, style()->pixelMetric(QStyle::PM_LayoutRightMargin), 0);
    statusBar()->addPermanentWidget(label);
    // The cost belongs to the results of one calculation: any new total weight (opening,
    // clearing, the next calculation) takes it away until a calculation shows it again.
    connect(&m_worksheet, &FieldStore::fieldChanged, label, [label](FieldId id) {
        if (id == field::RisPeso)
            label->clear();
    });
}

void FormPrinc::showCost()
{
    if (auto *label = findChild<QLabel *>(QStringLiteral("LblCosto")))
        label->setText(costText(mixCost(m_worksheet)));
}

void FormPrinc::loadIngredients(const QString &path, bool named)
{
    m_ingredientsPath = path;
    const auto result = ingredientfile::read(path);
    m_worksheet.setLibrary(result.library);
    if (named && result.missing)
        m_worksheet.warn(ingredientfile::missingText(path));
    if (const QString warning = ingredientfile::warningText(path, result); !warning.isEmpty())
        m_worksheet.warn(warning);
}

void FormPrinc::CmdCancella_Click()
{
    clearWorksheet(m_worksheet);
    setBalance(std::nullopt);
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
    recipecommands::save(m_worksheet, *dlgCommon);
}

void FormPrinc::CmdApri_Click()
{
    // A file's stored results need not match its rows: no balance until the next Calcola.
    if (recipecommands::open(m_worksheet, *dlgCommon))
        setBalance(std::nullopt);
}

void FormPrinc::CmdStampa_Click()
{
    if (const QString refusal = recipepage::refusal(m_worksheet); !refusal.isEmpty()) {
        m_worksheet.warn(refusal);
        return;
    }
    m_printer->print(recipepage::build(m_worksheet), QStringLiteral("la ricetta"), m_sink);
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
    // The converter closes with the main window.
    if (m_converter)
        m_converter->close();
    if (m_balanceWindow)
        m_balanceWindow->close();
    QMainWindow::closeEvent(event);
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
    const QString path = m_ingredientsPath.isEmpty() ? ingredientfile::defaultPath() : m_ingredientsPath;
    FrmIngredienti dialog(m_worksheet, path, m_sink, this);
    // New values or prices make the last calculation's balance and cost stale: both are
    // emptied as soon as such a save happens and wait for the next Calcola.
    connect(&dialog, &FrmIngredienti::librarySaved, this, [this, before = m_worksheet.library()]() mutable {
        if (m_worksheet.library() == before)
            return;
        before = m_worksheet.library();
        setBalance(std::nullopt);
        if (auto *label = findChild<QLabel *>(QStringLiteral("LblCosto")))
            label->clear();
    });
    dialog.exec();
}

void FormPrinc::CmdEsci_Click()
{
    emit exitRequested();
    QCoreApplication::exit(0);
}

FrmConvertitore *FormPrinc::converterWindow() const
{
    return m_converter;
}
