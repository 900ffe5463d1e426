// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

// A frame whose caption sits in its top border, the line running through the middle
// of the caption: controls placed just below the caption stay clear of the line.
class FrameBox : public QGroupBox
{
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override;
};
