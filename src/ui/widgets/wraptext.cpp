// SPDX-License-Identifier: GPL-3.0-or-later
#include "wraptext.h"

namespace wraptext {

QString breakable(const QString &text, int run)
{
    QString shown;
    shown.reserve(text.size() + text.size() / run);
    int letters = 0;
    for (const QChar c : text) {
        if (letters == run && !c.isSpace()) {
            shown += QChar(0x200B);
            letters = 0;
        }
        shown += c;
        letters = c.isSpace() ? 0 : letters + 1;
    }
    return shown;
}

} // namespace wraptext
