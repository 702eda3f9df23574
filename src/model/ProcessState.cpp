// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/ProcessState.h"

bool IsStudio = false;
QString ExeFolder;
QString PersonalFolder;
QString ProjectFolder;
QString DataFileName = QStringLiteral("velomni.vpj");
bool ExitRequested = false;
QString StudioVersion;
QString LastImageFolder;
