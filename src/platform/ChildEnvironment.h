// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QProcessEnvironment>

// The player started from a disc's runtime folder runs with variables that
// autorun.sh set for the libraries it carries (the Qt platform, the
// GStreamer plug-ins, the library folder of the browser's helper). Other
// programs the menu starts must not see them: autorun.sh names them in
// VELOMNI_RUNTIME_VARIABLES and keeps a value it replaced in
// VELOMNI_SAVED_<name>.

// own as it was before autorun.sh changed it: every named variable removed
// or given back its saved value, and the bookkeeping variables removed.
QProcessEnvironment EnvironmentForOtherPrograms(const QProcessEnvironment& own);
