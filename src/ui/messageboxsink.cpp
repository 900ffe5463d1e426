// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxsink.h"

#include "usertext.h"
#include "wraptext.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

void MessageBoxSink::warn(const QString &title, const QString &text)
{
    // A long word (a path, a name without blanks) wraps like the rest rather than widening
    // the box past the screen.
    QMessageBox box(QMessageBox::NoIcon, title, wraptext::breakable(usertext::printable(text)),
                    QMessageBox::Ok, m_parent);
    box.setObjectName(QStringLiteral("AvvisoBox"));
    if (m_font)
        box.setFont(*m_font);
    // A short text makes a narrow box, whose title bar cut "AVVISO" to "A…": the box is at
    // least as wide as the title in bold type with room for an icon and three title-bar
    // buttons of a line's height each. The box sizes itself from its layout's minimum.
    QFont bold = box.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int titleRoom = metrics.horizontalAdvance(title) + 8 * metrics.height();
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(titleRoom, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
}
