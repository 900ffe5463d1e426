// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fields.h"

#include <QString>

// How messages about a recipe file name its fields to the user: by what they hold,
// never by a control name.
namespace fieldwords {

// "le note", "il nome della ricetta", "i grammi del PRIMO componente", "il peso totale
// del mix".
QString describe(FieldId id);

// True for a plural description ("le note contengono", "i grammi contengono").
bool isPlural(const QString &description);

// The description with its verb: "le note contengono", "il nome della ricetta contiene".
QString containing(FieldId id);

} // namespace fieldwords
