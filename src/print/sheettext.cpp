// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheettext.h"

namespace sheettext {
namespace {

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar(0x2028) || c == QChar(0x2029) || c == QChar(0x0085);
}

} // namespace

QString oneLine(const QString &text)
{
    QString out;
    out.reserve(text.size());
    int blanks = 0;
    int marks = 0;
    for (qsizetype k = 0; k < text.size(); ++k) {
        QChar c = text[k];
        if (c == u'\r' && k + 1 < text.size() && text[k + 1] == u'\n')
            continue; // CR LF is one break, so one blank
        if (isLineBreak(c) || c == u'\t')
            c = u' ';
        if (c.isMark()) {
            if (++marks > kMaxMarks)
                continue;
        } else {
            marks = 0;
        }
        // Blanks and characters without width (zero-width spaces, direction marks) alike:
        // a run of them shows nothing and stops at kMaxBlanks.
        if (c == u' ' || c.category() == QChar::Other_Format) {
            if (++blanks > kMaxBlanks)
                continue;
        } else {
            blanks = 0;
        }
        out += c;
    }
    return out;
}

bool isBlank(const QString &text)
{
    for (QChar c : text)
        if (!c.isSpace() && c.category() != QChar::Other_Format)
            return false;
    return true;
}

} // namespace sheettext
