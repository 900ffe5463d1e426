#pragma once

#include "fieldstore.h"

#include <QColor>
#include <QHash>
#include <QObject>

class QWidget;

// Keeps widgets and fields in step: a user's edit goes into the field store (which
// runs its reactions), and every change of a field shows in its widget. The widget
// is found by the field's control name.
class FieldBinding : public QObject
{
    Q_OBJECT

public:
    FieldBinding(FieldStore &store, QWidget *root, QObject *parent = nullptr);

    // The background the window shows for a colour role.
    static QColor colourFor(Colour colour);

private:
    void bind(FieldId id, QWidget *widget);
    void show(FieldId id);
    void showEntries(FieldId id);

    FieldStore &m_store;
    QHash<FieldId, QWidget *> m_widgets;
    FieldId m_editing = -1; // the field whose widget the user is editing right now
};
