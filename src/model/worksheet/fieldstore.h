// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

class WarningSink;

using FieldId = int;

// The colour a field shows, as a role; a window maps roles to real colours.
enum class Colour
{
    Window,
    Filled,
    ButtonFace
};

enum class FieldKind
{
    Unused,
    Input,
    Display,
    List,
    Check,
    Caption
};

struct Field
{
    FieldKind kind = FieldKind::Unused;
    QString text;
    bool enabled = true;
    Colour colour = Colour::Window;
    bool checked = false;                 // only check boxes
    const QStringList *entries = nullptr; // only lists
};

// Fields a window shows, each with its text, enabled state and colour, and the
// reaction that runs whenever a field changes, whoever changes it. A reaction that
// writes a field runs that field's own reaction at once, nested, before it goes on.
class FieldStore : public QObject
{
    Q_OBJECT

public:
    FieldStore(int fieldCount, QObject *parent = nullptr);

    int fieldCount() const { return int(m_fields.size()); }

    // The control name of a field, empty for an unused slot.
    virtual QString fieldName(FieldId id) const = 0;

    void setWarningSink(WarningSink *sink) { m_sink = sink; }
    WarningSink *warningSink() const { return m_sink; }
    void warn(const QString &text); // titled "AVVISO"
    void warn(const QString &title, const QString &text);

    const Field &field(FieldId id) const { return m_fields[size_t(id)]; }
    const QString &text(FieldId id) const { return field(id).text; }
    bool isEnabled(FieldId id) const { return field(id).enabled; }
    Colour colour(FieldId id) const { return field(id).colour; }
    QStringList entries(FieldId id) const;

    // A new text for an input or display field; the same text again is no change.
    void setText(FieldId id, const QString &text);

    // Chooses an entry of a list. Choosing runs the list's reaction every time,
    // also for the entry it already shows (a click on a list always reacts).
    // Returns false, changing nothing, for a text that is not one of its entries.
    bool select(FieldId id, const QString &entry);

    // Ticks or clears a check box; its reaction runs only when the state changes.
    void setCheckState(FieldId id, bool checked);

    // The first steps of every quantity check: a text that is not a number, then a
    // negative value, is answered with its message and reset to "0". Each step reads
    // the field anew, so the nested run of the reset has already happened. A number too
    // large for a double is answered with `tooLarge` (the calculation's "too large"
    // message unless told).
    void resetUnlessNonNegativeNumber(FieldId id, const QString &tooLarge = QString());

    // Property changes that run no reaction.
    void setEnabled(FieldId id, bool enabled);
    void setColour(FieldId id, Colour colour);
    void setCaption(FieldId id, const QString &caption);

signals:
    // Text, enabled state, colour or check state of the field changed.
    void fieldChanged(FieldId id);
    // The entries a list offers changed; its text did not.
    void entriesChanged(FieldId id);

protected:
    void define(FieldId id, FieldKind kind, const QString &text, bool enabled,
                const QStringList *entries = nullptr);
    virtual void react(FieldId id) = 0;

private:
    std::vector<Field> m_fields;
    WarningSink *m_sink = nullptr;
};
