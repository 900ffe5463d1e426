// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <algorithm>

namespace {

// The boilie's look, read by the painter below and by the SVG writer, so the program's
// window and the desktop's menus show one and the same picture.
const QColor kIconColour(214, 120, 40);
const QPointF kSpecks[] = {{0.35, 0.6}, {0.62, 0.4}, {0.55, 0.7}, {0.7, 0.62}, {0.42, 0.38}};
struct GradientStop
{
    double at;
    QColor colour;
};

QPointF shadeCentre(QRectF box)
{
    return box.center() - QPointF(box.width() / 5, box.height() / 5);
}
double shadeRadius(QRectF box)
{
    return box.width() * 0.7;
}
QList<GradientStop> shadeStops(QColor colour)
{
    return {{0, colour.lighter(170)}, {0.6, colour}, {1, colour.darker(160)}};
}
QColor rimColour(QColor colour)
{
    return colour.darker(200);
}
constexpr double kRimShare = 1.0 / 24; // the rim's width, as a share of the boilie's width
double rimWidth(QRectF box)
{
    return box.width() * kRimShare;
}
QColor speckColour(QColor colour)
{
    return colour.darker(180);
}
double speckRadius(QRectF box)
{
    return box.width() / 22;
}
QPointF speckCentre(QRectF box, QPointF speck)
{
    return {box.left() + speck.x() * box.width(), box.top() + speck.y() * box.height()};
}
// The rim is stroked on the circle's outline, half of it outside: the circle is shrunk so
// that the rim, too, stays inside the picture with a margin, at every size. At least a
// pixel and a half, since antialiasing lets an edge tint the pixel beside it.
QRectF iconBox(int size)
{
    const double margin = std::max(1.5, size / 64.0);
    const double width = (size - 2 * margin) / (1 + kRimShare);
    const double inset = (size - width) / 2;
    return QRectF(inset, inset, width, width);
}

void drawBoilie(QPainter &painter, QRectF box, QColor colour)
{
    QRadialGradient shade(shadeCentre(box), shadeRadius(box));
    for (const GradientStop &stop : shadeStops(colour))
        shade.setColorAt(stop.at, stop.colour);
    painter.setPen(QPen(rimColour(colour), rimWidth(box)));
    painter.setBrush(shade);
    painter.drawEllipse(box);
    // Specks of seed and meal in the bait.
    painter.setPen(Qt::NoPen);
    painter.setBrush(speckColour(colour));
    for (QPointF speck : kSpecks)
        painter.drawEllipse(speckCentre(box, speck), speckRadius(box), speckRadius(box));
}

} // namespace

QImage vornakIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBoilie(painter, iconBox(size), kIconColour);
    return image;
}

QByteArray vornakIconSvg(int size)
{
    const QRectF box = iconBox(size);
    const auto number = [](double value) { return QString::number(value, 'g', 6); };
    const auto centre = [&](QPointF p) {
        return QStringLiteral("cx=\"%1\" cy=\"%2\"").arg(number(p.x()), number(p.y()));
    };
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << size << "\" height=\"" << size
        << "\" viewBox=\"0 0 " << size << ' ' << size << "\">\n"
        << "  <defs>\n"
        << "    <radialGradient id=\"shade\" gradientUnits=\"userSpaceOnUse\" " << centre(shadeCentre(box))
        << " r=\"" << number(shadeRadius(box)) << "\">\n";
    for (const GradientStop &stop : shadeStops(kIconColour))
        out << "      <stop offset=\"" << number(stop.at) << "\" stop-color=\"" << stop.colour.name()
            << "\"/>\n";
    out << "    </radialGradient>\n"
        << "  </defs>\n"
        << "  <ellipse " << centre(box.center()) << " rx=\"" << number(box.width() / 2) << "\" ry=\""
        << number(box.height() / 2) << "\" fill=\"url(#shade)\" stroke=\"" << rimColour(kIconColour).name()
        << "\" stroke-width=\"" << number(rimWidth(box)) << "\"/>\n";
    for (QPointF speck : kSpecks)
        out << "  <circle " << centre(speckCentre(box, speck)) << " r=\"" << number(speckRadius(box))
            << "\" fill=\"" << speckColour(kIconColour).name() << "\"/>\n";
    out << "</svg>\n";
    out.flush();
    return svg.toUtf8();
}

QIcon vornakWindowIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(vornakIconImage(size)));
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
