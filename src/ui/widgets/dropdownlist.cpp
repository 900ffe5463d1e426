// SPDX-License-Identifier: GPL-3.0-or-later
#include "dropdownlist.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStylePainter>

void DropDownList::showPopup()
{
    // Measured when the list opens, not each time the resizer gives it a new type size.
    const QFontMetrics metrics(view()->font());
    int widest = 0;
    for (int row = 0; row < count(); ++row)
        widest = qMax(widest, metrics.horizontalAdvance(itemText(row)));
    const int margins = 4 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view()) +
                        2 * view()->frameWidth() + metrics.averageCharWidth() * 2;
    view()->setMinimumWidth(widest + margins + view()->verticalScrollBar()->sizeHint().width());
    view()->setTextElideMode(Qt::ElideNone);
    QComboBox::showPopup();
}

void DropDownList::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect text =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    option.currentText = fontMetrics().elidedText(option.currentText, Qt::ElideRight, text.width());
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
