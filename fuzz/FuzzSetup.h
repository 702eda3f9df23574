// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/ProcessState.h"
#include "platform/MessageBoxes.h"

#include <QApplication>

#include <cstddef>
#include <cstdint>

// What every fuzz target needs once: an application on the offscreen
// platform, never destroyed (a static one would be torn down after the Qt
// globals it uses), and message boxes that answer OK without showing.
inline void SetUpFuzzing()
{
    class SilentMessageBoxes final : public MessageBoxes {
    public:
        MsgAnswer Show(const QString&, const QString&, MsgIcon, MsgButtons) override { return MsgAnswer::Ok; }
    };
    static const bool ready = [] {
        static int argc = 1;
        static char name[] = "fuzz";
        static char* argv[] = {name, nullptr};
        static SilentMessageBoxes boxes;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
        SetMessageBoxes(&boxes);
        IsStudio = true;
        return true;
    }();
    (void)ready;
}

inline QByteArray FuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}
