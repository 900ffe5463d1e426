// SPDX-License-Identifier: GPL-3.0-or-later
#include "controlhabits.h"

#include "design.h"
#include "lengthguard.h"
#include "sentinels.h"
#include "visibleframes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>

#include <cmath>

namespace {

// Alt and a key that reached an input box with the key's own character: the access key
// of a control that is greyed or absent, not text to type. What Alt Gr types ("€", "@")
// is another character than its key's and stays.
bool isAccessKeyMiss(const QKeyEvent &key)
{
    if (!(key.modifiers() & Qt::AltModifier) || (key.modifiers() & Qt::ControlModifier))
        return false;
    const QString text = key.text();
    return text.size() == 1 && text.toUpper() == QKeySequence(key.key()).toString();
}

class HabitsFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Wheel) {
            auto *list = qobject_cast<QComboBox *>(watched);
            return list && !list->hasFocus(); // swallowed: an unfocused list keeps its entry
        }
        if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit *>(watched))
            return isAccessKeyMiss(*static_cast<QKeyEvent *>(event));
        if (event->type() == QEvent::MouseButtonPress) {
            auto *edit = qobject_cast<QLineEdit *>(watched);
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (edit && mouse->button() == Qt::LeftButton && !edit->isReadOnly() &&
                edit->text() == sentinel::kZero) {
                // The press has already given the focus; swallowing it keeps the cursor
                // from being placed, which would undo the selection.
                edit->selectAll();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// How much larger than the design type a control's type is; 1 at the design size and below,
// where the style's own sizes already fit.
double typeScale(const QWidget *widget)
{
    const double size = widget ? widget->font().pointSizeF() : 0;
    return size > design::kDialogPointSize ? size / design::kDialogPointSize : 1.0;
}

// The window's own style, except that a list pops up below itself with at most its
// visible-items count of entries (Fusion would otherwise show all 72 ingredients over
// the whole screen height), and that a list's arrow and a check box's square scale with
// the control's type.
class ControlStyle : public VisibleFramesStyle
{
public:
    using VisibleFramesStyle::VisibleFramesStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        if (metric == PM_IndicatorWidth || metric == PM_IndicatorHeight)
            return int(std::lround(size * typeScale(widget)));
        return size;
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override
    {
        QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        const double scale = typeScale(widget);
        if (control != CC_ComboBox || scale == 1.0 || option->direction != Qt::LeftToRight)
            return rect;
        // The arrow's button grows leftwards; the text gives up as much room.
        const int arrow = QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget).width();
        const int extra = int(std::lround(arrow * (scale - 1)));
        if (part == SC_ComboBoxArrow)
            rect.setLeft(rect.left() - extra);
        else if (part == SC_ComboBoxEditField)
            rect.setRight(rect.right() - extra);
        return rect;
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        const auto *list = qstyleoption_cast<const QStyleOptionComboBox *>(option);
        const double scale = typeScale(widget);
        if (control != CC_ComboBox || !list || list->editable || scale == 1.0) {
            VisibleFramesStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        // The style draws the arrow at a fixed size: the list's face comes from the style,
        // the arrow is drawn here at the style's proportions times the type's scale.
        QStyleOptionButton face;
        face.QStyleOption::operator=(*list);
        face.state =
            list->state & (State_Enabled | State_MouseOver | State_HasFocus | State_KeyboardFocusChange);
        if (list->state & State_On)
            face.state = (face.state | State_Sunken) & ~State_MouseOver;
        proxy()->drawPrimitive(PE_PanelButtonCommand, &face, painter, widget);

        const QRectF button = subControlRect(CC_ComboBox, list, SC_ComboBoxArrow, widget);
        const double width = 8 * scale, height = width * 8 / 14;
        const QPointF topLeft = button.center() - QPointF(width / 2, height / 2);
        QPainterPath arrow(topLeft);
        arrow.lineTo(topLeft + QPointF(width, 0));
        arrow.lineTo(topLeft + QPointF(width / 2, height));
        arrow.closeSubpath();
        QColor colour = list->palette.buttonText().color();
        colour.setAlpha(160);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->fillPath(arrow, colour);
        painter->restore();
        drawEdge(option, painter, option->rect);
    }
};

} // namespace

namespace controlhabits {

void install(QWidget *window)
{
    auto *filter = new HabitsFilter(window);
    QStyle *controlStyle = nullptr;
    auto styled = [&](QWidget *control) {
        if (!controlStyle) {
            // The style underneath the program's own, which wraps it.
            const auto *wrapper = qobject_cast<const QProxyStyle *>(window->style());
            const QStyle *base = wrapper && wrapper->baseStyle() ? wrapper->baseStyle() : window->style();
            controlStyle = new ControlStyle(QStyleFactory::create(base->name()));
            controlStyle->setParent(filter);
        }
        control->setStyle(controlStyle);
    };
    for (auto *list : window->findChildren<QComboBox *>()) {
        styled(list);
        list->installEventFilter(filter);
        // Every entry is one line of the same type: the popup measures one and not all of
        // them, also each time the resizer gives the list a new type size.
        if (auto *entries = qobject_cast<QListView *>(list->view()))
            entries->setUniformItemSizes(true);
    }
    for (auto *check : window->findChildren<QCheckBox *>())
        styled(check);
    for (auto *edit : window->findChildren<QLineEdit *>()) {
        edit->installEventFilter(filter);
        lengthguard::guard(edit);
    }
}

void installOn(QLineEdit *edit)
{
    edit->installEventFilter(new HabitsFilter(edit));
    lengthguard::guard(edit);
}

} // namespace controlhabits
