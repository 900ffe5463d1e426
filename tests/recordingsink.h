// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "warnings.h"

#include <QList>
#include <QPair>
#include <QString>

// Records every warning and question so a test can check title, text and count, and
// answers questions from `nextAnswers` and `nextChoices`, first one first. A question
// with no answer left is recorded in `unanswered` and answered as a user who closes it.
class RecordingSink : public WarningSink
{
public:
    void warn(const QString &title, const QString &text) override { warnings.append({title, text}); }

    Answer ask(const QString &title, const QString &question, bool withCancel) override
    {
        questions.append({title, question});
        if (nextAnswers.isEmpty()) {
            unanswered << question;
            return withCancel ? Answer::Cancel : Answer::No;
        }
        return nextAnswers.takeFirst();
    }

    QString choose(const QString &title, const QString &label, const QStringList &choices,
                   const QString &accept) override
    {
        Q_UNUSED(accept)
        questions.append({title, label + u'\n' + choices.join(u'\n')});
        if (nextChoices.isEmpty()) {
            unanswered << label;
            return {};
        }
        return nextChoices.takeFirst();
    }

    QStringList texts() const
    {
        QStringList result;
        for (const auto &w : warnings)
            result << w.second;
        return result;
    }
    void clear()
    {
        warnings.clear();
        questions.clear();
        unanswered.clear();
        nextAnswers.clear();
        nextChoices.clear();
    }

    QList<QPair<QString, QString>> warnings;
    QList<QPair<QString, QString>> questions; // title, and the question or the list's label and entries
    QList<Answer> nextAnswers;
    QStringList nextChoices;
    QStringList unanswered;
};
