// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "burner/DiscEngine.h"

#include <QStringList>

#include <memory>

// The disc engine over libburn (drives, writing, erasing) and libisofs
// (the image). It lives in a module the programs carry inside themselves
// and load when they first need it (src/disc), so a player copy of the
// program never needs the disc libraries. Long operations run on a worker
// thread; their events wait in a queue until DeliverEvents.
class LibburnEngine : public DiscEngine {
public:
    // False when the libraries cannot start.
    virtual bool IsUsable() const = 0;
    // True while a write or erase runs.
    virtual bool IsBusy() const = 0;
    // The libburn address of a device ("/dev/sr0", "stdio:/tmp/disc.img").
    virtual QString Address(int device) const = 0;
    // The reason the last refused call gave.
    virtual QString LastProblem() const = 0;
};

// A new engine from the module. extraDrives: pseudo-drive addresses listed
// after the system's drives, such as "stdio:/tmp/disc.img". Null when the
// module or the disc libraries cannot be loaded.
std::unique_ptr<LibburnEngine> NewLibburnEngine(const QStringList& extraDrives = {});

// The module's entry point.
using NewLibburnEngineFunction = LibburnEngine* (*)(const QStringList* extraDrives);
inline constexpr char kNewLibburnEngineName[] = "velomni_disc_engine_new";
