// SPDX-License-Identifier: GPL-2.0-or-later
// Built-in modules that cannot be loaded leave their callers a null handle
// and nothing on the disk.
#include "platform/EmbeddedModule.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>

TEST(EmbeddedModule, DamagedOrEmptyImagesGiveNoHandleAndLeaveNoFile)
{
    const QStringList before = QDir::temp().entryList({"velomni-module-*"});
    const QByteArray notElf("this is not a shared library, only words");
    QByteArray truncatedElf("\x7f" "ELF\x02\x01\x01", 7);
    truncatedElf.append(QByteArray(50, '\0'));
    for (const QByteArray& image : {notElf, truncatedElf, QByteArray()}) {
        void* module = LoadEmbeddedModule("test", image);
        EXPECT_EQ(module, nullptr);
        EXPECT_EQ(ModuleFunction(module, "anything"), nullptr);
    }
    EXPECT_EQ(QDir::temp().entryList({"velomni-module-*"}), before);
}
