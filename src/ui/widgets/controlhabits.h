// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLineEdit;
class QWidget;

// How the lists and input boxes of a window answer the mouse and keys, the same in every window:
// - a list reacts to the wheel only while it has the focus, so scrolling over the
//   worksheet never swaps an ingredient by accident;
// - a click into an input box that shows just "0" selects it, as Tab does, so typing
//   replaces the zero instead of adding to it;
// - a list opens as a drop-down of at most its visible-items count, scrolling beyond;
// - a list's arrow and a check box's square grow with the control's type when the window
//   scales it above the design size, as the text and the boxes do;
// - an input box says when it cuts what is pasted into it (lengthguard);
// - Alt and a letter never types the letter into an input box: it is an access key, even
//   when its control is greyed.
namespace controlhabits {

// Gives every list, check box and input box inside `window` these habits; call once its
// controls exist.
void install(QWidget *window);

// The same for one input box made later, as a table's cell editor is.
void installOn(QLineEdit *edit);

} // namespace controlhabits
