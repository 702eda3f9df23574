// SPDX-License-Identifier: GPL-2.0-or-later
// Whole disc writes through libburn into stdio: pseudo-drives: media and
// space, the written data read back, and failures never reported as
// success.
#include "BurnerTesting.h"
#include "burner/LayoutBuilder.h"
#include "burner/LibburnEngine.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace {

struct DiscFixture : testing::Test {
    TempDir temp;
    QString folder = temp.File("project");
    RecordingEvents events;

    // An engine whose last device is the given pseudo-drive, with the
    // folder laid out.
    std::unique_ptr<LibburnEngine> Engine(const QString& address, int& device)
    {
        std::unique_ptr<LibburnEngine> engine = NewLibburnEngine(QStringList{address});
        if (!engine) throw std::runtime_error("the disc module did not load");
        EXPECT_TRUE(engine->InitializeDevices());
        device = engine->DeviceCount() - 1;
        EXPECT_EQ(engine->Address(device), address);
        engine->SetEvents(&events);
        EXPECT_EQ(BuildLayout(*engine, folder, [](const QString&) {}), 0);
        return engine;
    }
};

} // namespace

TEST_F(DiscFixture, AFolderWrittenToAStdioDriveReadsBackIdentical)
{
    QDir().mkpath(folder);
    MakeAwkwardFolder(folder);
    const QString disc = temp.File("disc.img");
    int device = -1;
    auto engine = Engine("stdio:" + disc, device);
    EXPECT_TRUE(engine->IsWriter(device));
    EXPECT_EQ(engine->DisplayName(device), "stdio:" + disc);
    EXPECT_TRUE(engine->WriteSpeeds(device).isEmpty());

    const MediaInfo media = engine->RefreshMedia(device);
    EXPECT_EQ(media.type, kMediaFile);
    EXPECT_TRUE(media.writable);
    EXPECT_FALSE(media.rewritable);
    EXPECT_FALSE(engine->HasCapability(device, kCapCdRw));
    const qint64 image = engine->ImageSize();
    EXPECT_GT(image, 300000);
    EXPECT_EQ(image % engine->BlockSize(), 0);
    EXPECT_GT(engine->FreeBlocks(device) * engine->BlockSize(), image);

    engine->SetVolumeLabel("Family");
    ASSERT_TRUE(engine->StartWrite(device, WriteSettings{}));
    EXPECT_TRUE(engine->IsBusy());
    EXPECT_FALSE(engine->StartSaveIso(temp.File("other.iso")));
    ASSERT_EQ(WaitForWriteEnd(*engine, events), kWriteFinished);
    EXPECT_TRUE(events.errors.isEmpty());
    EXPECT_TRUE(engine->Verified());
    EXPECT_TRUE(events.statuses.contains(kWritePreparing));
    EXPECT_TRUE(events.statuses.contains(kWriteProgressVerify));
    EXPECT_EQ(QFileInfo(disc).size(), image);

    const QString extracted = temp.File("extracted");
    ASSERT_TRUE(ExtractImage(disc, extracted));
    EXPECT_EQ(TreeDescription(extracted), TreeDescription(folder));
    EXPECT_EQ(DescriptorVolumeId(disc, 2), "Family");
    engine->Eject(device);
}

TEST_F(DiscFixture, ADriveThatCannotTakeTheDataEndsInAnErrorWithLibburnsText)
{
    QDir().mkpath(folder);
    MakeAwkwardFolder(folder);
    int device = -1;
    // Every write to /dev/full fails with "No space left on device".
    auto engine = Engine("stdio:/dev/full", device);
    ASSERT_TRUE(engine->StartWrite(device, WriteSettings{}));
    EXPECT_EQ(WaitForWriteEnd(*engine, events), kWriteFailed);
    ASSERT_FALSE(events.errors.isEmpty());
    EXPECT_EQ(events.errors[0].kind, kErrorDevice);
    EXPECT_FALSE(events.errors[0].text.isEmpty());
    EXPECT_FALSE(engine->Verified());
}

TEST_F(DiscFixture, DataThatCannotBeReadBackIsNeverReportedAsWritten)
{
    QDir().mkpath(folder);
    MakeAwkwardFolder(folder);
    int device = -1;
    // /dev/null takes every byte and gives none back.
    auto engine = Engine("stdio:/dev/null", device);
    ASSERT_TRUE(engine->StartWrite(device, WriteSettings{}));
    EXPECT_EQ(WaitForWriteEnd(*engine, events), kWriteFailed);
    ASSERT_EQ(events.errors.size(), 1);
    EXPECT_EQ(events.errors[0].kind, kErrorVerify);
    EXPECT_FALSE(engine->Verified());
}

TEST_F(DiscFixture, ADummyWriteWritesNothingAndIsNotVerified)
{
    QDir().mkpath(folder);
    MakeAwkwardFolder(folder);
    const QString disc = temp.File("dummy.img");
    int device = -1;
    auto engine = Engine("stdio:" + disc, device);
    WriteSettings settings;
    settings.simulate = true;
    ASSERT_TRUE(engine->StartWrite(device, settings));
    EXPECT_EQ(WaitForWriteEnd(*engine, events), kWriteFinished);
    EXPECT_FALSE(engine->Verified());
    EXPECT_LE(QFileInfo(disc).size(), 0);
}

TEST_F(DiscFixture, AnEraseTheMediaRefusesEndsInAnErrorWithLibburnsText)
{
    QDir().mkpath(folder);
    MakeAwkwardFolder(folder);
    const QString disc = temp.File("erase.img");
    int device = -1;
    auto engine = Engine("stdio:" + disc, device);
    ASSERT_TRUE(engine->StartWrite(device, WriteSettings{}));
    ASSERT_EQ(WaitForWriteEnd(*engine, events), kWriteFinished);
    ASSERT_TRUE(engine->StartQuickErase(device));
    for (int i = 0; i < 1000 && !events.eraseStatuses.contains(kEraseComplete) &&
                    !events.eraseStatuses.contains(kEraseFailed);
         ++i) {
        QThread::msleep(20);
        engine->DeliverEvents();
    }
    ASSERT_FALSE(events.eraseStatuses.isEmpty());
    // A file cannot be blanked; the refusal must not read as a finished erase.
    EXPECT_EQ(events.eraseStatuses.first(), kEraseStarted);
    EXPECT_EQ(events.eraseStatuses.last(), kEraseFailed);
    ASSERT_EQ(events.eraseErrors.size(), 1);
    EXPECT_FALSE(events.eraseErrors[0].text.isEmpty());
    EXPECT_FALSE(engine->IsBusy());
}
