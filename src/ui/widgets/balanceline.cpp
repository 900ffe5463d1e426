// SPDX-License-Identifier: GPL-3.0-or-later
#include "balanceline.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

BalanceLine::BalanceLine(const QString &hint, QWidget *parent) : ClickableLabel(parent), m_hint(hint)
{
    setTextFormat(Qt::RichText);
    setToolTip(m_hint);
}

void BalanceLine::paintEvent(QPaintEvent *event)
{
    QTextDocument document;
    document.setDefaultFont(font());
    document.setDocumentMargin(0);
    document.setHtml(text());
    const QRect room = contentsRect();
    const bool shortened = document.idealWidth() > room.width();
    if (shortened != m_shortened) {
        m_shortened = shortened;
        setToolTip(shortened ? document.toPlainText() + u'\n' + m_hint : m_hint);
    }
    if (!shortened) {
        ClickableLabel::paintEvent(event);
        return;
    }
    // The last whole letter that leaves room for the ellipsis.
    const QString ellipsis(QChar(0x2026));
    const int ellipsisWidth = fontMetrics().horizontalAdvance(ellipsis);
    document.setTextWidth(-1);
    const QTextLine line = document.firstBlock().layout()->lineAt(0);
    int position = line.xToCursor(room.width() - ellipsisWidth, QTextLine::CursorBetweenCharacters);
    qreal cut = line.cursorToX(position);
    while (position > 0 && cut > room.width() - ellipsisWidth)
        cut = line.cursorToX(--position);

    QPainter painter(this);
    const qreal top = room.y() + (room.height() - document.size().height()) / 2;
    painter.save();
    painter.setClipRect(QRectF(room.x(), room.y(), cut, room.height()));
    painter.translate(room.x(), top);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    context.palette.setColor(QPalette::Text, palette().color(foregroundRole()));
    document.documentLayout()->draw(&painter, context);
    painter.restore();
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(QRectF(room.x() + cut, room.y(), ellipsisWidth + 1, room.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, ellipsis);
}
