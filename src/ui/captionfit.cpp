// SPDX-License-Identifier: GPL-3.0-or-later
#include "captionfit.h"

#include <QLabel>

namespace captionfit {
namespace {

int widthOf(const QFont &font, const QString &text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

} // namespace

void fit(QWidget *root)
{
    for (QLabel *label : root->findChildren<QLabel *>()) {
        if (!label->property(kCaption).toBool() || label->text().isEmpty())
            continue;
        QFont font = label->font();
        const int room = label->contentsRect().width();
        if (room > 0 && font.pointSizeF() > 0 && widthOf(font, label->text()) > room) {
            double size = font.pointSizeF() * room / widthOf(font, label->text());
            font.setPointSizeF(size);
            // Widths do not follow the size exactly: a few small steps down finish the job.
            while (size > 1 && widthOf(font, label->text()) > room)
                font.setPointSizeF(size *= 0.95);
            label->setFont(font);
        }
        const int line = QFontMetrics(label->font()).height();
        if (label->height() < line)
            label->resize(label->width(), line);
    }
}

} // namespace captionfit
