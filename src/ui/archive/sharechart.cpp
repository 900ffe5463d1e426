// SPDX-License-Identifier: GPL-3.0-or-later
#include "sharechart.h"

#include "balancelook.h"
#include "contrast.h"
#include "numbers.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

namespace {

// One scale per nutrient, as on the printed page: half again the top of the range, or
// the largest share, up to the next ten.
double scaleOf(const comparison::Bar &bar)
{
    double top = bar.range.high * 1.5;
    for (const auto &p : bar.percents)
        top = std::max(top, p.value_or(0));
    return std::min(100.0, std::ceil(top / 10) * 10);
}

// A colour `share` of the way from `from` to `to`.
QColor towards(const QColor &from, const QColor &to, double share)
{
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * share),
                            float(from.greenF() + (to.greenF() - from.greenF()) * share),
                            float(from.blueF() + (to.blueF() - from.blueF()) * share));
}

// The first candidate that stands out 3:1 from both backgrounds.
std::optional<QColor> standingOut(std::initializer_list<QColor> candidates, const QColor &a, const QColor &b)
{
    for (const QColor &candidate : candidates)
        if (std::min(contrast::ratio(candidate, a), contrast::ratio(candidate, b)) >=
            contrast::kReadableLarge)
            return candidate;
    return std::nullopt;
}

} // namespace

ShareChart::Colours ShareChart::colours(const QPalette &pal)
{
    const QColor window = pal.color(QPalette::Window), text = pal.color(QPalette::WindowText);
    const QColor mark = balancelook::markColour(window, text);
    // The band a shade of the highlight over the window, paler where the bars would not
    // show on it; at worst the window itself, the dashed edges marking the range, where
    // black or white and the text stand out.
    for (double share : {0.35, 0.25, 0.15, 0.08, 0.0}) {
        const QColor band = towards(window, pal.color(QPalette::Highlight), share);
        const QColor highlight = pal.color(QPalette::Highlight);
        const auto in = standingOut(
            {highlight, highlight.darker(170), highlight.lighter(170), text, Qt::black, Qt::white}, band,
            window);
        const auto out = standingOut({mark, balancelook::markColour(band, text), text, Qt::black, Qt::white},
                                     band, window);
        if (in && out)
            return {band, *in, *out};
    }
    return {window, text, text}; // unreachable: black or white stands out 4.5:1 from any colour
}

ShareChart::ShareChart(QList<comparison::Bar> bars, QStringList titles, QWidget *parent)
    : QWidget(parent), m_bars(std::move(bars)), m_titles(std::move(titles))
{
    setObjectName(QStringLiteral("GrfQuote"));
    setMinimumHeight(sizeHint().height());
}

QSize ShareChart::sizeHint() const
{
    const int line = fontMetrics().height();
    return {600, int(m_bars.size()) * (int(m_titles.size()) + 1) * (line + 4) + line};
}

void ShareChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPalette pal = palette();
    const QFontMetrics fm = fontMetrics();
    const int line = fm.height() + 4;
    // A long name is cut with "…" at thirty letters' width; the table's heading has it whole.
    const int widest = fm.horizontalAdvance(QLatin1Char('x')) * 30;
    QStringList labels;
    int labelWidth = 0;
    for (const QString &title : m_titles) {
        labels.append(fm.elidedText(title, Qt::ElideRight, widest));
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(labels.last()));
    }
    const int left = labelWidth + 16;
    const int valueWidth = fm.horizontalAdvance(QStringLiteral("100,00%")) + 8;
    const int width = std::max(50, this->width() - left - valueWidth);
    const Colours colour = colours(pal);
    int y = 0;
    m_labels.clear();
    for (const comparison::Bar &bar : m_bars) {
        const double scale = scaleOf(bar);
        auto x = [&](double percent) { return left + int(width * std::min(percent, scale) / scale); };
        p.setPen(pal.color(QPalette::WindowText));
        p.drawText(0, y, left + width, line, Qt::AlignVCenter | Qt::AlignLeft,
                   tr("%1: range %2-%3%").arg(bar.nutrient).arg(bar.range.low).arg(bar.range.high));
        y += line;
        // The balanced range, as a band behind every recipe's bar.
        const QRect band(x(bar.range.low), y, x(bar.range.high) - x(bar.range.low),
                         line * int(m_titles.size()));
        p.fillRect(band, colour.band);
        for (qsizetype k = 0; k < m_titles.size(); ++k) {
            const std::optional<double> percent = bar.percents.value(k);
            p.setPen(pal.color(QPalette::WindowText));
            p.drawText(0, y, labelWidth + 8, line, Qt::AlignVCenter | Qt::AlignLeft, labels[k]);
            m_labels.append({QRect(0, y, labelWidth + 8, line), m_titles[k]});
            if (percent) {
                const bool inside = *percent >= bar.range.low && *percent <= bar.range.high;
                p.fillRect(QRect(left, y + 3, x(*percent) - left, line - 6),
                           inside ? colour.inRange : colour.outOfRange);
                p.drawText(left + width + 4, y, valueWidth, line, Qt::AlignVCenter | Qt::AlignLeft,
                           numbers::twoDecimals(*percent) + QLatin1Char('%'));
            }
            y += line;
        }
        p.setPen(QPen(pal.color(QPalette::WindowText), 1, Qt::DashLine));
        p.drawLine(band.topLeft(), band.bottomLeft());
        p.drawLine(band.topRight(), band.bottomRight());
    }
}

QString ShareChart::labelAt(const QPoint &at) const
{
    for (const auto &[rect, title] : m_labels)
        if (rect.contains(at))
            return title;
    return QString();
}

bool ShareChart::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    if (const QString title = labelAt(help->pos()); !title.isEmpty()) {
        QToolTip::showText(help->globalPos(), title, this);
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
}
