#include "controlhabits.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>

namespace {

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
        if (event->type() == QEvent::MouseButtonPress) {
            auto *edit = qobject_cast<QLineEdit *>(watched);
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (edit && mouse->button() == Qt::LeftButton && !edit->isReadOnly() &&
                edit->text() == QLatin1String("0")) {
                // The press has already given the focus; swallowing it keeps the cursor
                // from being placed, which would undo the selection.
                edit->selectAll();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// The window's own style, except that a list pops up below itself with at most its
// visible-items count of entries (Fusion would otherwise show all 72 ingredients over
// the whole screen height).
class DropDownListStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

namespace controlhabits {

void install(QWidget *window)
{
    auto *filter = new HabitsFilter(window);
    QStyle *listStyle = nullptr;
    for (auto *list : window->findChildren<QComboBox *>()) {
        if (!listStyle) {
            listStyle = new DropDownListStyle(QStyleFactory::create(window->style()->name()));
            listStyle->setParent(filter);
        }
        list->setStyle(listStyle);
        list->installEventFilter(filter);
    }
    for (auto *edit : window->findChildren<QLineEdit *>())
        edit->installEventFilter(filter);
}

} // namespace controlhabits
