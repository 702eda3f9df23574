// SPDX-License-Identifier: GPL-2.0-or-later
// Which folder a player takes as its project: its own, or for the player
// in a disc's runtime folder the disc's root above it.
#include "model/DiscLayout.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>

TEST(DiscLayout, ThePlayerInTheRuntimeFolderPlaysTheProjectAtTheDiscsRoot)
{
    TempDir disc;
    const QString runtime = disc.File(LinuxRuntimeFolderName());
    QDir().mkpath(runtime);
    EXPECT_EQ(LinuxRuntimeFolderName(), QStringLiteral("linux-x86_64"));

    // No data file anywhere: the player's own folder, whose missing data
    // file it reports.
    EXPECT_EQ(PlayerProjectFolder(runtime, "velomni.vpj"), runtime);
    disc.Write("velomni.vpj", "data");
    EXPECT_EQ(PlayerProjectFolder(runtime, "velomni.vpj"), disc.Path());
    // The root's player, and a data file beside the player, stay where they are.
    EXPECT_EQ(PlayerProjectFolder(disc.Path(), "velomni.vpj"), disc.Path());
    disc.Write(LinuxRuntimeFolderName() + "/velomni.vpj", "data");
    EXPECT_EQ(PlayerProjectFolder(runtime, "velomni.vpj"), runtime);

    // Another folder's name is never taken for the runtime folder.
    const QString other = disc.File("linux");
    QDir().mkpath(other);
    EXPECT_EQ(PlayerProjectFolder(other, "velomni.vpj"), other);
}
