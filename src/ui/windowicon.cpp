#include "windowicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

void drawBoilie(QPainter &painter, QRectF box, QColor colour)
{
    QRadialGradient shade(box.center() - QPointF(box.width() / 5, box.height() / 5), box.width() * 0.7);
    shade.setColorAt(0, colour.lighter(170));
    shade.setColorAt(0.6, colour);
    shade.setColorAt(1, colour.darker(160));
    painter.setPen(QPen(colour.darker(200), box.width() / 24));
    painter.setBrush(shade);
    painter.drawEllipse(box);
    // Specks of seed and meal in the bait.
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour.darker(180));
    const QPointF specks[] = {{0.35, 0.6}, {0.62, 0.4}, {0.55, 0.7}, {0.7, 0.62}, {0.42, 0.38}};
    for (QPointF s : specks)
        painter.drawEllipse(QPointF(box.left() + s.x() * box.width(), box.top() + s.y() * box.height()),
                            box.width() / 22, box.width() / 22);
}

QPixmap iconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBoilie(painter, QRectF(1, 1, size - 2, size - 2), QColor(214, 120, 40));
    return pixmap;
}

} // namespace

QIcon vornakWindowIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(iconPixmap(size));
    return icon;
}

QPixmap aboutPicture()
{
    QPixmap pixmap(100, 100);
    pixmap.fill(QColor(225, 238, 246));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Water, and three boilies on the lake bed.
    painter.fillRect(QRectF(0, 62, 100, 38), QColor(164, 132, 92));
    painter.setPen(QPen(QColor(90, 140, 190), 2));
    for (int y : {18, 30, 42})
        painter.drawLine(QPointF(10, y), QPointF(90, y));
    drawBoilie(painter, QRectF(12, 52, 28, 28), QColor(214, 120, 40));
    drawBoilie(painter, QRectF(40, 46, 32, 32), QColor(200, 60, 50));
    drawBoilie(painter, QRectF(68, 56, 22, 22), QColor(230, 190, 60));
    return pixmap;
}

QPixmap aboutLogo()
{
    QPixmap pixmap(96, 52);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // A carp in profile.
    QPainterPath body;
    body.moveTo(8, 26);
    body.cubicTo(24, 4, 58, 4, 72, 26);
    body.cubicTo(58, 48, 24, 48, 8, 26);
    QPainterPath tail;
    tail.moveTo(70, 26);
    tail.lineTo(90, 10);
    tail.lineTo(86, 26);
    tail.lineTo(90, 42);
    tail.closeSubpath();
    painter.setPen(QPen(QColor(70, 50, 20), 2));
    painter.setBrush(QColor(190, 150, 60));
    painter.drawPath(tail);
    painter.drawPath(body);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(20, 22), 2.5, 2.5);
    return pixmap;
}
