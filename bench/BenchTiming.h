// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

// The middle of the values (the upper one of the two for an even count).
inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median time of body over runs, in milliseconds. prepare runs before
// each timed run, outside the time.
inline double MedianMs(int runs, const std::function<void()>& body, const std::function<void()>& prepare = {})
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare) prepare();
        QElapsedTimer timer;
        timer.start();
        body();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return Median(std::move(times));
}
