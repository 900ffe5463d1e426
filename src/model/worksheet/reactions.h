// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fields.h"

class Worksheet;

// The reactions of the worksheet's fields. The worksheet runs them on every change;
// each one may change other fields, whose reactions then run nested.
namespace reactions {

void catalogueSelection(Worksheet &worksheet, int row);

// The egg switch for the present state of ChkUova; the load step leaves Frame2 alone.
void eggSwitch(Worksheet &worksheet, bool setFrameCaption = true);
void eggSelection(Worksheet &worksheet);
void eggValueRule(Worksheet &worksheet, FieldId id);
void eggWeightRule(Worksheet &worksheet);

void quantityRule(Worksheet &worksheet, FieldId id);
void percentageRule(Worksheet &worksheet, FieldId id);
void indexRule(Worksheet &worksheet, FieldId id);
void customNameRule(Worksheet &worksheet, int row);

// Results, recipe name and notes: filled while they hold any text.
void highlightRule(Worksheet &worksheet, FieldId id);

} // namespace reactions
