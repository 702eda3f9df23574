// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/Shell.h"

namespace {
DesktopShell g_desktopShell;
Shell* g_service = nullptr;
} // namespace

Shell& GetShell()
{
    return g_service ? *g_service : g_desktopShell;
}

void SetShell(Shell* service)
{
    g_service = service;
}
