// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmingredienti.h"

#include "contrast.h"
#include "controlhabits.h"
#include "ingredienteditormodel.h"
#include "messages.h"
#include "screenfit.h"
#include "session.h"
#include "warnings.h"
#include "windowicon.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolTip>

namespace {

// Cells the user cannot change (the catalogue's and the eggs' values) read in grey, one
// still readable on the cell's background, as the balance line's marks are.
class ReadOnlyGreyDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.flags() & Qt::ItemIsEditable)
            return;
        const QColor text = option->palette.color(QPalette::Text);
        const QColor base = option->palette.color(QPalette::Base);
        if (text != m_text || base != m_base) { // the palette rarely changes: work it out once
            m_text = text;
            m_base = base;
            m_grey = contrast::mutedText(text, base);
        }
        option->palette.setColor(QPalette::Text, m_grey);
    }

    // A cell's editor has every input box's habits: it says when it cuts a paste, and an
    // access key (Alt+C of "Chiudi") never types its letter into the cell.
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *edit = qobject_cast<QLineEdit *>(editor))
            controlhabits::installOn(edit);
        return editor;
    }

    // A name cut short with "…" shows whole as the cell's tooltip.
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        if (event->type() != QEvent::ToolTip)
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        const QString text = index.data(Qt::DisplayRole).toString();
        if (!index.data(Qt::ToolTipRole).isValid() && !text.isEmpty() &&
            option.fontMetrics.horizontalAdvance(text) > view->visualRect(index).width() - 8) {
            QToolTip::showText(event->globalPos(), text, view);
            return true;
        }
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }

private:
    mutable QColor m_text, m_base, m_grey;
};

// Typing on a cell edits that cell. Qt's view would first search the rows for the typed
// text and move the selection, so the keys went on into another ingredient; and after a
// click on the selected cell it waits the double-click interval before opening the editor,
// and the keys typed meanwhile went to that search.
class CellTableView : public QTableView
{
public:
    using QTableView::QTableView;

    void keyboardSearch(const QString &) override {}

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override
    {
        if (trigger == SelectedClicked && (editTriggers() & SelectedClicked))
            return QTableView::edit(index, AllEditTriggers, event);
        return QTableView::edit(index, trigger, event);
    }

    // Tab in a cell being edited commits it and leaves the table, as Tab does from a cell
    // that is not being edited; the arrow keys move between the cells.
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override
    {
        const bool tab =
            hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
        QTableView::closeEditor(editor, tab ? QAbstractItemDelegate::NoHint : hint);
        if (tab)
            focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
    }
};

} // namespace

FrmIngredienti::FrmIngredienti(Session &session, QWidget *parent) : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("FrmIngredienti"));
    setWindowTitle(tr("Ingredienti e prezzi"));
    setWindowIcon(vornakWindowIcon());
    setModal(true);

    const auto read = m_session.readLibraryFile();
    m_fileHadProblems = !read.failure.isEmpty() || !read.problems.isEmpty();
    const Worksheet &worksheet = m_session.worksheet();
    m_table =
        new IngredientEditorModel(worksheet.keepingChoices(read.library), worksheet.personalInUse(), this);
    // After the cell's editor has closed, so the message never interrupts an edit.
    connect(
        m_table, &IngredientEditorModel::refused, this,
        [this](const QString &message) { m_session.sink().warn(messages::kTitle, message); },
        Qt::QueuedConnection);

    m_view = new CellTableView(this);
    m_view->setObjectName(QStringLiteral("TblIngredienti"));
    m_view->setModel(m_table);
    m_view->setItemDelegate(new ReadOnlyGreyDelegate(m_view));
    m_view->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    sizeColumns();
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 8);
    // Tab goes on to the buttons; the arrow keys move between the cells.
    m_view->setTabKeyNavigation(false);

    auto *buttons = new QHBoxLayout;
    auto addButton = [&](const char *name, const char *caption, const char *toolTip, auto command) {
        auto *button = new QPushButton(tr(caption), this);
        button->setObjectName(QLatin1String(name));
        button->setToolTip(tr(toolTip));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, command);
        buttons->addWidget(button);
    };
    addButton("CmdAggiungi", QT_TRANSLATE_NOOP("FrmIngredienti", "&Aggiungi"),
              QT_TRANSLATE_NOOP("FrmIngredienti", "Aggiunge un ingrediente personale"),
              &FrmIngredienti::CmdAggiungi_Click);
    addButton("CmdElimina", QT_TRANSLATE_NOOP("FrmIngredienti", "&Elimina"),
              QT_TRANSLATE_NOOP("FrmIngredienti", "Elimina l'ingrediente personale scelto"),
              &FrmIngredienti::CmdElimina_Click);
    buttons->addStretch();
    addButton("CmdSalva", QT_TRANSLATE_NOOP("FrmIngredienti", "&Salva"),
              QT_TRANSLATE_NOOP("FrmIngredienti", "Salva ingredienti e prezzi"),
              &FrmIngredienti::CmdSalva_Click);
    addButton("CmdChiudi", QT_TRANSLATE_NOOP("FrmIngredienti", "&Chiudi"),
              QT_TRANSLATE_NOOP("FrmIngredienti", "Chiude la finestra"), &FrmIngredienti::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    layout->addLayout(buttons);
    fitScreen();
}

