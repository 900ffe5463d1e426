#include "piechart.h"

#include <QPainter>

namespace {

struct Slice
{
    const char *label;
    double low, high;
    QColor colour;
};

const Slice kSlices[] = {
    {"Proteine 17-40%", 17, 40, QColor(200, 60, 50)},
    {"Carboidrati 25-60%", 25, 60, QColor(230, 190, 60)},
    {"Grassi 3-8%", 3, 8, QColor(90, 140, 190)},
    {"Fibre 3-10%", 3, 10, QColor(110, 170, 80)},
};

} // namespace

PieChart::PieChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PieChart"));
}

void PieChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    double total = 0;
    for (const Slice &s : kSlices)
        total += (s.low + s.high) / 2;

    const double diameter = std::min(height(), width() / 2) - 4;
    const QRectF pie(2, (height() - diameter) / 2, diameter, diameter);
    int angle = 90 * 16;
    painter.setPen(QPen(Qt::white, 1));
    for (const Slice &s : kSlices) {
        const int span = -qRound((s.low + s.high) / 2 / total * 360 * 16);
        painter.setBrush(s.colour);
        painter.drawPie(pie, angle, span);
        angle += span;
    }

    QFont small = font();
    small.setPointSizeF(7.5);
    painter.setFont(small);
    const double legendLeft = pie.right() + 8;
    const double rowHeight = height() / 4.0;
    for (int k = 0; k < 4; ++k) {
        const QRectF swatch(legendLeft, k * rowHeight + rowHeight / 2 - 4, 8, 8);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kSlices[k].colour);
        painter.drawRect(swatch);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRectF(swatch.right() + 4, k * rowHeight, width() - swatch.right() - 4, rowHeight),
                         Qt::AlignVCenter | Qt::AlignLeft, QString::fromLatin1(kSlices[k].label));
    }
}
