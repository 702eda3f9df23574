// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <memory>

class TVelomniForm;

// The steps of start-up that decide the mode and the project folder.

// The studio's version text; any other (trimmed) text makes the player.
bool IsStudioVersionText(const QString& originalFilename);
// The remembered project folder (START / DefaultPath of the settings
// file), else the default folder in the documents folder when that exists;
// empty when neither names an existing folder. The default folder is tried
// only when no folder is remembered.
QString DefaultProjectFolder(const QString& exeFolder, const QString& personalFolder);

// The project folder named on the studio's command line: the folder
// itself, or the folder of a data file, absolute and without a trailing
// separator. Empty when the argument is empty or names nothing that exists.
QString ArgumentProjectFolder(const QString& argument);

// What start-up needs to know of the running program.
struct TStartupEnvironment {
    QString exePath;        // the running executable
    QString versionText;    // its OriginalFilename value, untrimmed
    QString personalFolder; // the user's documents folder
    QString argument = {};  // the first command-line argument; the studio opens it
};
TStartupEnvironment CurrentStartupEnvironment();

// Start-up up to the message loop: sets the process-wide state, asks for a
// project folder where needed, creates the menu window and loads the data
// file. Returns the window to show, or nothing when the program ends here.
std::unique_ptr<TVelomniForm> PrepareStartup(const TStartupEnvironment& environment);
