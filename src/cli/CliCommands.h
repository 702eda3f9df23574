// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// Exit statuses of the command-line tool.
enum CliStatus { kCliOk = 0, kCliRefused = 1, kCliUsage = 2 };

// Runs one command line (without the program name). Results go to standard
// output, messages to standard error.
int RunCli(const QStringList& arguments);

int RunExport(const QStringList& arguments);
int RunImport(const QStringList& arguments);
int RunVersion(const QStringList& arguments);
int RunPatchPlayer(const QStringList& arguments);
int RunRender(const QStringList& arguments);
// The autorun folder as the studio's save makes it, with the velomni-studio
// beside the tool as the player.
int RunBuild(const QStringList& arguments);
