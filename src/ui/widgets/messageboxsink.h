// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "warnings.h"

#include <QFont>
#include <QPointer>
#include <QWidget>

#include <optional>

// Shows each warning as a modal box with its title, its text, one OK button and no icon,
// wide enough for a window manager to show the whole title beside its buttons; asks each
// question in a box of the same kind with "Sì", "No" (and "Annulla"), and offers a choice
// as a list in a small dialog.
class MessageBoxSink : public WarningSink
{
public:
    explicit MessageBoxSink(QWidget *parent) : m_parent(parent) {}
    void warn(const QString &title, const QString &text) override;
    Answer ask(const QString &title, const QString &question, bool withCancel) override;
    Answer askWith(const Question &question) override;
    QString choose(const QString &title, const QString &label, const QStringList &choices,
                   const QString &accept) override;

    // The type the boxes use from now on (the main window's at its present size).
    void setFont(const QFont &font) { m_font = font; }

private:
    QPointer<QWidget> m_parent;
    std::optional<QFont> m_font;
};
