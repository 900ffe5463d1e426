// SPDX-License-Identifier: GPL-3.0-or-later
#include "fieldbinding.h"

#include "catalogue.h"
#include "contrast.h"
#include "notesedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QTextDocument>

#include <vector>

namespace {

// Multi-line texts keep Windows line breaks in the worksheet, as recipe files carry them.
QString toWorksheetText(QString text)
{
    return text.replace(u'\n', QStringLiteral("\r\n"));
}

QString toWidgetText(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The text of a multi-line box with its line breaks as "\n". Unlike toPlainText() it
// keeps a no-break space as it is: recipe files store it as its own character.
QString plainText(const QPlainTextEdit *edit)
{
    QString text = edit->document()->toRawText();
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return text;
}

void setBackground(QWidget *widget, const QColor &colour, bool greyWhenDisabled)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    const bool label = qobject_cast<QLabel *>(widget);
    if (label)
        palette.setColor(QPalette::Window, colour);
    // A colour that says something (the filled cyan) comes with a text colour that reads on
    // it, whatever the desktop's palette writes text in (white, on a dark one).
    const QColor text = contrast::textOn(colour, QGuiApplication::palette().color(QPalette::Text));
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            palette.setColor(group, role, text);
    if (greyWhenDisabled)
        palette.setColor(QPalette::Disabled, QPalette::Base,
                         QGuiApplication::palette().color(QPalette::Disabled, QPalette::Base));
    if (palette == widget->palette())
        return;
    if (label)
        widget->setAutoFillBackground(true);
    widget->setPalette(palette);
}

// The entries of a list as the worksheet stores them (Italian catalogue names, as files
// carry them), shown by their names in the program's language.
class DisplayNameListModel : public QStringListModel
{
public:
    using QStringListModel::QStringListModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        const QVariant value = QStringListModel::data(index, role == Qt::DisplayRole ? Qt::EditRole : role);
        return role == Qt::DisplayRole ? QVariant(catalogue::displayName(value.toString())) : value;
    }
};

} // namespace

FieldBinding::FieldBinding(FieldStore &store, const FieldWidgets &widgets, QObject *parent,
                           DisabledLook disabledLook)
    : QObject(parent), m_store(store), m_disabledLook(disabledLook)
{
    for (auto it = widgets.cbegin(); it != widgets.cend(); ++it)
        bind(it.key(), it.value());
    Q_ASSERT_X(unbound().isEmpty(), "FieldBinding", "a field of the store has no widget");
    connect(&m_store, &FieldStore::fieldChanged, this, &FieldBinding::show);
    connect(&m_store, &FieldStore::entriesChanged, this, &FieldBinding::showEntries);
}

QList<FieldId> FieldBinding::unbound() const
{
    QList<FieldId> missing;
    for (FieldId id = 0; id < m_store.fieldCount(); ++id)
        if (!m_store.fieldName(id).isEmpty() && !m_widgets.value(id))
            missing << id;
    return missing;
}

QStringListModel *FieldBinding::listModel(FieldId id)
{
    const QStringList *entries = m_store.field(id).entries;
    QStringListModel *&model = m_listModels[entries];
    if (!model)
        model = new DisplayNameListModel(entries ? *entries : QStringList(), this);
    return model;
}

void FieldBinding::showEntries(FieldId id)
{
    if (!qobject_cast<QComboBox *>(m_widgets.value(id)))
        return;
    // The first list to hear of new entries updates the shared model; every list showing
    // it then shows its own choice again.
    QStringListModel *model = listModel(id);
    const QStringList entries = m_store.entries(id);
    if (model->stringList() == entries)
        return;
    QList<FieldId> sharing;
    for (auto it = m_widgets.cbegin(); it != m_widgets.cend(); ++it)
        if (qobject_cast<QComboBox *>(it.value()) &&
            m_store.field(it.key()).entries == m_store.field(id).entries)
            sharing << it.key();
    {
        std::vector<QSignalBlocker> blockers;
        blockers.reserve(size_t(sharing.size()));
        for (FieldId list : std::as_const(sharing))
            blockers.emplace_back(m_widgets.value(list));
        model->setStringList(entries);
    }
    for (FieldId list : std::as_const(sharing))
        show(list);
}

