// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/StudioState.h"

QString StudioVersion;
