// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxsink.h"

#include "usertext.h"
#include "wraptext.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace {

// A short text makes a narrow box, whose title bar cut "AVVISO" to "A…": the box is at
// least as wide as the title in bold type with room for an icon and three title-bar
// buttons of a line's height each. The box sizes itself from its layout's minimum.
void makeRoomForTheTitle(QMessageBox &box, const QString &title)
{
    QFont bold = box.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int titleRoom = metrics.horizontalAdvance(title) + 8 * metrics.height();
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(titleRoom, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

void MessageBoxSink::warn(const QString &title, const QString &text)
{
    // A long word (a path, a name without blanks) wraps like the rest rather than widening
    // the box past the screen.
    QMessageBox box(QMessageBox::NoIcon, title, wraptext::breakable(usertext::printable(text)),
                    QMessageBox::Ok, m_parent);
    box.setObjectName(QStringLiteral("AvvisoBox"));
    if (m_font)
        box.setFont(*m_font);
    makeRoomForTheTitle(box, title);
    box.exec();
}

WarningSink::Answer MessageBoxSink::ask(const QString &title, const QString &question, bool withCancel)
{
    return askWith({title, question, QCoreApplication::translate("MessageBoxSink", "&Sì"),
                    QCoreApplication::translate("MessageBoxSink", "&No"),
                    withCancel ? QCoreApplication::translate("MessageBoxSink", "&Annulla") : QString(),
                    Answer::Yes});
}

WarningSink::Answer MessageBoxSink::askWith(const Question &question)
{
    QMessageBox box(QMessageBox::NoIcon, question.title,
                    wraptext::breakable(usertext::printable(question.text)), QMessageBox::NoButton, m_parent);
    box.setObjectName(QStringLiteral("DomandaBox"));
    if (m_font)
        box.setFont(*m_font);
    QPushButton *yes = box.addButton(question.yes, QMessageBox::YesRole);
    QPushButton *no = box.addButton(question.no, QMessageBox::NoRole);
    QPushButton *cancel =
        question.cancel.isEmpty() ? nullptr : box.addButton(question.cancel, QMessageBox::RejectRole);
    box.setDefaultButton(question.byDefault == Answer::Yes  ? yes
                         : question.byDefault == Answer::No ? no
                                                            : cancel);
    // Escape is the safe answer: the question's cancel, or its "No".
    box.setEscapeButton(cancel ? cancel : no);
    makeRoomForTheTitle(box, question.title);
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    return box.clickedButton() == no ? Answer::No : Answer::Cancel;
}

QString MessageBoxSink::choose(const QString &title, const QString &label, const QStringList &choices,
                               const QString &accept)
{
    QInputDialog dialog(m_parent);
    dialog.setObjectName(QStringLiteral("dlgScelta"));
    if (m_font)
        dialog.setFont(*m_font);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setComboBoxItems(choices);
    dialog.setComboBoxEditable(false);
    dialog.setOkButtonText(accept);
    dialog.setCancelButtonText(QCoreApplication::translate("MessageBoxSink", "Annulla"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}
