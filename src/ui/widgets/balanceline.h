// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clickablelabel.h"

// The status bar's balance line: rich text (the verdicts out of range in bold colour) that
// opens the balance window when clicked. In a window too narrow for it, the line ends at
// a letter with "…" rather than cut through one, and its tooltip holds the whole line.
class BalanceLine : public ClickableLabel
{
    Q_OBJECT

public:
    explicit BalanceLine(const QString &hint, QWidget *parent = nullptr);

    // Whether the last painting had to shorten the line.
    bool isShortened() const { return m_shortened; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_hint; // the tooltip when the line is whole
    bool m_shortened = false;
};
