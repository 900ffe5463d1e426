// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class IngredientEditorModel;
class QTableView;
class Session;

// "Ingredienti e prezzi": the prices of the catalogue entries and the egg kinds and the
// personal ingredients in one editable table, read from the ingredient file when the
// window opens. Salva writes the file atomically and gives the worksheet's lists the new
// ingredients at once; closing with changes not saved asks first. Modal.
class FrmIngredienti : public QDialog
{
    Q_OBJECT

public:
    explicit FrmIngredienti(Session &session, QWidget *parent = nullptr);

    IngredientEditorModel *table() const { return m_table; }
    QTableView *view() const { return m_view; }

public slots:
    void CmdAggiungi_Click();
    void CmdElimina_Click();
    bool CmdSalva_Click();
    void reject() override;

private:
    void fitScreen();
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void sizeColumns();
    // The name column as wide as its names, up to about thirty letters.
    void fitNameColumn();

    Session &m_session;
    IngredientEditorModel *m_table = nullptr;
    QTableView *m_view = nullptr;
    bool m_fileHadProblems = false; // saving drops the lines the reader left out
    bool m_fittingNames = false;
};
