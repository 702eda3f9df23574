// SPDX-License-Identifier: GPL-2.0-or-later
// The entry point the burner and the command-line tool call once this
// module is loaded.
#include "disc/LibburnDiscEngine.h"

extern "C" Q_DECL_EXPORT LibburnEngine* velomni_disc_engine_new(const QStringList* extraDrives)
{
    return new LibburnDiscEngine(extraDrives ? *extraDrives : QStringList{});
}
