// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <windows.h>

// Wine's ntdll exports its version; Windows' does not.
inline bool RunningOnWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}
