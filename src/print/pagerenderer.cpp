#include "pagerenderer.h"
#include "version.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

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

} // namespace

QList<PlacedText> layout(const Page &page, QPaintDevice &device, double pageHeight)
{
    QList<PlacedText> placed;
    int pageNumber = 0;
    double y = 0;
    bool pageHasText = false;
    auto nextLine = [&](double lineHeight) {
        y += lineHeight;
        if (y + lineHeight > pageHeight && pageHasText) {
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
        for (const PageItem &item : line.items) {
            if (item.column > 0) {
                const double columnX = (item.column - 1) * columnWidth;
                if (x > columnX + 0.01)
                    nextLine(lineHeight);
                x = columnX;
                continue;
            }
            if (!item.text.isEmpty()) {
                placed.append({pageNumber, x, y, item.text, line.pointSize});
                pageHasText = true;
            }
            x += metrics.horizontalAdvance(item.text);
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
    for (const PlacedText &text : layout(page, device, painter.viewport().height())) {
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
