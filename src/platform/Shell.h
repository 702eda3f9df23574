// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The shell verbs a menu uses.
inline const QString kShellVerbOpen = QStringLiteral("open");
inline const QString kShellVerbPrint = QStringLiteral("print");
inline const QString kShellVerbExplore = QStringLiteral("explore");

// Results in the Windows manner: greater than 32 is success, anything up
// to 32 a failure code.
constexpr int kShellSucceeded = 42;
constexpr int kShellLaunchFailed = 0;
constexpr int kShellFileNotFound = 2;
constexpr int kShellPathNotFound = 3;
constexpr int kShellAccessDenied = 5;
constexpr int kShellNoAssociation = 31;

// Performs a verb on a file, folder or address through the desktop.
class Shell {
public:
    virtual ~Shell() = default;
    virtual int Execute(const QString& verb, const QString& target) = 0;
    // Starts a program by its full path with no arguments and does not wait;
    // false when it could not be started.
    virtual bool StartProgram(const QString& program) = 0;
};

// The service in use; the desktop until another is installed.
Shell& GetShell();
// Installs a service (not owned); nullptr goes back to the desktop.
void SetShell(Shell* service);

// What the desktop shell would start for a verb and target: the program
// and its single argument when result is above 32, else the failure
// found before launching. Not on Windows, where the system shell itself
// finds the program for a verb.
struct ShellLaunch {
    int result = kShellNoAssociation;
    QString program;
    QStringList arguments;
};
ShellLaunch PlanShellLaunch(const QString& verb, const QString& target);

// Opens through xdg-open and prints through lp, each started detached
// with the target as its one argument, never through a command line; on
// Windows hands the verb and target to the system shell as they are.
class DesktopShell final : public Shell {
public:
    int Execute(const QString& verb, const QString& target) override;
    // Started directly, never through a command interpreter, in the
    // program's own folder.
    bool StartProgram(const QString& program) override;
};
