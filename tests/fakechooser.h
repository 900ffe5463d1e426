// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filechooser.h"

// Answers the file dialog with paths a test chose; an empty path is a cancel.
class FakeChooser : public FileChooser
{
public:
    QString savePath;
    QString openPath;
    int asked = 0;

    QString chooseSavePath() override
    {
        ++asked;
        return savePath;
    }
    QString chooseOpenPath() override
    {
        ++asked;
        return openPath;
    }
};
