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
    // How a disabled box that shows the window colour looks: like an enabled one (the
    // worksheet, whose disabled boxes show a greyed "0"), or greyed as the style draws
    // disabled boxes (the converter, whose disabled rows are empty).
    enum class DisabledLook
    {
        WindowColour,
        Greyed
    };

    FieldBinding(FieldStore &store, QWidget *root, QObject *parent = nullptr,
                 DisabledLook disabledLook = DisabledLook::WindowColour);

    // The background the window shows for a colour role.
    static QColor colourFor(Colour colour);

private:
    void bind(FieldId id, QWidget *widget);
    void show(FieldId id);
    void showEntries(FieldId id);

    FieldStore &m_store;
    QHash<FieldId, QWidget *> m_widgets;
    DisabledLook m_disabledLook;
    FieldId m_editing = -1; // the field whose widget the user is editing right now
};
