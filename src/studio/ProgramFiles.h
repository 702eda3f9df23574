// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// The studio's own files ("Default.ico", "whatsnew.rtf", the help
// document). A studio run from its build folder, or copied anywhere with
// them, has them beside the executable; an installed one has them in the
// package's data folder (bin/../share/velomni-studio).

// The data folder of an installed studio whose executable lives in
// exeFolder; empty when there is none.
QString InstalledDataFolder(const QString& exeFolder);

// The file named name: beside the executable when it is there, else in the
// installed data folder when it is there, else the path beside the
// executable (so that a message names where it was expected). Empty when
// exeFolder is empty.
QString ProgramFilePath(const QString& exeFolder, const QString& name);

// The same for the running program (ExeFolder).
QString ProgramFile(const QString& name);
