// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The file dialog behind the save and open commands. Returns the chosen path, or an
// empty text when the user cancels. Tests hand in their own answers.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    virtual QString chooseSavePath() = 0;
    virtual QString chooseOpenPath() = 0;
    // A file opened without the dialog: the next dialog proposes it, as if chosen there.
    virtual void propose(const QString &) {}
};
