// SPDX-License-Identifier: GPL-3.0-or-later
#include "visibleframes.h"

#include "contrast.h"

#include <QPainter>
#include <QStyleOption>

namespace {

// Fusion's outline: the window 40 % darker.
constexpr int kOutlineDarker = 140;
// Below this ratio to the window a one-pixel line is hard to find.
constexpr double kVisibleLine = 1.5;
// Text this far from its window is a high-contrast palette, whose users need every edge.
constexpr double kHighContrast = 12;

} // namespace

bool VisibleFramesStyle::framesFade(const QColor &window)
{
    return contrast::ratio(window.darker(kOutlineDarker), window) < kVisibleLine;
}

void VisibleFramesStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                       QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_FrameGroupBox && element != PE_FrameLineEdit && element != PE_Frame)
        return;
    const QColor window = option->palette.color(QPalette::Window);
    const QColor text = option->palette.color(QPalette::WindowText);
    if (!framesFade(window) && contrast::ratio(text, window) < kHighContrast)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(contrast::mutedText(text, window));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}
