// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QtGlobal>

#include <iostream>
#include <random>

// The seed of a test's random sequence: VELOMNI_SEED when set, else a new
// one; printed either way, so a failing sequence can be run again.
inline unsigned TestSeed()
{
    bool given = false;
    const unsigned seed = qEnvironmentVariableIntValue("VELOMNI_SEED", &given);
    const unsigned used = given ? seed : std::random_device{}();
    std::cout << "seed " << used << " (repeat with VELOMNI_SEED=" << used << ")\n";
    return used;
}
