#pragma once

#include "sheet.h"

#include <QStringList>

// A sheet's lines as text, for comparing: "@N " for a move to column N, texts as they are.
inline QString sheetLineText(const SheetLine &line)
{
    QString text;
    for (const SheetItem &item : line.items)
        text += item.column > 0 ? QStringLiteral("@%1 ").arg(item.column) : item.text;
    return text;
}

inline QStringList sheetText(const Sheet &sheet)
{
    QStringList lines;
    for (const SheetLine &line : sheet.lines)
        lines << sheetLineText(line);
    return lines;
}
