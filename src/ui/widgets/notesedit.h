// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

// The recipe's notes box. Qt lays out some texts in time that grows with the square of
// their length: one very long word (broken inside itself line by line) and a letter with
// thousands of combining marks (placed one against the other by the font's shaper). A
// hand-edited recipe of a megabyte of either froze the window for minutes. Such a text is
// broken anywhere and drawn without shaping, chosen before the text is laid out; ordinary
// notes keep breaking between words and their accents placed by the font.
class NotesEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit NotesEdit(QWidget *parent = nullptr);

    // Shows `text`, laid out in the way it needs, with an empty undo history.
    void setNotes(const QString &text);
    // The cheap layout once an edit has made the text need it. It stays until the next
    // setNotes(): undo and redo bring texts back without a word to this box, and one of
    // them may be the hostile text of a moment ago.
    void fitLayout();

    // Whether `text` has a word too long or a letter with too many marks to lay out
    // the ordinary way.
    static bool needsCheapLayout(const QString &text);
    bool hasCheapLayout() const;

protected:
    void insertFromMimeData(const QMimeData *source) override;

private:
    void useCheapLayout(bool cheap);
};
