#pragma once

#include "fields.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class WarningSink;

// The colour a field shows, as a role; the window maps roles to real colours.
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
    bool checked = false;                 // only ChkUova
    const QStringList *entries = nullptr; // only lists
};

// The recipe being composed: every field's text, enabled state and colour, and the
// reactions that run on every change, whoever makes it. A reaction that writes a
// field runs that field's own reaction at once, nested, before it goes on.
class Worksheet : public QObject
{
    Q_OBJECT

public:
    explicit Worksheet(QObject *parent = nullptr);

    void setWarningSink(WarningSink *sink) { m_sink = sink; }
    void warn(const QString &text);
    void warn(const QString &title, const QString &text);

    const Field &field(FieldId id) const { return m_fields[size_t(id)]; }
    const QString &text(FieldId id) const { return field(id).text; }
    bool isEnabled(FieldId id) const { return field(id).enabled; }
    Colour colour(FieldId id) const { return field(id).colour; }
    bool eggsChecked() const { return field(field::ChkUova).checked; }
    QStringList entries(FieldId id) const;

    // A new text for an input or display field; the same text again is no change.
    void setText(FieldId id, const QString &text);

    // Chooses an entry of a list. Choosing runs the list's reaction every time,
    // also for the entry it already shows (a click on a list always reacts).
    // Returns false, changing nothing, for a text that is not one of its entries.
    bool select(FieldId id, const QString &entry);

    // Ticks or clears the egg box; the egg switch runs only when the state changes.
    void setChecked(bool checked);

    // Property changes that run no reaction.
    void setEnabled(FieldId id, bool enabled);
    void setColour(FieldId id, Colour colour);
    void setCaption(FieldId id, const QString &caption);

signals:
    // Text, enabled state, colour or check state of the field changed.
    void fieldChanged(FieldId id);

private:
    void define(FieldId id, FieldKind kind, const QString &text, bool enabled,
                const QStringList *entries = nullptr);
    void react(FieldId id);

    std::array<Field, field::Count> m_fields;
    WarningSink *m_sink = nullptr;
};
