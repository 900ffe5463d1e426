#pragma once

#include "fields.h"

class Worksheet;

// The reactions of the worksheet's fields. The worksheet runs them on every change;
// each one may change other fields, whose reactions then run nested.
namespace reactions {

void catalogueSelection(Worksheet &sheet, int row);

// The egg switch for the present state of ChkUova; the load step leaves Frame2 alone.
void eggSwitch(Worksheet &sheet, bool setFrameCaption = true);
void eggSelection(Worksheet &sheet);
void eggValueRule(Worksheet &sheet, FieldId id);
void eggWeightRule(Worksheet &sheet);

void quantityRule(Worksheet &sheet, FieldId id);
void percentageRule(Worksheet &sheet, FieldId id);
void indexRule(Worksheet &sheet, FieldId id);
void customNameRule(Worksheet &sheet, int row);

// Results, recipe name and notes: filled while they hold any text.
void highlightRule(Worksheet &sheet, FieldId id);

} // namespace reactions