QColor FieldBinding::colourFor(Colour colour)
{
    switch (colour) {
    case Colour::Filled:
        return QColor(0x00, 0xFF, 0xFF);
    case Colour::ButtonFace:
        return QGuiApplication::palette().color(QPalette::Button);
    case Colour::Window:
        break;
    }
    return QGuiApplication::palette().color(QPalette::Base);
}

void FieldBinding::bind(FieldId id, QWidget *widget)
{
    m_widgets.insert(id, widget);
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        connect(edit, &QLineEdit::textEdited, this, [this, id](const QString &text) {
            m_editing = id;
            m_store.setText(id, text);
            m_editing = -1;
            show(id);
        });
        // Left, a name longer than its box shows its start again, as a name set by a
        // command does, not the end the typing stopped at.
        connect(edit, &QLineEdit::editingFinished, edit, [edit] {
            if (!edit->hasFocus())
                edit->setCursorPosition(0);
        });
    } else if (auto *edit = qobject_cast<QPlainTextEdit *>(widget)) {
        connect(edit, &QPlainTextEdit::textChanged, this, [this, id, edit] {
            const QString text = plainText(edit);
            if (auto *notes = qobject_cast<NotesEdit *>(edit))
                notes->fitLayout();
            m_editing = id;
            m_store.setText(id, toWorksheetText(text));
            m_editing = -1;
        });
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        const QSignalBlocker blocker(combo);
        combo->setModel(listModel(id));
        connect(combo, &QComboBox::activated, this, [this, id, combo](int index) {
            m_store.select(id, combo->itemData(index, Qt::EditRole).toString());
            show(id);
        });
    } else if (auto *check = qobject_cast<QCheckBox *>(widget)) {
        connect(check, &QCheckBox::clicked, this,
                [this, id](bool checked) { m_store.setCheckState(id, checked); });
    }
    show(id);
}

void FieldBinding::show(FieldId id)
{
    QWidget *widget = m_widgets.value(id);
    if (!widget)
        return;
    const Field &f = m_store.field(id);

    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        if (edit->text() != f.text) {
            const QSignalBlocker blocker(edit);
            edit->setText(f.text);
            // A rule that refused the user's keystroke put its "0" back: selected, as after
            // a click or Tab, so the next key replaces it.
            if (m_editing == id)
                edit->selectAll();
            else
                edit->setCursorPosition(0); // a long name set by a command shows its start
        }
    } else if (auto *edit = qobject_cast<QPlainTextEdit *>(widget)) {
        const QString shown = toWidgetText(f.text);
        if (m_editing != id && plainText(edit) != shown) {
            const QSignalBlocker blocker(edit);
            if (auto *notes = qobject_cast<NotesEdit *>(edit))
                notes->setNotes(shown);
            else
                edit->setPlainText(shown);
        }
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        const int index = f.text.isEmpty() ? -1
                                           : combo->findData(f.text, Qt::EditRole,
                                                             Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (combo->currentIndex() != index) {
            const QSignalBlocker blocker(combo);
            combo->setCurrentIndex(index);
        }
    } else if (auto *check = qobject_cast<QCheckBox *>(widget)) {
        if (check->isChecked() != f.checked) {
            const QSignalBlocker blocker(check);
            check->setChecked(f.checked);
        }
    } else if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (label->text() != f.text)
            label->setText(f.text);
    } else if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
        if (frame->title() != f.text)
            frame->setTitle(f.text);
    }

    if (f.kind != FieldKind::Caption) {
        if (widget->isEnabled() != f.enabled)
            widget->setEnabled(f.enabled);
        if (f.kind != FieldKind::Check)
            setBackground(widget, colourFor(f.colour),
                          m_disabledLook == DisabledLook::Greyed && f.colour == Colour::Window);
    }
}
