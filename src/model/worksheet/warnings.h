// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Where refusals and bad entries are reported, and where a command asks the user before
// it goes on. The window shows a modal box; tests record what was said and answer from a
// list they set beforehand; a sink without a user answers every question "No".
class WarningSink
{
public:
    enum class Answer
    {
        Yes,
        No,
        Cancel
    };

    virtual ~WarningSink() = default;
    virtual void warn(const QString &title, const QString &text) = 0;

    // A question with "Sì" and "No", and "Annulla" when `withCancel`.
    virtual Answer ask(const QString &title, const QString &question, bool withCancel)
    {
        Q_UNUSED(title)
        Q_UNUSED(question)
        return withCancel ? Answer::Cancel : Answer::No;
    }

    // A question whose answers the caller names (no `cancel`: two answers only), with the
    // answer Enter gives. A sink without buttons of its own answers it as ask() would.
    struct Question
    {
        QString title;
        QString text;
        QString yes;
        QString no;
        QString cancel;
        Answer byDefault = Answer::Yes;
    };
    virtual Answer askWith(const Question &question)
    {
        return ask(question.title, question.text, !question.cancel.isEmpty());
    }

    // One of `choices`, picked from a list under `label`; `accept` names the button that
    // takes it. Empty when the user cancels.
    virtual QString choose(const QString &title, const QString &label, const QStringList &choices,
                           const QString &accept)
    {
        Q_UNUSED(title)
        Q_UNUSED(label)
        Q_UNUSED(choices)
        Q_UNUSED(accept)
        return {};
    }

    // True where a long list fits (standard error): a warning about many bad lines then
    // names every one. A box stays short.
    virtual bool takesLongLists() const { return false; }
};
