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
};
