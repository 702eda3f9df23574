// SPDX-License-Identifier: GPL-2.0-or-later
// Programs the player starts get the environment the user had before
// autorun.sh set up the runtime's.
#include "platform/ChildEnvironment.h"

#include <gtest/gtest.h>

TEST(ChildEnvironment, TheRuntimesVariablesAreTakenOutOrGivenTheirOldValuesBack)
{
    QProcessEnvironment own;
    own.insert("HOME", "/home/user");
    own.insert("PATH", "/usr/bin");
    EXPECT_EQ(EnvironmentForOtherPrograms(own), own);

    QProcessEnvironment user = own;
    user.insert("QT_QPA_PLATFORM", "wayland");
    user.insert("QT_PLUGIN_PATH", "/opt/plugins");

    QProcessEnvironment runtime = own;
    runtime.insert("VELOMNI_RUNTIME_VARIABLES", " QT_QPA_PLATFORM QT_PLUGIN_PATH LD_LIBRARY_PATH  GST_REGISTRY_1_0");
    runtime.insert("QT_QPA_PLATFORM", "xcb");
    runtime.insert("VELOMNI_SAVED_QT_QPA_PLATFORM", "wayland");
    runtime.insert("VELOMNI_SAVED_QT_PLUGIN_PATH", "/opt/plugins");
    runtime.insert("LD_LIBRARY_PATH", "/media/disc/linux-x86_64/lib");
    runtime.insert("GST_REGISTRY_1_0", "/home/user/.cache/velomni/registry.bin");
    EXPECT_EQ(EnvironmentForOtherPrograms(runtime), user);

    // A value that was empty comes back empty, not removed.
    runtime.insert("VELOMNI_SAVED_LD_LIBRARY_PATH", "");
    user.insert("LD_LIBRARY_PATH", "");
    EXPECT_EQ(EnvironmentForOtherPrograms(runtime), user);
}
