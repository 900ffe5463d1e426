// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QLabel>

// A one-line label that, when its room is too narrow, ends its text in "…" and shows the
// whole text as its tooltip, rather than cutting it without a word.
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The text the label needs room for at least; "Costo: …" unless told.
    void setShortest(const QString &text) { m_shortest = text; }
    // The widest the label asks to be, in average letters; 0 (the default) for its whole text.
    void setPreferredLetters(int letters) { m_preferredLetters = letters; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_shortest = QCoreApplication::translate("Cost", "Costo: …");
    int m_preferredLetters = 0;
};
