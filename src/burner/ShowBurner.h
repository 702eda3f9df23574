// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Opens the "Burn CD/DVD" window on a project folder over libburn and
// libisofs. False, after a message, when the engine or its devices cannot
// be set up; true when the window was shown and closed.
bool ShowBurner(const QString& folder, const QString& volumeLabel, QWidget* parent = nullptr);

// Pseudo-drives listed after the system's drives, from the environment
// variable VELOMNI_EXTRA_DRIVES (addresses such as "stdio:/tmp/disc.img"
// separated by ";"): a way to try the window without a writer.
QStringList ExtraDrivesFromEnvironment();
