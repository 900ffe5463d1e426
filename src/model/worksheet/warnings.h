// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where refusals and bad entries are reported. The window shows a modal box with
// one OK button; tests record title and text.
class WarningSink
{
public:
    virtual ~WarningSink() = default;
    virtual void warn(const QString &title, const QString &text) = 0;

    // True where a long list fits (standard error): a warning about many bad lines then
    // names every one. A box stays short.
    virtual bool takesLongLists() const { return false; }
};
