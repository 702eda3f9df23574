// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/CliProgramInfo.h"

#include "cli/CliCommands.h"

#include <cstdio>

// The project version, given by the build (cmake/Install.cmake).
#ifndef VELOMNI_VERSION
#define VELOMNI_VERSION "unknown"
#endif

int RunProgramVersion()
{
    std::fputs("velomni-cli " VELOMNI_VERSION "\n", stdout);
    std::fflush(stdout);
    return kCliOk;
}
