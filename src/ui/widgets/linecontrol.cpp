// SPDX-License-Identifier: GPL-3.0-or-later
#include "linecontrol.h"

#include <QPainter>

LineControl::LineControl(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineControl::setPoints(QPointF start, QPointF end)
{
    m_start = start;
    m_end = end;
    const QRectF box = QRectF(start, end).normalized();
    setGeometry(QRect(box.topLeft().toPoint(), box.size().toSize()).adjusted(0, 0, 1, 1));
    update();
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    const QPointF origin = pos();
    painter.drawLine(m_start - origin, m_end - origin);
}
