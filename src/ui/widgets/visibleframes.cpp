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

bool edgesLost(const QPalette &palette)
{
    const QColor window = palette.color(QPalette::Window);
    return contrast::ratio(window.darker(kOutlineDarker), window) < kVisibleLine ||
           contrast::ratio(palette.color(QPalette::WindowText), window) >= kHighContrast;
}

} // namespace

QColor VisibleFramesStyle::frameLine(const QPalette &palette, const QColor &usual)
{
    return edgesLost(palette)
               ? contrast::mutedText(palette.color(QPalette::WindowText), palette.color(QPalette::Window))
               : usual;
}

void VisibleFramesStyle::drawEdge(const QStyleOption *option, QPainter *painter, const QRect &rect,
                                  bool round)
{
    if (!edgesLost(option->palette))
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, round);
    painter->setPen(frameLine(option->palette, {}));
    painter->setBrush(Qt::NoBrush);
    const QRect edge = rect.adjusted(0, 0, -1, -1);
    if (round)
        painter->drawEllipse(edge);
    else
        painter->drawRect(edge);
    painter->restore();
}

void VisibleFramesStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                       QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_FrameGroupBox || element == PE_FrameLineEdit || element == PE_Frame ||
        element == PE_IndicatorCheckBox)
        drawEdge(option, painter, option->rect);
    else if (element == PE_IndicatorRadioButton)
        drawEdge(option, painter, option->rect, true);
}

void VisibleFramesStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                            QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_SpinBox || control == CC_ComboBox)
        drawEdge(option, painter, option->rect);
}
