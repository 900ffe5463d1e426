// SPDX-License-Identifier: GPL-3.0-or-later
#include "piechart.h"

#include "balancetexts.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

struct Slice
{
    QString label;
    double low, high;
    QColor colour;
};

// One slice per range of the balance check, fibre last.
QList<Slice> slices()
{
    using namespace balance;
    auto slice = [](const QString &name, Range range, QColor colour) {
        return Slice{name + u' ' + rangeText(range), double(range.low), double(range.high), colour};
    };
    return {slice(nutrientName(Nutrient::Protein), rangeOf(Nutrient::Protein), QColor(200, 60, 50)),
            slice(nutrientName(Nutrient::Carbo), rangeOf(Nutrient::Carbo), QColor(230, 190, 60)),
            slice(nutrientName(Nutrient::Fat), rangeOf(Nutrient::Fat), QColor(90, 140, 190)),
            slice(QCoreApplication::translate("Balance", "Fibre"), kFibreRange, QColor(110, 170, 80))};
}

} // namespace

PieChart::PieChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PieChart"));
}

void PieChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QList<Slice> all = slices();
    double total = 0;
    for (const Slice &s : all)
        total += (s.low + s.high) / 2;

    const double diameter = std::min(height(), width() / 2) - 4;
    const QRectF pie(2, (height() - diameter) / 2, diameter, diameter);
    int angle = 90 * 16;
    painter.setPen(QPen(Qt::white, 1));
    for (const Slice &s : all) {
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
        painter.setBrush(all[k].colour);
        painter.drawRect(swatch);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRectF(swatch.right() + 4, k * rowHeight, width() - swatch.right() - 4, rowHeight),
                         Qt::AlignVCenter | Qt::AlignLeft, all[k].label);
    }
}
