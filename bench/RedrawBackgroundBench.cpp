// SPDX-License-Identifier: GPL-2.0-or-later
// Each gradient style on a 1920x1080 RGB32 surface against a plain fill of
// the same surface in the same run. Prints the median times and their
// ratio; the target is a ratio within 2.
#include "model/ProjectSettings.h"
#include "player/Gradient.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

double ElapsedMs(const std::function<void()>& body)
{
    QElapsedTimer timer;
    timer.start();
    body();
    return double(timer.nsecsElapsed()) / 1e6;
}

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

const char* StyleName(int style)
{
    static const char* const names[] = {"None",           "TopBottom",       "BottomTop",
                                        "LeftRight",      "RightLeft",       "MiddleTopBottom",
                                        "MiddleLeftRight", "TopBottomMiddle", "LeftRightMiddle"};
    return names[style];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const QPalette palette;
    const TColor c1 = RgbColor(12, 200, 90);
    const TColor c2 = RgbColor(240, 16, 170);

    QImage surface(1920, 1080, QImage::Format_RGB32);
    const QRgb plain = qRgb(12, 200, 90);
    // One untimed pass of each so that page faults fall outside the runs.
    surface.fill(plain);
    for (int style = gsTopBottom; style <= gsLeftRightMiddle; ++style)
        GradientFill(surface, style, c1, c2, palette);

    std::printf("1920x1080 RGB32, median of %d runs\n", runs);
    double worst = 0;
    for (int style = gsTopBottom; style <= gsLeftRightMiddle; ++style) {
        // Runs of both alternate, so a busy machine slows them alike.
        std::vector<double> fills;
        std::vector<double> gradients;
        for (int run = 0; run < runs; ++run) {
            fills.push_back(ElapsedMs([&] { surface.fill(plain); }));
            gradients.push_back(ElapsedMs([&] { GradientFill(surface, style, c1, c2, palette); }));
        }
        const double fill = Median(fills);
        const double gradient = Median(gradients);
        const double ratio = gradient / fill;
        worst = std::max(worst, ratio);
        std::printf("%d %-16s gradient %7.3f ms   fill %7.3f ms   ratio %.2f (target 2.0)\n", style,
                    StyleName(style), gradient, fill, ratio);
    }
    std::printf("worst ratio %.2f\n", worst);
    return 0;
}
