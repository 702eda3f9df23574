// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// Exit statuses of the command-line tool.
enum CliStatus { kCliOk = 0, kCliRefused = 1, kCliUsage = 2 };

// Runs one command line (without the program name). Results go to standard
// output, messages to standard error.
int RunCli(const QStringList& arguments);

// The usage text after a problem with the arguments; kCliUsage.
int CliUsage(const QString& problem);

int RunExport(const QStringList& arguments);
int RunImport(const QStringList& arguments);
int RunVersion(const QStringList& arguments);
int RunPatchPlayer(const QStringList& arguments);
int RunRender(const QStringList& arguments);
// The autorun folder as the studio's save makes it, with the velomni-studio
// beside the tool as the player.
int RunBuild(const QStringList& arguments);
// An ISO image of a folder, read back and checked.
int RunIso(const QStringList& arguments);
// The system's drives, one a line: address, name.
int RunDevices(const QStringList& arguments);
// A folder written to a disc (or a stdio: pseudo-drive), read back and checked.
int RunBurn(const QStringList& arguments);
