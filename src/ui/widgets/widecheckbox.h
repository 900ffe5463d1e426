// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>

// A check box without caption that answers a click anywhere in its box, not only
// on the small square.
class WideCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }

    // Scaled below the style's square, the box draws a smaller square instead of a cut one.
    void paintEvent(QPaintEvent *event) override;
};
