// SPDX-License-Identifier: GPL-3.0-or-later
#include "translatedtext.h"

#include <deque>

namespace {

struct Constant
{
    const char *context;
    const char *source;
    QString text;
};

// A deque never moves what it holds, so the references handed out stay valid.
std::deque<Constant> &constants()
{
    static std::deque<Constant> all;
    return all;
}

} // namespace

const QString &translatedConstant(const char *context, const char *source)
{
    constants().push_back({context, source, QString::fromUtf8(source)});
    return constants().back().text;
}

void retranslateConstants()
{
    for (Constant &constant : constants())
        constant.text = QCoreApplication::translate(constant.context, constant.source);
}
