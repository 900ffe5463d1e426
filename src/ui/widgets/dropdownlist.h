// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

// A closed drop-down list of the worksheet. An entry longer than the box ends in "…"
// rather than being cut mid-letter, and the list opens at least as wide as its longest
// entry, so every name can be read whole.
class DropDownList : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
