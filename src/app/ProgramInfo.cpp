// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ProgramInfo.h"

#include <cstdio>
#include <cstring>

// The project version, given by the build (cmake/Install.cmake).
#ifndef VELOMNI_VERSION
#define VELOMNI_VERSION "unknown"
#endif

namespace {

const char kUsage[] = "usage: velomni-studio [PROJECT_FOLDER]\n"
                      "       velomni-studio --help | --version\n"
                      "  PROJECT_FOLDER  open the project in this folder\n";

} // namespace

std::optional<int> AnswerProgramInfo(int argc, const char* const* argv)
{
    if (argc != 2) return std::nullopt;
    const char* argument = argv[1];
    const char* answer = nullptr;
    if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0)
        answer = kUsage;
    else if (std::strcmp(argument, "--version") == 0)
        answer = "velomni-studio " VELOMNI_VERSION "\n";
    if (!answer) return std::nullopt;
    std::fputs(answer, stdout);
    std::fflush(stdout);
    return 0;
}
