#pragma once

#include "fields.h"
#include "worksheet.h"

#include <QColor>
#include <QHash>
#include <QObject>

class QWidget;

// Keeps widgets and worksheet fields in step: a user's edit goes into the worksheet
// (which runs its reactions), and every change of a field shows in its widget.
// The widget is found by the field's control name.
class FieldBinding : public QObject
{
    Q_OBJECT

public:
    FieldBinding(Worksheet &sheet, QWidget *root, QObject *parent = nullptr);

    // The background the window shows for a colour role.
    static QColor colourFor(Colour colour);

private:
    void bind(FieldId id, QWidget *widget);
    void show(FieldId id);

    Worksheet &m_sheet;
    QHash<FieldId, QWidget *> m_widgets;
    FieldId m_editing = -1; // the field whose widget the user is editing right now
};
