// SPDX-License-Identifier: GPL-3.0-or-later
#include "captionfit.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace captionfit {
namespace {

int widthOf(const QFont &font, const QString &text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

// `widget` takes a type just small enough for `text` to fit `room`, if it is too wide.
void shrinkToFit(QWidget *widget, const QString &text, int room)
{
    QFont font = widget->font();
    if (room > 0 && font.pointSizeF() > 0 && widthOf(font, text) > room) {
        double size = font.pointSizeF() * room / widthOf(font, text);
        font.setPointSizeF(size);
        // Widths do not follow the size exactly: a few small steps down finish the job.
        while (size > 1 && widthOf(font, text) > room)
            font.setPointSizeF(size *= 0.95);
        widget->setFont(font);
    }
}

} // namespace

void fit(QWidget *root)
{
    // A button's text within the part of the button its style draws the text in.
    for (QPushButton *button : root->findChildren<QPushButton *>()) {
        if (!button->property(kCaption).toBool() || button->text().isEmpty())
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = button->rect();
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QString text = QString(button->text()).remove(u'&');
        shrinkToFit(button, text, contents.width() - 2);
    }
    for (QLabel *label : root->findChildren<QLabel *>()) {
        if (!label->property(kCaption).toBool() || label->text().isEmpty())
            continue;
        shrinkToFit(label, label->text(), label->contentsRect().width());
        const int line = QFontMetrics(label->font()).height();
        if (label->height() < line)
            label->resize(label->width(), line);
    }
}

} // namespace captionfit
