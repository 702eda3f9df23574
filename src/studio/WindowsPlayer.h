// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// The Windows player ships with the studio as "velomni.exe" among its own
// files (ProgramFiles.h) when it was built. A project's root velomni.exe,
// which autorun.inf opens on Windows, is a copy of it; the Linux player
// then lives only in the runtime folder.

// The Windows player beside the studio; empty when there is none (a studio
// built without it), or when that file is not a Windows program.
QString WindowsPlayerSource(const QString& exeFolder);

// The program kinds a root velomni.exe can be.
enum class ProgramKind { Missing, Windows, Elf, Other };
ProgramKind KindOfProgram(const QString& file);

// The program that runs the menu of a built project folder on this
// system: the root's velomni.exe when it is a program of this system, else
// autorun.sh, which starts the Linux player of the runtime folder.
QString PlayerToTest(const QString& projectFolder);
