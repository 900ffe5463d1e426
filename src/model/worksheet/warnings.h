#pragma once

#include <QString>

// Where refusals and bad entries are reported. The window shows a modal box with
// one OK button; tests record title and text.
class WarningSink
{
public:
    virtual ~WarningSink() = default;
    virtual void warn(const QString &title, const QString &text) = 0;
};
