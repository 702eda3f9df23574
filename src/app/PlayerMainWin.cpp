// SPDX-License-Identifier: GPL-2.0-or-later
// velomni.exe for Windows: the player of a disc's menu alone.
#include "app/ProgramMain.h"

int main(int argc, char** argv)
{
    return RunProgram(argc, argv, nullptr);
}
