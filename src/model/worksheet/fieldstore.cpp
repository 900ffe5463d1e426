// SPDX-License-Identifier: GPL-3.0-or-later
#include "fieldstore.h"

#include "messages.h"
#include "numbers.h"
#include "sentinels.h"
#include "warnings.h"

namespace {

// Why a text that is no usable number is refused: a number beyond a double's range is too
// large (or, with a minus sign, negative), anything else is no number.
QString entryRefusal(const QString &text, const QString &tooLarge)
{
    if (!numbers::isTooLarge(text))
        return messages::kNotANumber;
    if (text.trimmed().startsWith(u'-'))
        return messages::kNegative;
    return tooLarge.isEmpty() ? messages::kTooLarge : tooLarge;
}

} // namespace

FieldStore::FieldStore(int fieldCount, QObject *parent) : QObject(parent), m_fields(size_t(fieldCount)) {}

void FieldStore::define(FieldId id, FieldKind kind, const QString &text, bool enabled,
                        const QStringList *entries)
{
    Field &f = m_fields[size_t(id)];
    f.kind = kind;
    f.text = text;
    f.enabled = enabled;
    f.entries = entries;
}

void FieldStore::warn(const QString &text)
{
    warn(messages::kTitle, text);
}

void FieldStore::warn(const QString &title, const QString &text)
{
    if (m_sink)
        m_sink->warn(title, text);
}

QStringList FieldStore::entries(FieldId id) const
{
    const Field &f = field(id);
    return f.entries ? *f.entries : QStringList();
}

void FieldStore::setText(FieldId id, const QString &text)
{
    Field &f = m_fields[size_t(id)];
    Q_ASSERT(f.kind == FieldKind::Input || f.kind == FieldKind::Display);
    if (f.text == text)
        return;
    f.text = text;
    emit fieldChanged(id);
    react(id);
}

bool FieldStore::select(FieldId id, const QString &entry)
{
    Field &f = m_fields[size_t(id)];
    if (f.kind != FieldKind::List || !f.entries || !f.entries->contains(entry))
        return false;
    if (f.text != entry) {
        f.text = entry;
        emit fieldChanged(id);
    }
    react(id);
    return true;
}

void FieldStore::setCheckState(FieldId id, bool checked)
{
    Field &f = m_fields[size_t(id)];
    Q_ASSERT(f.kind == FieldKind::Check);
    if (f.checked == checked)
        return;
    f.checked = checked;
    emit fieldChanged(id);
    react(id);
}

void FieldStore::resetUnlessNonNegativeNumber(FieldId id, const QString &tooLarge)
{
    if (!numbers::isNumber(text(id))) {
        warn(entryRefusal(text(id), tooLarge));
        setText(id, sentinel::kZero);
    }
    if (numbers::valueOrZero(text(id)) < 0) {
        warn(messages::kNegative);
        setText(id, sentinel::kZero);
    }
}

void FieldStore::setEnabled(FieldId id, bool enabled)
{
    Field &f = m_fields[size_t(id)];
    if (f.enabled == enabled)
        return;
    f.enabled = enabled;
    emit fieldChanged(id);
}

void FieldStore::setColour(FieldId id, Colour colour)
{
    Field &f = m_fields[size_t(id)];
    if (f.colour == colour)
        return;
    f.colour = colour;
    emit fieldChanged(id);
}

void FieldStore::setCaption(FieldId id, const QString &caption)
{
    Field &f = m_fields[size_t(id)];
    Q_ASSERT(f.kind == FieldKind::Caption);
    if (f.text == caption)
        return;
    f.text = caption;
    emit fieldChanged(id);
}
