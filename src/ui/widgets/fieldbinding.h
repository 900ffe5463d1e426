// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fieldstore.h"

#include <QColor>
#include <QHash>
#include <QObject>

class QStringListModel;
class QWidget;

// The widget of each field, as the window made it from the field's id.
using FieldWidgets = QHash<FieldId, QWidget *>;

// Keeps widgets and fields in step: a user's edit goes into the field store (which
// runs its reactions), and every change of a field shows in its widget. Every field
// with a control name must have its widget: a missing one stops a debug build at once,
// and unbound() names it.
class FieldBinding : public QObject
{
    Q_OBJECT

public:
    // How a disabled box that shows the window colour looks: like an enabled one (the
    // worksheet, whose disabled boxes show a greyed "0"), or greyed as the style draws
    // disabled boxes (the converter, whose disabled rows are empty).
    enum class DisabledLook
    {
        WindowColour,
        Greyed
    };

    FieldBinding(FieldStore &store, const FieldWidgets &widgets, QObject *parent = nullptr,
                 DisabledLook disabledLook = DisabledLook::WindowColour);

    // The fields with a control name that have no widget; none in a finished window.
    QList<FieldId> unbound() const;
    QWidget *widget(FieldId id) const { return m_widgets.value(id); }

    // The background the window shows for a colour role.
    static QColor colourFor(Colour colour);

private:
    void bind(FieldId id, QWidget *widget);
    void show(FieldId id);
    void showEntries(FieldId id);
    QStringListModel *listModel(FieldId id);

    FieldStore &m_store;
    FieldWidgets m_widgets;
    // Lists that offer the same entries share one model, built once: the eleven
    // ingredient lists, the two digestibility and the two binder selectors.
    QHash<const QStringList *, QStringListModel *> m_listModels;
    DisabledLook m_disabledLook;
    FieldId m_editing = -1; // the field whose widget the user is editing right now
};
