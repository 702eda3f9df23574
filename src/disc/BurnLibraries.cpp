// SPDX-License-Identifier: GPL-2.0-or-later
#include "disc/BurnLibraries.h"

#include <QList>

#include <mutex>

namespace {

bool StartLibraries()
{
    if (iso_init() < 0) return false;
    if (!burn::burn_initialize()) return false;
    // Path names are handed over as UTF-8 bytes; Joliet and Rock Ridge
    // names are converted from that, not from the locale's character set.
    static char utf8[] = "UTF-8";
    iso_set_local_charset(utf8, 0);
    static char never[] = "NEVER";
    static char all[] = "ALL";
    static char prefix[] = "velomni : ";
    burn::burn_msgs_set_severities(all, never, prefix);
    iso_set_msgs_severities(all, never, prefix);
    return true;
}

std::mutex guardMutex;
int guardCount = 0;

// Mode 0x30: libburn's own handler cancels the drives and returns instead
// of calling exit(), leaving the ending to the program; 0x100 ignores
// SIGPIPE. Mode 1 restores the system's default reactions.
constexpr int kHandleAndReturn = 0x130;
constexpr int kSystemDefault = 1;

} // namespace

bool UseBurnLibraries()
{
    static const bool started = StartLibraries();
    return started;
}

BurnSignalGuard::BurnSignalGuard()
{
    const std::lock_guard lock(guardMutex);
    static char prefix[] = "velomni : ";
    if (guardCount++ == 0) burn::burn_set_signal_handling(prefix, nullptr, kHandleAndReturn);
}

BurnSignalGuard::~BurnSignalGuard()
{
    const std::lock_guard lock(guardMutex);
    if (--guardCount == 0 && !burn::burn_is_aborting(0))
        burn::burn_set_signal_handling(nullptr, nullptr, kSystemDefault);
}

bool BurnAbortRequested()
{
    return burn::burn_is_aborting(0) != 0;
}

QList<BurnMessage> TakeBurnMessages(const char* minimumSeverity)
{
    QList<BurnMessage> messages;
    char text[BURN_MSGS_MESSAGE_LEN];
    char severity[80];
    int code = 0;
    int osErrno = 0;
    QByteArray minimum(minimumSeverity);
    while (burn::burn_msgs_obtain(minimum.data(), &code, text, &osErrno, severity) > 0)
        messages.append({code, osErrno, QString::fromLatin1(severity), QString::fromUtf8(text).trimmed()});
    return messages;
}

QList<BurnMessage> TakeIsoMessages(const char* minimumSeverity)
{
    QList<BurnMessage> messages;
    char text[4096];
    char severity[80];
    int code = 0;
    int imageId = 0;
    QByteArray minimum(minimumSeverity);
    while (iso_obtain_msgs(minimum.data(), &code, &imageId, text, severity) > 0)
        messages.append({code, 0, QString::fromLatin1(severity), QString::fromUtf8(text).trimmed()});
    return messages;
}
