// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's way into the recipe archive.
#include "dlgcommon.h"
#include "formprinc.h"
#include "frmarchivio.h"
#include "remembered.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

FrmArchivio *FormPrinc::archiveWindow() const
{
    return m_archiveWindow;
}

void FormPrinc::addArchiveMenuItem()
{
    QAction *action = m_viewMenu->addAction(tr("Archivio ricette…"));
    action->setObjectName(QStringLiteral("mnuArchivio"));
    connect(action, &QAction::triggered, this, &FormPrinc::mnuArchivio_Click);
}

QString FormPrinc::archiveFolder() const
{
    // A remembered folder since gone is shown all the same: the archive says it is missing.
    if (const QString folder = remembered::archiveFolder(); !folder.isEmpty())
        return folder;
    // The dialog proposes the last file chosen in either dialog, "Ricetta" before any.
    if (const auto *dialog = dynamic_cast<const DlgCommon *>(dlgCommon.get())) {
        const QFileInfo last(dialog->fileName());
        if (last.isAbsolute() && last.dir().exists())
            return last.absolutePath();
    }
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void FormPrinc::mnuArchivio_Click()
{
    // One window at a time: a second request brings the open one to the front, its
    // files read again with the ingredients and prices as they are now.
    if (!m_archiveWindow) {
        // A recipe opened from the library brings the worksheet it filled to the front.
        auto open = [this](const QString &path) {
            if (openRecipe(path)) {
                raise();
                activateWindow();
            }
        };
        m_archiveWindow = new FrmArchivio(m_session, archiveFolder(), open, this);
        m_archiveWindow->setAttribute(Qt::WA_DeleteOnClose);
    } else {
        m_archiveWindow->followIngredients();
    }
    m_archiveWindow->show();
    m_archiveWindow->raise();
    m_archiveWindow->activateWindow();
}
