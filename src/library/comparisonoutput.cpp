// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison written out: as text for the command line, as a page for the printer.
#include "comparison.h"

#include "balancetexts.h"

#include "numbers.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace comparison {

namespace {

// At most `kept` characters, the last of them "…" when the text is longer.
QString cutShort(const QString &text, qsizetype kept)
{
    return text.size() > kept ? text.left(kept - 1) + QChar(0x2026) : text;
}

constexpr int kBarWidth = 40;

QString cellText(const Cell &cell)
{
    QString text = cell.text;
    if (!cell.change.isEmpty())
        text += QStringLiteral(" (%1)").arg(cell.change);
    if (cell.differs)
        text += QStringLiteral(" *");
    return text;
}

// One scale for every recipe of a nutrient, so their bars compare: half again the top
// of the range, or the largest share, up to the next ten.
double scaleOf(const Bar &bar)
{
    double top = bar.range.high * 1.5;
    for (const auto &p : bar.percents)
        top = std::max(top, p.value_or(0));
    return std::min(100.0, std::ceil(top / 10) * 10);
}

// "#" up to the share, "." beyond, "|" where the balanced range begins and ends.
QString barCells(std::optional<double> percent, balance::Range range, double scale)
{
    QString cells;
    const double step = scale / kBarWidth;
    for (int i = 0; i < kBarWidth; ++i) {
        const double from = i * step;
        const auto edgeHere = [&](double edge) { return edge >= from && edge < from + step; };
        if (edgeHere(range.low) || edgeHere(range.high))
            cells += QLatin1Char('|');
        else
            cells += percent && from < *percent ? QLatin1Char('#') : QLatin1Char('.');
    }
    return cells;
}

QString percentText(std::optional<double> percent)
{
    return percent ? numbers::twoDecimals(*percent) + QLatin1Char('%')
                   : QCoreApplication::translate("ConfrontoStampa", "nessun risultato");
}

// The share and, out of range, its verdict: an overshoot smaller than a character of the
// bar is still said ("40,08% sopra").
QString shareText(std::optional<double> percent, balance::Range range)
{
    QString text = percentText(percent);
    if (percent)
        if (const balance::Verdict verdict = balance::verdictOf(*percent, range);
            verdict != balance::Verdict::InRange)
            text += u' ' + balance::verdictText(verdict);
    return text;
}

QString legend()
{
    return QCoreApplication::translate(
        "ConfrontoStampa", "* diverso dalla prima ricetta; tra parentesi la differenza dalla prima");
}

QString chartTitle(const Bar &bar)
{
    return QCoreApplication::translate("ConfrontoStampa", "%1: range bilanciato %2-%3%, scala 0-%4%")
        .arg(bar.nutrient)
        .arg(bar.range.low)
        .arg(bar.range.high)
        .arg(scaleOf(bar));
}

// A label in lines of at most `width` characters, broken between words where it can:
// the label column ends where the first recipe's begins.
QStringList labelLines(const QString &label, qsizetype width)
{
    QStringList out;
    QString rest = label;
    while (rest.size() > width) {
        qsizetype cut = rest.lastIndexOf(QLatin1Char(' '), width);
        if (cut <= 0)
            cut = width;
        out.append(rest.left(cut));
        rest = rest.mid(cut).trimmed();
    }
    out.append(rest);
    return out;
}

} // namespace

QStringList textLines(const Table &table, const QList<Bar> &chart)
{
    QStringList out;
    out.append(QLatin1Char('\t') + table.titles.join(QLatin1Char('\t')));
    out.append(QCoreApplication::translate("ConfrontoStampa", "File") + QLatin1Char('\t') +
               table.files.join(QLatin1Char('\t')));
    for (const Line &line : table.lines) {
        QStringList cells{line.label};
        for (const Cell &cell : line.cells)
            cells.append(cellText(cell));
        out.append(cells.join(QLatin1Char('\t')));
    }
    out.append(legend());
    for (const Bar &bar : chart) {
        out.append(chartTitle(bar));
        for (qsizetype k = 0; k < bar.percents.size(); ++k)
            out.append(QStringLiteral("%1\t%2 %3")
                           .arg(table.titles.value(k), barCells(bar.percents[k], bar.range, scaleOf(bar)),
                                shareText(bar.percents[k], bar.range)));
    }
    return out;
}

Page page(const Table &table, const QList<Bar> &chart)
{
    // Landscape at 8 pt: a label column and up to four recipe columns of 34 average
    // characters. Texts stop well before the next column: capitals run wider than average.
    constexpr double kPoints = 8;
    constexpr int kLabelColumn = 1;
    constexpr int kFirstColumn = 36;
    constexpr int kColumnWidth = 34;
    constexpr int kKept = 27;
    Page page;
    page.landscape = true;
    page.addLine(14).text(QCoreApplication::translate("ConfrontoStampa", "Confronto di ricette"));
    page.addEmptyLines(1);
    auto row = [&](const QString &label, const QStringList &cells) {
        const QStringList pieces = labelLines(label, kKept + 2);
        PageLine &line = page.addLine(kPoints);
        line.at(kLabelColumn).text(pieces.first());
        for (qsizetype k = 0; k < cells.size(); ++k)
            line.at(kFirstColumn + int(k) * kColumnWidth).text(cutShort(cells[k], kKept));
        for (qsizetype k = 1; k < pieces.size(); ++k)
            page.addLine(kPoints).at(kLabelColumn).text(pieces[k]);
    };
    row(QString(), table.titles);
    row(QCoreApplication::translate("ConfrontoStampa", "File"), table.files);
    for (const Line &line : table.lines) {
        if (line.heading)
            page.addLine(kPoints);
        QStringList cells;
        for (const Cell &cell : line.cells)
            cells.append(cellText(cell));
        row(line.label, cells);
    }
    page.addLine(8).at(kLabelColumn).text(legend());
    for (const Bar &bar : chart) {
        page.addLine(kPoints);
        page.addLine(kPoints).at(kLabelColumn).text(chartTitle(bar));
        for (qsizetype k = 0; k < bar.percents.size(); ++k) {
            PageLine &line = page.addLine(kPoints);
            line.at(kLabelColumn).text(cutShort(table.titles.value(k), kKept + 2));
            // Every mark at its own column, two apart: the font's characters differ in
            // width, and none is wider than two average ones.
            const QString cells = barCells(bar.percents[k], bar.range, scaleOf(bar));
            for (int i = 0; i < cells.size(); ++i)
                line.at(kFirstColumn + 2 * i).text(cells.mid(i, 1));
            line.at(kFirstColumn + 2 * kBarWidth + 2).text(shareText(bar.percents[k], bar.range));
        }
    }
    return page;
}

} // namespace comparison
