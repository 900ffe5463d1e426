// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "librarymodel.h"
#include "messageboxsink.h"

#include <QDialog>

#include <functional>

class ArchiveFilterBar;
class ArchiveProxy;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class Session;

// "Archivio ricette": every recipe of a folder and its subfolders at a glance, with the
// figures "Calcola" gives for its rows, filled while the files are read and following the
// folder as it changes. Enter or a double-click opens a recipe in the worksheet as "Apri"
// does; "Confronta" shows two to four side by side. Modeless, owned by the main window.
class FrmArchivio : public QDialog
{
    Q_OBJECT

public:
    // `open` opens a file in the worksheet exactly as "Apri" does.
    FrmArchivio(Session &session, const QString &folder, std::function<void(const QString &)> open,
                QWidget *parent = nullptr);

    LibraryModel &model() { return m_model; }
    QTableView *view() const { return m_view; }

    // The personal ingredients and prices changed: every file is read again with them.
    void followIngredients();

public slots:
    void CmdCartella_Click();
    void CmdApri_Click();
    void CmdConfronta_Click();

protected:
    // The folder dialog; tests answer it themselves.
    virtual QString chooseFolder();
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildTop();
    // The text box and the bar's choices into the list's filter.
    void applyFilter();
    // "Ordina:" and the columns, so the list can be sorted without the mouse.
    QWidget *buildSortChoice(QWidget *parent);
    // The progress bar, the counts and the columns' widths follow the model as it reads.
    void followModel();
    void restoreSelection();
    QWidget *buildBottom();
    void showFolder(const QString &folder);
    void updateCounts();
    void fitColumns();
    // Once, when a recipe is in sight or (`listedAll`) the folder is read to its end.
    void fitColumnsOnce(bool listedAll = false);
    void updateButtons();
    // The selected entries, in the order of the list.
    QList<library::Entry> selectedEntries() const;

    Session &m_session;
    std::function<void(const QString &)> m_open;
    MessageBoxSink m_sink{this};
    LibraryModel m_model;
    ArchiveProxy *m_proxy = nullptr;
    QTableView *m_view = nullptr;
    QLabel *m_folder = nullptr;
    QLineEdit *m_filter = nullptr;
    ArchiveFilterBar *m_filterBar = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_counts = nullptr;
    QPushButton *m_openButton = nullptr;
    QPushButton *m_compareButton = nullptr;
    QString m_folderProblem; // why the folder shown lists nothing, while it stands
    bool m_fitted = false;
    QStringList m_keptSelection; // the selected files' paths across a reset of the list
};
