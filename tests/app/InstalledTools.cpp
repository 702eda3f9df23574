// SPDX-License-Identifier: GPL-2.0-or-later
#include "InstalledTools.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString InstallTools(const TempDir& dir)
{
    const QString cli = dir.File("velomni-cli");
    EXPECT_TRUE(QFile::copy(VELOMNI_CLI_EXE, cli));
    EXPECT_TRUE(QFile::copy(VELOMNI_STUDIO_EXE, dir.File("velomni-studio")));
    EXPECT_TRUE(QFile::copy(QFileInfo(VELOMNI_CLI_EXE).dir().filePath("Default.ico"), dir.File("Default.ico")));
    return cli;
}
