// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ingredientlibrary.h"

#include <QAbstractTableModel>
#include <QStringList>

// The table of the "Ingredienti e prezzi" window: the catalogue entries and the egg kinds
// with their values read-only and an editable price, then the personal ingredients, fully
// editable. Every edit is checked as the worksheet checks a typed value; a refused edit
// changes nothing and says why through refused().
class IngredientEditorModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The table's columns: the name, then personal::CsvColumn shifted by one.
    enum TableColumn
    {
        TableNome,
        TableProteine,
        TableGrassi,
        TableCarboidrati,
        TableDigeribilita,
        TableLegante,
        TablePrezzo,
        TableColumnCount
    };

    // `inUse` are the personal ingredients the worksheet shows: they cannot be deleted or renamed.
    IngredientEditorModel(personal::Library library, QStringList inUse, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Rows before this one are the catalogue entries and the egg kinds.
    int firstPersonalRow() const;

    // Adds a personal ingredient with a new name and no values yet; returns its row.
    int addIngredient();

    // Removes a personal ingredient; refuses any other row and one the worksheet shows.
    bool removeIngredient(int row);

    // Why the table cannot be saved yet (a personal ingredient lacks a value), or empty.
    QString incomplete() const;

    const personal::Library &library() const { return m_library; }
    bool isModified() const { return m_modified; }
    void setSaved() { m_modified = false; }

signals:
    void refused(const QString &message);

private:
    QString text(int row, int column) const;
    QString refusal(int row, int column, const QString &entered) const;
    personal::Ingredient &personalAt(int row);
    const personal::Ingredient &personalAt(int row) const;

    personal::Library m_library;
    QStringList m_inUse;
    bool m_modified = false;
};
