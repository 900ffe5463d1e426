// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the recipe as a document: the title names the file and marks
// unsaved changes, and whatever would drop them asks first.
#include "formprinc.h"

#include "entrymessages.h"
#include "filechooser.h"
#include "version.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QSessionManager>

void FormPrinc::watchDocument()
{
    showDocumentTitle();
    connect(&m_session, &Session::documentChanged, this, &FormPrinc::showDocumentTitle);
    // The desktop's log-out asks too, where it lets the program ask.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &manager) {
        if (manager.allowsInteraction()) {
            if (!mayDropWork())
                manager.cancel();
            manager.release();
        }
    });
}

void FormPrinc::showDocumentTitle()
{
    QString title = tr("Vornak Ver. %1 - a cura del team Vornak").arg(QStringLiteral(VORNAK_VERSION));
    if (const QString file = m_session.currentFile(); !file.isEmpty())
        title += QStringLiteral(" - ") + QFileInfo(file).fileName() +
                 (m_session.hasUnsavedChanges() ? QStringLiteral(" *") : QString());
    setWindowTitle(title);
}

bool FormPrinc::mayDropWork()
{
    if (!m_session.hasUnsavedChanges())
        return true;
    const QString file = m_session.currentFile();
    const WarningSink::Question question{
        messages::kTitle,
        (file.isEmpty() ? tr("La ricetta non è stata salvata.")
                        : tr("La ricetta «%1» ha modifiche non salvate.").arg(QFileInfo(file).fileName())) +
            u'\n' + tr("Salvare le modifiche?"),
        tr("&Salva"),
        tr("&Non salvare"),
        tr("&Annulla"),
        WarningSink::Answer::Yes};
    switch (m_sink.askWith(question)) {
    case WarningSink::Answer::Yes:
        // Dropped only once saved: a refusal or a cancelled dialog keeps the work.
        return m_session.save(*dlgCommon);
    case WarningSink::Answer::No:
        return true;
    case WarningSink::Answer::Cancel:
        break;
    }
    return false;
}
