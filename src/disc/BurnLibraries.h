// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The one place that includes libisofs and libburn together. libisofs
// needs the fixed-width integer types declared first, and in C++ libburn
// puts its declarations into namespace burn while libisofs declares a
// global struct burn_source: the two name the same C structure, which
// AsBurnSource converts between.
#include <cstdint>

#include <libisofs/libisofs.h>
#include <libburn/libburn.h>

#include <QString>

inline burn::burn_source* AsBurnSource(::burn_source* source)
{
    return reinterpret_cast<burn::burn_source*>(source);
}

// Starts both libraries once per process: names are UTF-8 whatever the
// locale, and messages are queued for us instead of printed. False when a
// library cannot start.
bool UseBurnLibraries();

// While one exists, a signal does not end the process from inside libburn:
// the drives are cancelled and the program sees BurnAbortRequested().
class BurnSignalGuard {
public:
    BurnSignalGuard();
    ~BurnSignalGuard();
    BurnSignalGuard(const BurnSignalGuard&) = delete;
    BurnSignalGuard& operator=(const BurnSignalGuard&) = delete;
};
bool BurnAbortRequested();

// One queued library message.
struct BurnMessage {
    int code = 0;
    int osErrno = 0;
    QString severity;
    QString text;
};
// Takes libburn's queued messages of at least the given severity.
QList<BurnMessage> TakeBurnMessages(const char* minimumSeverity);
// Takes libisofs's queued messages of at least the given severity.
QList<BurnMessage> TakeIsoMessages(const char* minimumSeverity);
