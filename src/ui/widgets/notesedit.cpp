// SPDX-License-Identifier: GPL-3.0-or-later
#include "notesedit.h"

#include <QMimeData>

namespace {

// Longer than any word of a language; shorter than what costs a noticeable time.
constexpr qsizetype kLongestWord = 1000;
// More marks on one letter than any script stacks.
constexpr qsizetype kMostMarks = 16;

} // namespace

NotesEdit::NotesEdit(QWidget *parent) : QPlainTextEdit(parent) {}

bool NotesEdit::needsCheapLayout(const QString &text)
{
    qsizetype word = 0;
    qsizetype marks = 0;
    for (const QChar c : text) {
        word = c.isSpace() ? 0 : word + 1;
        marks = c.isMark() ? marks + 1 : 0;
        if (word > kLongestWord || marks > kMostMarks)
            return true;
    }
    return false;
}

bool NotesEdit::hasCheapLayout() const
{
    return wordWrapMode() == QTextOption::WrapAnywhere;
}

void NotesEdit::useCheapLayout(bool cheap)
{
    if (cheap == hasCheapLayout())
        return;
    // Each change lays the text out again; callers make the layout cheap before a hostile
    // text arrives, so neither change meets one.
    QFont type = font();
    type.setStyleStrategy(cheap ? QFont::PreferNoShaping : QFont::PreferDefault);
    setFont(type);
    setWordWrapMode(cheap ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void NotesEdit::setNotes(const QString &text)
{
    // The cheap layout comes before a text that needs it, the ordinary one after the text
    // replaced, so the slow way never meets the hostile text.
    const bool cheap = needsCheapLayout(text);
    if (cheap)
        useCheapLayout(true);
    setPlainText(text);
    useCheapLayout(cheap);
}

void NotesEdit::fitLayout()
{
    if (!hasCheapLayout() && needsCheapLayout(toPlainText()))
        useCheapLayout(true);
}

void NotesEdit::insertFromMimeData(const QMimeData *source)
{
    // A pasted text is judged before it is laid out, together with the box's own.
    if (source->hasText() && needsCheapLayout(toPlainText() + source->text()))
        useCheapLayout(true);
    QPlainTextEdit::insertFromMimeData(source);
}
