// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Why the window system could not start, in the user's words, from everything Qt said
// while it tried (its own messages are English and blame a reinstall): a platform
// module that is missing, a display that does not answer, or Qt's own reason.
// `display` is the DISPLAY variable; `translated` gives a text of the "Main" context in the
// run's language (no translator is installed yet). Lines of at most 80 characters, ending in "\n".
QString startupProblem(const QString &qtSaid, const QString &display, QString (*translated)(const char *));
