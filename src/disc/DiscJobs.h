// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "disc/BurnLibraries.h"
#include "burner/DiscEngine.h"
#include "disc/EngineEventQueue.h"

#include <atomic>

class IsoLayout;

// The long drive operations. Each runs on a worker thread, polls the drive
// and posts its progress and its end to the queue.

struct WriteJob {
    burn::burn_drive* drive = nullptr;
    IsoLayout* layout = nullptr;
    WriteSettings settings;
    bool toFile = false;            // an ISO file through a stdio: pseudo-drive
    int device = -1;
    std::atomic<bool>* cancel = nullptr;
    std::atomic<bool>* verified = nullptr;
};

// How a write ended: finished, cancelled or failed with its error.
struct WriteOutcome {
    int status = kWriteFailed;
    WriteError error;
};

// Writes the layout's image, then reads back exactly the image size and
// compares it with the checksum recorded in the image. Posts the progress
// statuses and file warnings; the outcome is finished only when libburn
// reports a good write, no failure message came and the read-back matched.
WriteOutcome RunWriteJob(const WriteJob& job, EngineEventQueue& events);
// Posts the end of a write: the error, if any, then the status.
void PostOutcome(EngineEventQueue& events, const WriteOutcome& outcome);

// How an erase ended: complete, or failed with the drive's error.
struct EraseOutcome {
    bool complete = false;
    DeviceError error;
};

// A quick (fast) blanking; it cannot be cancelled. Posts the start and the
// progress.
EraseOutcome RunEraseJob(burn::burn_drive* drive, int device, EngineEventQueue& events);
// Posts the end of an erase: the error, if any, then the status.
void PostOutcome(EngineEventQueue& events, int device, const EraseOutcome& outcome);

// Reads [0, size) back from the drive and checks the session checksum of
// the layout; the progress goes to onProgress (0..100). False with the
// reason when it cannot read or the data differs.
bool ReadBackMatches(burn::burn_drive* drive, const IsoLayout& layout, qint64 size,
                     const std::function<void(int)>& onProgress, const std::atomic<bool>& cancel,
                     QString& problem);
