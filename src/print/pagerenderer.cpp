// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagerenderer.h"
#include "filewriter.h"
#include "sheettext.h"
#include "version.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace pagerenderer {
namespace {

constexpr qsizetype kMaxLineCharacters = 1024;
// The recipe sheet's widest gap: a longer run of empty lines prints as this many.
constexpr int kMaxEmptyLines = 5;

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
    // No printed line holds this many characters: a longer run of characters without
    // width (marks, zero-width spaces) is cut by count instead of measured whole.
    const qsizetype size = std::min(text.size() - from, kMaxLineCharacters);
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

// Places the texts of a page line by line, page by page.
class Placer
{
public:
    Placer(const Page &page, QPaintDevice &device, QSizeF printable)
        : m_page(page), m_device(device), m_printable(printable)
    {}

    QList<PlacedText> run()
    {
        int emptyRun = 0;
        for (const PageLine &line : m_page.lines) {
            const bool empty = isEmptyLine(line);
            // A run of empty lines prints as at most the sheet's own widest gap.
            emptyRun = empty ? emptyRun + 1 : 0;
            if (empty && emptyRun > kMaxEmptyLines)
                continue;
            placeLine(line);
        }
        return m_placed;
    }

private:
    static bool isEmptyLine(const PageLine &line)
    {
        return std::all_of(line.items.begin(), line.items.end(),
                           [](const PageItem &item) { return sheettext::isBlank(item.text); });
    }

    void nextLine()
    {
        m_y += m_lineHeight;
        if (m_y + m_lineHeight > m_printable.height() && m_pageHasText) {
            ++m_pageNumber;
            m_y = 0;
            m_pageHasText = false;
        }
    }

    void placeLine(const PageLine &line)
    {
        const QFontMetricsF metrics(pageFont(m_page, line.pointSize), &m_device);
        m_lineHeight = metrics.lineSpacing();
        const double columnWidth = averageCharWidth(metrics);
        m_x = 0;
        m_lineStart = 0;
        for (const PageItem &item : line.items) {
            if (item.column <= 0) {
                placeText(sheettext::oneLine(item.text), metrics, line.pointSize);
                continue;
            }
            const double columnX = (item.column - 1) * columnWidth;
            if (m_x > columnX + 0.01)
                nextLine();
            m_x = m_lineStart = columnX;
        }
        nextLine();
    }

    void put(const QString &piece, double pointSize)
    {
        m_placed.append({m_pageNumber, m_x, m_y, piece, pointSize});
        m_pageHasText = true;
    }

    // A text wider than the page: what fits stays on this line, the rest goes on at the
    // column on the next line, and the next page when needed. Nothing is clipped.
    void placeText(const QString &text, const QFontMetricsF &metrics, double pointSize)
    {
        qsizetype from = 0;
        while (from < text.size()) {
            const qsizetype fitting = longestStartThatFits(text, from, metrics, m_printable.width() - m_x);
            if (fitting == text.size() - from) {
                const QString piece = text.mid(from);
                put(piece, pointSize);
                m_x += metrics.horizontalAdvance(piece);
                return;
            }
            qsizetype fits = fitting == 0 ? 0 : cutOf(text, from, fitting);
            if (fits == 0 && m_x > m_lineStart + 0.01) {
                nextLine();
                m_x = m_lineStart;
                continue;
            }
            if (fits == 0 && m_lineStart > 0) { // not one character fits right of the column
                nextLine();
                m_x = m_lineStart = 0;
                continue;
            }
            if (fits == 0) // a character wider than the page: printed all the same
                fits = text.size() - from > 1 && text[from].isHighSurrogate() ? 2 : 1;
            put(text.mid(from, fits), pointSize);
            from += fits;
            nextLine();
            m_x = m_lineStart;
        }
    }

    const Page &m_page;
    QPaintDevice &m_device;
    const QSizeF m_printable;
    QList<PlacedText> m_placed;
    int m_pageNumber = 0;
    double m_y = 0;
    double m_x = 0;
    double m_lineStart = 0; // where a text too wide for the page goes on: its column
    double m_lineHeight = 0;
    bool m_pageHasText = false;
};

} // namespace

QList<PlacedText> layout(const Page &page, QPaintDevice &device, QSizeF printable)
{
    return Placer(page, device, printable).run();
}

bool render(const Page &page, QPagedPaintDevice &device)
{
    device.setPageOrientation(page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // Whatever a text holds, nothing is drawn outside the printable area.
    painter.setClipRect(QRectF(QPointF(0, 0), QSizeF(painter.viewport().size())));
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

namespace {

void setUpA4(QPdfWriter &writer)
{
    writer.setTitle(QStringLiteral("Vornak"));
    writer.setCreator(QStringLiteral("Vornak " VORNAK_VERSION));
    writer.setPageMargins(QMarginsF(8, 8, 8, 8), QPageLayout::Millimeter);
}

} // namespace

QByteArray pdf(const Page &page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        setUpA4(writer);
        if (!render(page, writer))
            return QByteArray();
    }
    return buffer.data();
}

int pageCount(const Page &page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    setUpA4(writer);
    writer.setPageOrientation(page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&writer))
        return 0;
    const QList<PlacedText> placed = layout(page, writer, painter.viewport().size());
    painter.end();
    return placed.isEmpty() ? 1 : placed.last().page + 1;
}

QString writePdf(const Page &page, const QString &path)
{
    // Refused before the page is drawn: a pipe or a folder is said at once.
    if (const QString why = filewriter::refusal(path); !why.isEmpty())
        return why;
    const QByteArray bytes = pdf(page);
    if (bytes.isEmpty())
        return QCoreApplication::translate("pagerenderer", "il foglio non si è potuto disegnare");
    return filewriter::write(path, bytes);
}

} // namespace pagerenderer
