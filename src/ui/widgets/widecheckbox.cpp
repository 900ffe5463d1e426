// SPDX-License-Identifier: GPL-3.0-or-later
#include "widecheckbox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void WideCheckBox::paintEvent(QPaintEvent *event)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int side = style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, this);
    if (height() >= side) {
        QCheckBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    option.rect = QRect(0, 0, height(), height());
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = option.rect;
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
