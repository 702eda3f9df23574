// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The text of autorun.sh, the file that a Linux desktop offers to run when
// a disc is mounted: it checks the machine and the C library (at least
// glibc, "2.36"; empty checks none), sets up the environment the runtime's
// libraries need and starts the player in the runtime folder.
QByteArray AutorunScript(const QString& glibc);
