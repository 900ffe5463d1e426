// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "libraryfilter.h"

#include <QCollator>
#include <QColor>
#include <QSortFilterProxyModel>

class LibraryModel;

// The archive as the window shows it: sorted by any column on the values themselves
// (numbers as numbers, dates as dates), filtered by a text found in the recipe name, the
// file name, the notes or the ingredients, by balance, cost and mixes found twice; files that are no recipe
// in grey, a share out of range and stale stored results in the balance line's bold red.
class ArchiveProxy : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    ArchiveProxy(LibraryModel &model, QObject *parent = nullptr);

    void setFilterText(const QString &text);
    // Every choice of the filter, its text included.
    void setFilter(const library::Filter &filter);
    const library::Filter &filter() const { return m_filter; }
    // The grey of a file that is no recipe and the red of a mark, for the view's palette.
    void setColours(const QColor &grey, const QColor &mark);

    QVariant data(const QModelIndex &index, int role) const override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    // Texts as people read them: "r2" before "r10".
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    bool marked(int sourceRow, int column) const;

    LibraryModel &m_model;
    library::Filter m_filter;
    QColor m_grey;
    QColor m_mark;
    QCollator m_collator;
};
