// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// A printed page as data: lines of items printed back to back, each item a text or
// a move to a print column (column n starts n - 1 average character widths from the
// left edge of the printable area).
struct PageItem
{
    int column = 0; // > 0: move to this column; otherwise print `text`
    QString text;

    bool operator==(const PageItem &) const = default;
};

struct PageLine
{
    double pointSize = 10;
    QList<PageItem> items;

    PageLine &at(int column)
    {
        items.append(PageItem{column, {}});
        return *this;
    }
    PageLine &text(const QString &text)
    {
        items.append(PageItem{0, text});
        return *this;
    }
    bool operator==(const PageLine &) const = default;
};

struct Page
{
    QString fontFamily = QStringLiteral("Arial");
    bool landscape = false;
    QList<PageLine> lines;

    PageLine &addLine(double pointSize = 10)
    {
        lines.append(PageLine{pointSize, {}});
        return lines.last();
    }
    void addEmptyLines(int count)
    {
        for (int k = 0; k < count; ++k)
            addLine();
    }
};
