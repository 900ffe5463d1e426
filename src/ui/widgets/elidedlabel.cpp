// SPDX-License-Identifier: GPL-3.0-or-later
#include "elidedlabel.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStyle>

QSize ElidedLabel::sizeHint() const
{
    QSize hint = QLabel::sizeHint();
    if (m_preferredLetters > 0) {
        const QMargins margins = contentsMargins();
        hint.setWidth(qMin(hint.width(), m_preferredLetters * fontMetrics().averageCharWidth() +
                                             margins.left() + margins.right()));
    }
    return hint.expandedTo(minimumSizeHint());
}

QSize ElidedLabel::minimumSizeHint() const
{
    // Room for a few letters and the ellipsis; the rest gives way to its neighbours.
    const QMargins margins = contentsMargins();
    return {fontMetrics().horizontalAdvance(m_shortest) + margins.left() + margins.right(),
            QLabel::minimumSizeHint().height()};
}

void ElidedLabel::paintEvent(QPaintEvent *)
{
    const QRect room = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    // Every paint follows a new text or a new width: the tooltip is decided here.
    setToolTip(shown == text() ? QString() : text());
    QPainter painter(this);
    style()->drawItemText(&painter, room, int(alignment()), palette(), isEnabled(), shown, foregroundRole());
}