void FrmIngredienti::sizeColumns()
{
    // Every column as wide as its contents and its header, the price included, so a narrow
    // window scrolls sideways rather than cutting anything short.
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Except the names: a long personal name would push the prices out of view, so the
    // column stops at about thirty letters and a longer name ends in "…".
    m_view->horizontalHeader()->setSectionResizeMode(IngredientEditorModel::TableNome,
                                                     QHeaderView::Interactive);
    m_view->setTextElideMode(Qt::ElideRight);
    connect(m_table, &QAbstractItemModel::modelReset, this, &FrmIngredienti::fitNameColumn);
    connect(m_table, &QAbstractItemModel::rowsInserted, this, &FrmIngredienti::fitNameColumn);
    connect(m_table, &QAbstractItemModel::dataChanged, this, &FrmIngredienti::fitNameColumn);
    // The room left to the names is known only once the table has its final width and
    // font and the other columns their contents' widths: the column is fitted again each
    // time the table's visible part changes size and as another column changes width.
    m_view->viewport()->installEventFilter(this);
    connect(m_view->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section) {
        if (section != IngredientEditorModel::TableNome)
            fitNameColumn();
    });
    fitNameColumn();
}

bool FrmIngredienti::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view->viewport() && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        fitNameColumn();
    return QDialog::eventFilter(watched, event);
}

void FrmIngredienti::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fitNameColumn();
}

void FrmIngredienti::fitNameColumn()
{
    // Up to thirty letters, fewer (down to twelve) where the other columns need the room.
    if (m_fittingNames)
        return;
    m_fittingNames = true;
    const auto *view = static_cast<const QAbstractItemView *>(m_view);
    const int letter = m_view->fontMetrics().averageCharWidth();
    QHeaderView *header = m_view->horizontalHeader();
    // The other columns as wide as their contents now, not as they were last laid out.
    header->resizeSections(QHeaderView::ResizeToContents);
    const int others = header->length() - header->sectionSize(IngredientEditorModel::TableNome);
    const int room = m_view->viewport()->width() - others;
    const int wanted = qMax(view->sizeHintForColumn(IngredientEditorModel::TableNome),
                            header->sectionSizeHint(IngredientEditorModel::TableNome));
    m_view->setColumnWidth(IngredientEditorModel::TableNome,
                           qMin(wanted, qMax(12 * letter, qMin(30 * letter, room))));
    m_fittingNames = false;
}

void FrmIngredienti::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    fitNameColumn();
}

void FrmIngredienti::fitScreen()
{
    // As large as the table wants, but the whole window, frame included, within the work
    // area.
    const QSize room = screenfit::clientRoom(this).size();
    resize(room.isEmpty() ? QSize(1000, 620) : QSize(1000, 620).boundedTo(room));
}

void FrmIngredienti::CmdAggiungi_Click()
{
    const QModelIndex name = m_table->index(m_table->addIngredient(), IngredientEditorModel::TableNome);
    m_view->scrollTo(name);
    m_view->setCurrentIndex(name);
    m_view->edit(name);
}

void FrmIngredienti::CmdElimina_Click()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid()) {
        m_session.sink().warn(messages::kTitle, tr("Scegliere prima l'ingrediente personale da eliminare"));
        return;
    }
    m_table->removeIngredient(current.row());
}

bool FrmIngredienti::CmdSalva_Click()
{
    if (const QString problem = m_table->incomplete(); !problem.isEmpty()) {
        m_session.sink().warn(messages::kTitle, problem);
        return false;
    }
    if (m_fileHadProblems &&
        m_session.sink().ask(messages::kTitle,
                             tr("Il file degli ingredienti ha righe non valide, che salvando "
                                "andranno perse. Salvare comunque?"),
                             false) != WarningSink::Answer::Yes)
        return false;
    if (!m_session.saveLibrary(m_table->library()))
        return false;
    m_fileHadProblems = false;
    m_table->setSaved();
    return true;
}

void FrmIngredienti::reject()
{
    if (m_table->isModified()) {
        const WarningSink::Answer answer = m_session.sink().ask(
            messages::kTitle, tr("Le modifiche a ingredienti e prezzi non sono state salvate. Salvarle?"),
            true);
        if (answer == WarningSink::Answer::Cancel ||
            (answer == WarningSink::Answer::Yes && !CmdSalva_Click()))
            return;
    }
    QDialog::reject();
}
