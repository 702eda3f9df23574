// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/StreamError.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cstring>

// Pixels alone: QImage's == also compares the colour spaces.
inline bool SamePixels(const QImage& actual, const QImage& expected)
{
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32);
    const QImage b = expected.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height() && a.size() == b.size(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), size_t(a.width()) * 4) != 0) return false;
    return a.size() == b.size();
}

// The same, naming the first pixel that differs.
inline void ExpectSamePixels(const QImage& actual, const QImage& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32);
    const QImage e = expected.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < e.height(); ++y)
        for (int x = 0; x < e.width(); ++x)
            ASSERT_EQ(a.pixel(x, y), e.pixel(x, y)) << "at " << x << "," << y;
}

// The error number of the StreamError that f throws; 0 when it throws none.
template <class F> int ErrorOf(F f)
{
    try {
        f();
    } catch (const StreamError& e) {
        return e.OsError();
    }
    return 0;
}
