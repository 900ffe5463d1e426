// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// vornak-cli's help, in the installed language, with the formula's default bands taken
// from the balanced ranges they come from.
QString helpText();
