// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <thread>

// Reads the system's font list on a thread of its own while start-up goes
// on: building the font database takes longer than loading a menu, and the
// first text drawn would otherwise wait for it on the main thread. The
// font database is safe to use from several threads. Make it after the
// application and let it go before the application ends.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    std::thread m_thread;
};
