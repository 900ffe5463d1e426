// SPDX-License-Identifier: GPL-3.0-or-later
#include "framebox.h"

#include "visibleframes.h"

#include <QPainter>
#include <QStyle>

void FrameBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int top = metrics.height() / 2;
    painter.setPen(VisibleFramesStyle::frameLine(palette(), palette().color(QPalette::Window).darker(125)));
    painter.drawRect(QRect(0, top, width() - 1, height() - top - 1));

    if (title().isEmpty())
        return;
    // The caption interrupts the line, a character's width in from the left edge.
    const int gap = metrics.horizontalAdvance(u' ');
    QRect caption(metrics.averageCharWidth(), 0, metrics.horizontalAdvance(title()) + 2 * gap,
                  metrics.height());
    caption = caption.intersected(rect().adjusted(1, 0, -1, 0));
    painter.fillRect(caption, palette().window());
    style()->drawItemText(&painter, caption, Qt::AlignCenter, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}
