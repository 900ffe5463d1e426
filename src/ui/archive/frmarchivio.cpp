// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmarchivio.h"

#include "archivefilterbar.h"
#include "archiveproxy.h"
#include "balancelook.h"
#include "comparison.h"
#include "controlhabits.h"
#include "elidedlabel.h"
#include "entrymessages.h"
#include "frmconfronto.h"
#include "remembered.h"
#include "screenfit.h"
#include "session.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

FrmArchivio::FrmArchivio(Session &session, const QString &folder, std::function<void(const QString &)> open,
                         QWidget *parent)
    : QDialog(parent), m_session(session), m_open(std::move(open))
{
    setObjectName(QStringLiteral("FrmArchivio"));
    setWindowTitle(tr("Archivio ricette"));
    // A window of its own, not one kept above the worksheet: a recipe opened from it
    // shows in front, the library behind.
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Window);
    m_proxy = new ArchiveProxy(m_model, this);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("LstRicette"));
    m_view->setModel(m_proxy);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(LibraryModel::FileColumn, Qt::AscendingOrder);
    // Tab leaves the list for the buttons, as in every other window; arrows move in it.
    m_view->setTabKeyNavigation(false);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // Widths from the lines in sight, not from ten thousand.
    m_view->horizontalHeader()->setResizeContentsPrecision(10);
    m_view->installEventFilter(this);
    const QPalette palette = m_view->palette();
    m_proxy->setColours(
        palette.color(QPalette::Disabled, QPalette::Text),
        balancelook::markColour(palette.color(QPalette::Base), palette.color(QPalette::Text)));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildTop());
    m_filterBar = new ArchiveFilterBar(this);
    connect(m_filterBar, &ArchiveFilterBar::changed, this, &FrmArchivio::applyFilter);
    layout->addWidget(m_filterBar);
    layout->addWidget(m_view, 1);
    layout->addWidget(buildBottom());

    connect(m_view, &QAbstractItemView::doubleClicked, this, &FrmArchivio::CmdApri_Click);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FrmArchivio::updateButtons);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FrmArchivio::updateButtons);
    followModel();
    controlhabits::install(this); // the filter's habits are every input box's
    screenfit::placeInRoom(this, QSize(1640, 640));
    m_model.setIngredients(session.worksheet().library());
    showFolder(folder);
    updateButtons();
}

void FrmArchivio::followModel()
{
    connect(&m_model, &LibraryModel::progress, this, [this](int done, int total) {
        m_folderProblem.clear(); // read after all: a folder that came back
        m_progress->setMaximum(qMax(total, 1));
        m_progress->setValue(done);
        m_progress->setVisible(done < total);
        updateCounts();
        fitColumnsOnce(true);
    });
    connect(&m_model, &LibraryModel::listed, this, [this] {
        m_progress->hide();
        updateCounts();
        fitColumnsOnce(true);
    });
    // Many files gone at once come as one reset, which would drop the selection: the
    // recipes still listed stay selected.
    connect(&m_model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        m_keptSelection.clear();
        for (const library::Entry &entry : selectedEntries())
            m_keptSelection.append(entry.path);
    });
    connect(&m_model, &QAbstractItemModel::modelReset, this, &FrmArchivio::restoreSelection);
    connect(&m_model, &LibraryModel::folderProblem, this, [this](const QString &problem) {
        m_folderProblem = tr("Impossibile leggere la cartella: %1").arg(problem);
        updateCounts();
    });
}

