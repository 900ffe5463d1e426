// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filechooser.h"

#include <QPointer>
#include <QWidget>

class WarningSink;

// The main window's one file dialog for saving and opening recipes. It proposes
// "Ricetta" at first and afterwards the last file chosen in either dialog; saving over a
// file that exists asks first, in `sink`.
class DlgCommon : public FileChooser
{
public:
    DlgCommon(QWidget *parent, WarningSink &sink) : m_parent(parent), m_sink(sink) {}

    QString chooseSavePath() override;
    QString chooseOpenPath() override;
    void propose(const QString &path) override { m_fileName = path; }

    QString fileName() const { return m_fileName; }

private:
    QString choose(bool saving);

    QPointer<QWidget> m_parent;
    WarningSink &m_sink;
    QString m_fileName = QStringLiteral("Ricetta");
};
