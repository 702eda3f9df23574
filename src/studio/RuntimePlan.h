// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the Linux player's runtime holds for one project: the player's
// libraries, the Qt plug-ins it loads, and for a project that needs them
// the sound stack (Qt Multimedia, GStreamer and its plug-ins for WAV and
// MP3) and the browser engine (its libraries, helper program, resources
// and one locale). Every library comes from asking this system's loader
// what it resolves, so a new dependency is never forgotten; the desktop's
// base set (RuntimeBaseSet.h) is left to the system.

struct RuntimeParts {
    bool web = false;   // a web panel: the browser engine
    bool sound = false; // a sound to play: the media stack
    bool operator==(const RuntimeParts&) const = default;
};

// Where this system keeps Qt's parts.
struct RuntimeSources {
    QString plugins;
    QString libraryExecutables;
    QString data;
    QString translations;
};
RuntimeSources QtRuntimeSources();

struct RuntimeFile {
    QString source; // a file of this system
    QString target; // below the runtime folder, with "/"
    // A library whose own search path names a system folder: its copy is
    // pointed at the folder it lies in.
    bool searchPathAtOrigin = false;
};

struct RuntimePlan {
    QList<RuntimeFile> files;
    // The oldest C library version ("2.36") that runs every file.
    QString glibc;
};

// player: the program whose copy is the runtime's player (its libraries
// are planned, not the program itself); modules: the files of the modules
// it carries for the parts. False with a reason when a file cannot be read
// or a library it needs is not on this system.
bool PlanLinuxRuntime(const QString& player, const QStringList& modules, const RuntimeParts& parts,
                      const RuntimeSources& sources, RuntimePlan& plan, QString* error);

// The folder below the runtime folder that holds the libraries, as the
// player copy's search path names it from its own folder.
inline constexpr char kRuntimeLibraryFolder[] = "lib";
