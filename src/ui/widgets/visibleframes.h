// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The style with frames that show on any palette. Fusion draws group boxes, input
// fields, spin boxes, lists' faces, check boxes and panels in a shade darker than the
// window, which on a black high-contrast palette is black on black, and a group box's
// frame is faint on any light one: on a high-contrast palette, and wherever that shade
// hardly differs from the window, the edge is drawn over in a muted text colour.
class VisibleFramesStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;

    // The colour of a frame's line: `usual` where it shows on the palette's window, else
    // the muted text colour.
    static QColor frameLine(const QPalette &palette, const QColor &usual);

protected:
    // Draws the edge of `rect` over what the style drew, when the style's own is lost.
    static void drawEdge(const QStyleOption *option, QPainter *painter, const QRect &rect,
                         bool round = false);
};
