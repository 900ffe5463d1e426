// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagerenderer.h"
#include "version.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace pagerenderer {
namespace {

QFont pageFont(const Page &page, double pointSize)
{
    QFont font(page.fontFamily);
    // Liberation Sans has Arial's metrics where Arial itself is missing.
    font.setFamilies({page.fontFamily, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    return font;
}

// The classic average character width: lower-case letters and the space weighted by
// how often they occur in text. Print columns are counted in it, so Liberation Sans
// (Arial's metrics) places every column exactly where Arial does.
double averageCharWidth(const QFontMetricsF &metrics)
{
    static const int kWeights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6,  35, 20, 56,
                                     56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2,  166};
    double sum = 0;
    for (int k = 0; k < 26; ++k)
        sum += kWeights[k] * metrics.horizontalAdvance(QChar(u'a' + k));
    sum += kWeights[26] * metrics.horizontalAdvance(QChar(u' '));
    return sum / 1000;
}

// How many characters of `text`, from `from` on, fit in `room`: the longest start that does.
// Found by doubling then halving, so a long note costs a few measurements of about a line
// each, never one of the whole rest.
qsizetype longestStartThatFits(const QString &text, qsizetype from, const QFontMetricsF &metrics, double room)
{
    const qsizetype size = text.size() - from;
    auto fits = [&](qsizetype n) { return metrics.horizontalAdvance(text.mid(from, n)) <= room + 0.01; };
    qsizetype low = 0;
    qsizetype high = 16;
    while (high < size && fits(high)) {
        low = high;
        high *= 2;
    }
    high = std::min(high, size);
    if (high == size && fits(high))
        return size;
    while (high - low > 1) {
        const qsizetype middle = (low + high) / 2;
        (fits(middle) ? low : high) = middle;
    }
    return low;
}

// Where to cut a start of `fitting` characters that is not the whole rest: after its last
// blank, else after its last ".", ",", ";", ":", "-" or "/" (a long number breaks at a
// group), else between two characters.
qsizetype cutOf(const QString &text, qsizetype from, qsizetype fitting)
{
    for (const QString &breaks : {QStringLiteral(" \t"), QStringLiteral(".,;:-/")})
        for (qsizetype k = fitting; k > 0; --k)
            if (breaks.contains(text[from + k - 1]))
                return k;
    // Never between the two halves of a character nor before an accent that goes with it.
    qsizetype cut = fitting;
    while (cut > 1 && (text[from + cut].isLowSurrogate() || text[from + cut].isMark()))
        --cut;
    return cut;
}

} // namespace

QList<PlacedText> layout(const Page &page, QPaintDevice &device, QSizeF printable)
{
    QList<PlacedText> placed;
    int pageNumber = 0;
    double y = 0;
    bool pageHasText = false;
    auto nextLine = [&](double lineHeight) {
        y += lineHeight;
        if (y + lineHeight > printable.height() && pageHasText) {
            ++pageNumber;
            y = 0;
            pageHasText = false;
        }
    };

    for (const PageLine &line : page.lines) {
        const QFontMetricsF metrics(pageFont(page, line.pointSize), &device);
        const double lineHeight = metrics.lineSpacing();
        const double columnWidth = averageCharWidth(metrics);
        double x = 0;
        double lineStart = 0; // where a text too wide for the page goes on: its column
        for (const PageItem &item : line.items) {
            if (item.column > 0) {
                const double columnX = (item.column - 1) * columnWidth;
                if (x > columnX + 0.01)
                    nextLine(lineHeight);
                x = lineStart = columnX;
                continue;
            }
            const QString &text = item.text;
            qsizetype from = 0;
            while (from < text.size()) {
                const qsizetype fitting = longestStartThatFits(text, from, metrics, printable.width() - x);
                if (fitting == text.size() - from) {
                    const QString piece = text.mid(from);
                    placed.append({pageNumber, x, y, piece, line.pointSize});
                    pageHasText = true;
                    x += metrics.horizontalAdvance(piece);
                    break;
                }
                // Wider than the page: what fits stays on this line, the rest goes on at the
                // column on the next line, and the next page when needed. Nothing is clipped.
                qsizetype fits = fitting == 0 ? 0 : cutOf(text, from, fitting);
                if (fits == 0 && x > lineStart + 0.01) {
                    nextLine(lineHeight);
                    x = lineStart;
                    continue;
                }
                if (fits == 0 && lineStart > 0) { // not one character fits right of the column
                    nextLine(lineHeight);
                    x = lineStart = 0;
                    continue;
                }
                if (fits == 0) // a character wider than the page: printed all the same
                    fits = text.size() - from > 1 && text[from].isHighSurrogate() ? 2 : 1;
                placed.append({pageNumber, x, y, text.mid(from, fits), line.pointSize});
                pageHasText = true;
                from += fits;
                nextLine(lineHeight);
                x = lineStart;
            }
        }
        nextLine(lineHeight);
    }
    return placed;
}

bool render(const Page &page, QPagedPaintDevice &device)
{
    device.setPageOrientation(page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    int pageNumber = 0;
    for (const PlacedText &text : layout(page, device, painter.viewport().size())) {
        while (pageNumber < text.page) {
            device.newPage();
            ++pageNumber;
        }
        const QFont font = pageFont(page, text.pointSize);
        painter.setFont(font);
        painter.drawText(QPointF(text.x, text.y + QFontMetricsF(font, &device).ascent()), text.text);
    }
    return painter.end();
}

bool writePdf(const Page &page, const QString &path)
{
    QPdfWriter writer(path);
    writer.setTitle(QStringLiteral("Vornak"));
    writer.setCreator(QStringLiteral("Vornak " VORNAK_VERSION));
    writer.setPageMargins(QMarginsF(8, 8, 8, 8), QPageLayout::Millimeter);
    return render(page, writer);
}

} // namespace pagerenderer