void FrmArchivio::restoreSelection()
{
    QItemSelection selection;
    for (const QString &path : std::as_const(m_keptSelection))
        if (const int row = m_model.rowOf(path); row >= 0)
            if (const QModelIndex at = m_proxy->mapFromSource(m_model.index(row, 0)); at.isValid())
                selection.select(at, at);
    m_keptSelection.clear();
    if (!selection.isEmpty())
        m_view->selectionModel()->select(selection,
                                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QWidget *FrmArchivio::buildTop()
{
    auto *top = new QWidget(this);
    auto *row = new QHBoxLayout(top);
    row->setContentsMargins(0, 0, 0, 0);
    m_folder = new QLabel(top);
    m_folder->setObjectName(QStringLiteral("LblCartella"));
    m_folder->setTextFormat(Qt::PlainText);
    auto *choose = new QPushButton(tr("&Cartella…"), top);
    choose->setObjectName(QStringLiteral("CmdCartella"));
    choose->setToolTip(tr("Scegli la cartella delle ricette"));
    choose->setAutoDefault(false);
    connect(choose, &QPushButton::clicked, this, &FrmArchivio::CmdCartella_Click);
    m_filter = new QLineEdit(top);
    m_filter->setObjectName(QStringLiteral("TxtFiltro"));
    m_filter->setPlaceholderText(tr("Filtra: nome, file, note o ingrediente"));
    m_filter->setClearButtonEnabled(true);
    connect(m_filter, &QLineEdit::textChanged, this, &FrmArchivio::applyFilter);
    auto *filterLabel = new QLabel(tr("&Filtra:"), top);
    filterLabel->setBuddy(m_filter);
    row->addWidget(m_folder, 1);
    row->addWidget(choose);
    row->addWidget(filterLabel);
    row->addWidget(m_filter, 1);
    row->addWidget(buildSortChoice(top));
    return top;
}

void FrmArchivio::applyFilter()
{
    library::Filter filter = m_filterBar->filter();
    filter.text = m_filter->text();
    m_proxy->setFilter(filter);
    updateCounts();
    fitColumnsOnce(); // a folder read while the filter showed nothing
}

QWidget *FrmArchivio::buildSortChoice(QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto *sort = new QComboBox(box);
    sort->setObjectName(QStringLiteral("CmbOrdina"));
    for (int column = 0; column < LibraryModel::ColumnCount; ++column)
        sort->addItem(LibraryModel::heading(column));
    sort->setToolTip(tr("Ordina l'elenco per questa colonna; sceglierla di nuovo inverte l'ordine"));
    auto *label = new QLabel(tr("O&rdina:"), box);
    label->setBuddy(sort);
    row->addWidget(label);
    row->addWidget(sort);
    QHeaderView *header = m_view->horizontalHeader();
    sort->setCurrentIndex(header->sortIndicatorSection());
    // Chosen again, the same column sorts the other way, as a second click on its heading.
    connect(sort, &QComboBox::activated, this, [this, header](int column) {
        const bool again = header->sortIndicatorSection() == column;
        const Qt::SortOrder order = again && header->sortIndicatorOrder() == Qt::AscendingOrder
                                        ? Qt::DescendingOrder
                                        : Qt::AscendingOrder;
        m_view->sortByColumn(column, order);
    });
    connect(header, &QHeaderView::sortIndicatorChanged, sort,
            [sort](int column) { sort->setCurrentIndex(column); });
    return box;
}

QWidget *FrmArchivio::buildBottom()
{
    auto *bottom = new QWidget(this);
    auto *row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 0, 0, 0);
    m_progress = new QProgressBar(bottom);
    m_progress->setObjectName(QStringLiteral("BarLettura"));
    m_progress->setFormat(tr("%v di %m file letti"));
    // Wide enough for its words at any count a folder holds, in the bar's own font.
    m_progress->setMinimumWidth(m_progress->fontMetrics().horizontalAdvance(
                                    m_progress->format()
                                        .replace(QStringLiteral("%v"), QStringLiteral("888.888"))
                                        .replace(QStringLiteral("%m"), QStringLiteral("888.888"))) +
                                m_progress->fontMetrics().height() * 2);
    m_progress->hide();
    auto *counts = new ElidedLabel(bottom);
    counts->setShortest(QStringLiteral("…"));
    counts->setTextFormat(Qt::PlainText); // a folder's name in a problem is the user's text
    m_counts = counts;
    m_counts->setObjectName(QStringLiteral("LblConteggio"));
    m_openButton = new QPushButton(tr("&Apri"), bottom);
    m_openButton->setObjectName(QStringLiteral("CmdApri"));
    m_openButton->setToolTip(tr("Apre la ricetta nel foglio di lavoro, come \"Apri\""));
    m_compareButton = new QPushButton(tr("C&onfronta"), bottom);
    m_compareButton->setObjectName(QStringLiteral("CmdConfronta"));
    auto *close = new QPushButton(tr("C&hiudi"), bottom);
    close->setObjectName(QStringLiteral("CmdChiudi"));
    for (QPushButton *button : {m_openButton, m_compareButton, close})
        button->setAutoDefault(false);
    connect(m_openButton, &QPushButton::clicked, this, &FrmArchivio::CmdApri_Click);
    connect(m_compareButton, &QPushButton::clicked, this, &FrmArchivio::CmdConfronta_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    row->addWidget(m_progress);
    row->addWidget(m_counts, 1);
    row->addWidget(m_openButton);
    row->addWidget(m_compareButton);
    row->addWidget(close);
    return bottom;
}

void FrmArchivio::showFolder(const QString &folder)
{
    m_folder->setText(QDir::toNativeSeparators(folder));
    m_progress->setValue(0);
    m_progress->show();
    m_fitted = false;
    m_folderProblem.clear();
    m_model.setFolder(folder);
    updateCounts(); // not the last folder's figures while this one is read
}

void FrmArchivio::fitColumnsOnce(bool listedAll)
{
    // Widths once, from the first recipes in sight (a filter may hide all of them, and a
    // folder that cannot be read, listed first, has no figures to measure); the user's own
    // widths stay afterwards. A folder of no recipe at all is measured once it is read.
    if (m_fitted || m_proxy->rowCount() == 0)
        return;
    bool recipeInSight = listedAll;
    for (int row = 0; row < m_proxy->rowCount() && !recipeInSight; ++row)
        recipeInSight = m_model.entry(m_proxy->mapToSource(m_proxy->index(row, 0)).row()).isRecipe();
    if (!recipeInSight)
        return;
    m_fitted = true;
    fitColumns();
}

void FrmArchivio::fitColumns()
{
    m_view->resizeColumnsToContents();
    // A refusal or a long name would push the figures out of sight: its tooltip has it whole.
    const int widest = fontMetrics().horizontalAdvance(QLatin1Char('x')) * 28;
    for (int column : {LibraryModel::FileColumn, LibraryModel::NameColumn, LibraryModel::BalanceColumn,
                       LibraryModel::CostColumn, LibraryModel::SameMixColumn})
        m_view->setColumnWidth(column, qMin(m_view->columnWidth(column), widest));
}

void FrmArchivio::followIngredients()
{
    m_model.setIngredients(m_session.worksheet().library());
}

void FrmArchivio::updateCounts()
{
    // A folder that cannot be read lists nothing: "0 ricette" would hide why.
    if (!m_folderProblem.isEmpty()) {
        m_counts->setText(m_folderProblem);
        return;
    }
    int recipes = 0;
    for (const library::Entry &entry : m_model.entries())
        recipes += entry.isRecipe() ? 1 : 0;
    const int others = int(m_model.entries().size()) - recipes;
    QString text = tr("%n ricette", nullptr, recipes);
    if (others)
        text += tr(", %n file non validi", nullptr, others);
    if (m_proxy->rowCount() != m_model.rowCount())
        text += tr(" (%n mostrati)", nullptr, m_proxy->rowCount());
    m_counts->setText(text);
}

void FrmArchivio::updateButtons()
{
    const QList<library::Entry> selected = selectedEntries();
    // Enter opens the current line even when nothing is selected: so does the button.
    m_openButton->setEnabled(selected.size() <= 1 && m_view->currentIndex().isValid());
    // Greyed, the button says why in its tooltip.
    const QString refusal = comparison::refusal(selected);
    m_compareButton->setEnabled(refusal.isEmpty());
    const QString hint = tr("Mette a confronto da 2 a 4 ricette selezionate");
    m_compareButton->setToolTip(refusal.isEmpty() ? hint : hint + u'\n' + refusal);
}

QList<library::Entry> FrmArchivio::selectedEntries() const
{
    QModelIndexList rows = m_view->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    QList<library::Entry> entries;
    for (const QModelIndex &row : rows)
        entries.append(m_model.entry(m_proxy->mapToSource(row).row()));
    return entries;
}

QString FrmArchivio::chooseFolder()
{
    return QFileDialog::getExistingDirectory(this, tr("Cartella delle ricette"), m_model.folder());
}

void FrmArchivio::CmdCartella_Click()
{
    if (const QString folder = chooseFolder(); !folder.isEmpty()) {
        remembered::setArchiveFolder(folder);
        showFolder(folder);
    }
}

void FrmArchivio::CmdApri_Click()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    // A file that is no recipe opens as "Apri" would open it: with its refusal.
    m_open(m_model.entry(m_proxy->mapToSource(current).row()).path);
}

void FrmArchivio::CmdConfronta_Click()
{
    const QList<library::Entry> entries = selectedEntries();
    if (const QString refusal = comparison::refusal(entries); !refusal.isEmpty()) {
        m_sink.warn(messages::kTitle, refusal);
        return;
    }
    auto *window = new FrmConfronto(entries, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

bool FrmArchivio::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            CmdApri_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
