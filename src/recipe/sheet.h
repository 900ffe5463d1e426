#pragma once

#include <QList>
#include <QString>

// A printed sheet as data: lines of items printed back to back, each item a text or
// a move to a print column (column n starts n - 1 average character widths from the
// left edge of the printable area).
struct SheetItem
{
    int column = 0; // > 0: move to this column; otherwise print `text`
    QString text;

    bool operator==(const SheetItem &) const = default;
};

struct SheetLine
{
    double pointSize = 10;
    QList<SheetItem> items;

    SheetLine &at(int column)
    {
        items.append(SheetItem{column, {}});
        return *this;
    }
    SheetLine &text(const QString &text)
    {
        items.append(SheetItem{0, text});
        return *this;
    }
    bool operator==(const SheetLine &) const = default;
};

struct Sheet
{
    QString fontFamily = QStringLiteral("Arial");
    bool landscape = false;
    QList<SheetLine> lines;

    SheetLine &addLine(double pointSize = 10)
    {
        lines.append(SheetLine{pointSize, {}});
        return lines.last();
    }
    void addEmptyLines(int count)
    {
        for (int k = 0; k < count; ++k)
            addLine();
    }
};
