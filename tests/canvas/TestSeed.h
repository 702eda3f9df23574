// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>

#include <cstdio>
#include <random>

// The seed of a test's generated cases: VELOMNI_SEED when it is set, a new
// one otherwise. It is printed, so that a failing run can be repeated.
inline unsigned TestSeed(const char* cases)
{
    const QByteArray text = qgetenv("VELOMNI_SEED");
    const unsigned seed = text.isEmpty() ? std::random_device{}() : text.toUInt();
    std::printf("%s with VELOMNI_SEED=%u\n", cases, seed);
    return seed;
}
