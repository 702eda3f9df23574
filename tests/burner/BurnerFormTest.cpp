// SPDX-License-Identifier: GPL-2.0-or-later
// The burner window over a scripted engine: lists, states, checks,
// messages and status texts as a user meets them.
#include "BurnerTesting.h"
#include "ScriptedEngine.h"
#include "burner/BurnerTexts.h"
#include "burner/CDBurnerForm.h"
#include "burner/LibburnEngine.h"
#include "support/ProcessStateGuard.h"
#include "support/RecordingMessageBoxes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <cstdio>

namespace {

ScriptedEngine::Drive Writer(const QString& name, QList<int> speeds = {})
{
    ScriptedEngine::Drive drive;
    drive.name = name;
    drive.speeds = std::move(speeds);
    drive.media = {kMediaDvdR, true, false};
    drive.freeBlocks = 2295104; // a blank DVD
    return drive;
}

// The enabled controls, by caption.
QStringList Enabled(const TCDBurnerForm& form)
{
    QStringList names;
    for (QPushButton* button : {form.Button1, form.Button2, form.Button8, form.Button3, form.Button4,
                                form.Button5, form.Button6})
        if (button->isEnabled()) names << button->text();
    if (form.ComboBox1->isEnabled()) names << "devices";
    if (form.ComboBox2->isEnabled()) names << "speeds";
    return names;
}

const QStringList kIdleWithWriter{"&Write", "&Save ISO File...", "&Quick Erase", "&Eject", "Close &Tray",
                                  "&Close", "devices", "speeds"};

struct BurnerFixture : testing::Test {
    ProcessStateGuard state;
    TempDir folder;
    ScriptedEngine engine;
    RecordingMessageBoxes boxes;
    ScriptedDialogs dialogs;

    std::unique_ptr<TCDBurnerForm> Open()
    {
        auto form = std::make_unique<TCDBurnerForm>(engine);
        EXPECT_TRUE(form->SetUp(folder.Path(), "My Project"));
        return form;
    }
    QStringList BoxTexts() const
    {
        QStringList texts;
        for (const auto& box : boxes.Boxes()) texts << box.caption + ": " + box.text;
        return texts;
    }
};

} // namespace

TEST_F(BurnerFixture, WithoutAWriterOnlySaveIsoAndCloseStayEnabled)
{
    ScriptedEngine::Drive reader = Writer("Reader");
    reader.writer = false;
    engine.drives = {reader};
    auto form = Open();
    EXPECT_EQ(BoxTexts(), QStringList{"Information: There is no compatible device!"});
    EXPECT_EQ(boxes.Boxes()[0].icon, MsgIcon::Information);
    EXPECT_EQ(form->ComboBox1->count(), 0);
    EXPECT_EQ(form->ChosenWriter(), -1);
    EXPECT_EQ(Enabled(*form), (QStringList{"&Save ISO File...", "&Close"}));
}

TEST_F(BurnerFixture, DevicesListWritersOnlyAndSpeedsShowFactorsOrMax)
{
    ScriptedEngine::Drive reader = Writer("Reader");
    reader.writer = false;
    engine.drives = {reader, Writer("Fast DVD", {5540, 2770}), Writer("File drive")};
    auto form = Open();
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    ASSERT_EQ(form->ComboBox1->count(), 2);
    EXPECT_EQ(form->ComboBox1->itemText(0), "Fast DVD");
    EXPECT_EQ(form->ComboBox1->itemData(1).value<TKVPair>().value, 2);
    EXPECT_EQ(form->ChosenWriter(), 1);
    ASSERT_EQ(form->ComboBox2->count(), 2);
    EXPECT_EQ(form->ComboBox2->itemText(0), "4.00x");
    EXPECT_EQ(form->ComboBox2->itemText(1), "2.00x");
    EXPECT_EQ(form->ComboBox2->itemData(1).value<TKVPair>().value, 2770);
    EXPECT_EQ(Enabled(*form), kIdleWithWriter);

    form->ComboBox1->setCurrentIndex(1);
    form->ComboBox1Change();
    EXPECT_EQ(form->ChosenWriter(), 2);
    ASSERT_EQ(form->ComboBox2->count(), 1);
    EXPECT_EQ(form->ComboBox2->itemText(0), "MAX");
    EXPECT_EQ(form->Panel1->text(), "");
}

TEST_F(BurnerFixture, TheLayoutHoldsEveryFolderThenEveryFileAndReportsWhatCannotBeAdded)
{
    QDir(folder.Path()).mkpath("locked");
    QDir(folder.Path()).mkpath("media/clips");
    folder.Write("velomni.vpj", "x");
    folder.Write(".hidden", "x");
    const QString lockedPattern = QDir::toNativeSeparators(folder.File("locked")) + "/*.*";
    engine.refusedSources = {lockedPattern};
    engine.drives = {Writer("DVD")};
    auto form = Open();

    EXPECT_EQ(BoxTexts(), QStringList{"Error: \"" + lockedPattern + "\" can not be added to the CD/DVD image!"});
    QStringList folders = engine.calls.filter("AddFolder");
    folders.sort();
    EXPECT_EQ(folders, (QStringList{"AddFolder " + lockedPattern + " \\locked",
                                    "AddFolder " + folder.File("media") + "/*.* \\media"}));
    // Every folder comes before the first file.
    EXPECT_TRUE(engine.calls[0].startsWith("AddFolder") && engine.calls[1].startsWith("AddFolder"));
    QStringList files = engine.calls.filter("AddFile");
    files.sort();
    EXPECT_EQ(files, (QStringList{"AddFile " + folder.File(".hidden") + " \\.hidden",
                                  "AddFile " + folder.File("velomni.vpj") + " \\velomni.vpj"}));

    boxes.Clear();
    engine.calls.clear();
    engine.refusedSources = {folder.File("velomni.vpj")};
    TCDBurnerForm again(engine);
    again.SetUp(folder.Path(), "X");
    EXPECT_EQ(BoxTexts(), QStringList{"Error: Can not add \"" + folder.File("velomni.vpj") + "\" to the image!"});
    EXPECT_EQ(engine.calls.filter("AddFile").size(), 2);
}

TEST_F(BurnerFixture, DevicesThatCannotStartShowTheMessageAndNoWindow)
{
    engine.initializes = false;
    EXPECT_FALSE(ShowBurnerWith(engine, folder.Path(), "X"));
    EXPECT_EQ(BoxTexts(), QStringList{"Error: Devices cannot be initialized!"});
}

TEST_F(BurnerFixture, WriteNeedsWritableMediaAndEnoughFreeSpace)
{
    engine.drives = {Writer("DVD")};
    auto form = Open();
    engine.drives[0].media = {};
    form->Button1Click();
    engine.drives[0].media = {kMediaCdR, false, false};
    form->Button1Click();
    EXPECT_EQ(BoxTexts(), (QStringList{"Information: Please insert writable media before continuing!",
                                       "Information: Please insert writable media before continuing!"}));

    boxes.Clear();
    engine.drives[0].media = {kMediaCdR, true, false};
    engine.drives[0].freeBlocks = 1000;
    engine.imageSize = 3 * 1048576 + 2048;
    form->Button1Click();
    EXPECT_EQ(BoxTexts(), QStringList{"Information: Free space on the loaded disc is 1.95 MB.\r\n"
                                      "This data image requires 3.00 MB of free space!"});
    EXPECT_TRUE(engine.calls.filter("StartWrite").isEmpty());
    EXPECT_EQ(form->Mode(), BurnerMode::Idle);
}

TEST_F(BurnerFixture, ASuccessfulWriteShowsItsProgressEjectsAndSaysItWasVerified)
{
    engine.drives = {Writer("DVD", {22160, 11080})};
    engine.drives[0].capabilities = {kCapUnderrunProof};
    engine.imageSize = 4096;
    auto form = Open();
    form->ComboBox2->setCurrentIndex(1);
    form->Button1Click();
    EXPECT_EQ(engine.calls.filter("Start"), QStringList{"StartWrite 0"});
    EXPECT_EQ(engine.lastSettings.speed, 11080);
    EXPECT_TRUE(engine.lastSettings.underrunProof);
    EXPECT_EQ(engine.volumeLabel, "My Project");
    EXPECT_EQ(form->Panel1->text(), "========== WRITE DATA TO CD/DVD ... ");
    EXPECT_EQ(form->Mode(), BurnerMode::Busy);
    EXPECT_EQ(Enabled(*form), QStringList{"&Abort"});

    DiscEngineEvents* events = engine.Receiver();
    events->OnWriteStatus(kWritePreparing, 0);
    EXPECT_EQ(form->Panel1->text(), "Preparing image...");
    events->OnWriteStatus(kWriteProgressData, 40);
    EXPECT_EQ(form->ProgressBar1->value(), 40);
    events->OnWriteStatus(kWriteLeadOut, 0);
    EXPECT_EQ(form->Panel1->text(), "Writing lead-out...");
    EXPECT_TRUE(events->OnTrackFileWarning({7, "file changed", "WARNING"}));
    EXPECT_EQ(form->Panel1->text(), "File Warning(7): file changed -- WARNING");
    EXPECT_TRUE(engine.calls.filter("Eject").isEmpty());
    events->OnWriteStatus(kWriteFinished, 100);
    EXPECT_EQ(form->Panel1->text(), "Write completed!");
    EXPECT_EQ(engine.calls.filter("Eject"), QStringList{"Eject 0"});
    EXPECT_EQ(BoxTexts(), QStringList{"Information: Write and verify complete!"});
    EXPECT_EQ(Enabled(*form), kIdleWithWriter);
}

TEST_F(BurnerFixture, AbortCancelsAndErrorsShowTheLibraryText)
{
    engine.drives = {Writer("DVD")};
    auto form = Open();
    form->Button1Click();
    form->Button2Click();
    EXPECT_EQ(engine.calls.filter("Abort"), QStringList{"Abort"});
    EXPECT_EQ(form->Panel1->text(), "Aborting write...");
    EXPECT_EQ(form->Mode(), BurnerMode::Busy);
    engine.Receiver()->OnWriteStatus(kWriteCancelled, 0);
    EXPECT_EQ(form->Panel1->text(), "Write cancelled!");
    EXPECT_EQ(form->Mode(), BurnerMode::Idle);

    form->Button1Click();
    WriteError error{kErrorDevice, 0x20114, "Write error on media", 5, "Input/output error"};
    engine.Receiver()->OnWriteError(error);
    engine.Receiver()->OnWriteStatus(kWriteFailed, 0);
    EXPECT_EQ(form->Panel1->text(), "Write error!");
    EXPECT_EQ(BoxTexts(), QStringList{"Error: Device Error: (131348)  Write error on media\r\n(5) Input/output error"});
    EXPECT_EQ(form->Mode(), BurnerMode::Idle);

    boxes.Clear();
    engine.startsWrite = false;
    form->Button1Click();
    EXPECT_EQ(BoxTexts(), QStringList{"Error: Disc write can not be started!"});
    EXPECT_EQ(form->Mode(), BurnerMode::Idle);
}

TEST_F(BurnerFixture, SaveIsoFileAsksForTheNameAndReportsTheEnd)
{
    engine.drives = {Writer("DVD")};
    auto form = Open();
    dialogs.saveFiles = {""};
    form->Button8Click();
    EXPECT_TRUE(engine.calls.filter("Start").isEmpty());

    dialogs.saveFiles = {"/tmp/out.iso"};
    form->Button8Click();
    EXPECT_EQ(dialogs.asked.last(), "save ISO File (*.iso)|*.iso .iso @ " + QFileInfo(folder.Path()).path());
    EXPECT_EQ(engine.calls.filter("Start"), QStringList{"StartSaveIso /tmp/out.iso"});
    EXPECT_EQ(engine.volumeLabel, "My Project");
    EXPECT_EQ(form->Panel1->text(), "File name: /tmp/out.iso");
    EXPECT_EQ(form->Mode(), BurnerMode::Busy);
    engine.Receiver()->OnWriteStatus(kWriteFinished, 100);
    EXPECT_EQ(form->Panel1->text(), "Save ISO image file completed!");
    EXPECT_EQ(BoxTexts(), QStringList{"Information: Save ISO image completed!"});
    EXPECT_TRUE(engine.calls.filter("Eject").isEmpty());

    boxes.Clear();
    engine.startsIso = false;
    dialogs.saveFiles = {"/tmp/out.iso"};
    form->Button8Click();
    EXPECT_EQ(BoxTexts(), QStringList{"Error: Error creating ISO File."});
    EXPECT_EQ(form->Mode(), BurnerMode::Idle);
}

TEST_F(BurnerFixture, SaveIsoFileStartsOutsideTheProjectAndAsksBeforeWritingInsideIt)
{
    engine.drives = {Writer("DVD")};
    TempDir images;
    auto form = Open();
    const QString above = QFileInfo(folder.Path()).path();

    // Inside the project folder: asked, and No writes nothing.
    const QString inside = folder.File("menu.iso");
    dialogs.saveFiles = {inside};
    boxes.Script({MsgAnswer::No});
    form->Button8Click();
    EXPECT_EQ(dialogs.asked.last(), "save ISO File (*.iso)|*.iso .iso @ " + above);
    EXPECT_EQ(BoxTexts(), QStringList{"Confirm: The image file is inside the project folder, so it would go onto "
                                      "the next disc made from it. Save it there anyway?"});
    EXPECT_TRUE(engine.calls.filter("Start").isEmpty());

    // Outside: no question; the next dialog starts where this image went.
    boxes.Clear();
    dialogs.saveFiles = {images.File("menu.iso")};
    form->Button8Click();
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_EQ(engine.calls.filter("Start"), QStringList{"StartSaveIso " + images.File("menu.iso")});
    engine.Receiver()->OnWriteStatus(kWriteFinished, 100);
    boxes.Clear();

    dialogs.saveFiles = {inside};
    boxes.Script({MsgAnswer::Yes});
    form->Button8Click();
    EXPECT_EQ(dialogs.asked.last(), "save ISO File (*.iso)|*.iso .iso @ " + images.Path());
    EXPECT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(engine.calls.filter("Start").last(), "StartSaveIso " + inside);

    // An image kept inside the project does not make the dialog start there.
    engine.Receiver()->OnWriteStatus(kWriteFinished, 100);
    dialogs.saveFiles = {""};
    form->Button8Click();
    EXPECT_EQ(dialogs.asked.last(), "save ISO File (*.iso)|*.iso .iso @ " + above);
}

TEST_F(BurnerFixture, QuickEraseChecksTheMediaAndTheWritersCapability)
{
    engine.drives = {Writer("DVD")};
    auto form = Open();
    engine.drives[0].media = {};
    form->Button3Click();
    engine.drives[0].media = {kMediaDvdR, true, false};
    form->Button3Click();
    engine.drives[0].media = {kMediaDvdPlusRw, true, true};
    form->Button3Click();
    EXPECT_EQ(BoxTexts(), (QStringList{"Information: No media loaded!",
                                       "Information: The current media is not re-writable!",
                                       "Error: Selected drive does not support re-writable discs of this format."}));
    EXPECT_TRUE(engine.calls.filter("Erase").isEmpty());

    boxes.Clear();
    engine.drives[0].capabilities = {kCapDvdPlusRw};
    form->Button3Click();
    EXPECT_EQ(engine.calls.filter("Erase"), QStringList{"StartQuickErase 0"});
    EXPECT_EQ(form->Panel1->text(), "========== ERASE DISC ... ");
    engine.Receiver()->OnEraseStatus(0, kEraseStarted, 0);
    EXPECT_EQ(form->Panel1->text(), "Erasing disc, please wait...");
    EXPECT_EQ(form->Mode(), BurnerMode::Busy);
    engine.Receiver()->OnEraseStatus(0, kEraseProgress, 30);
    EXPECT_EQ(form->ProgressBar1->value(), 30);
    engine.Receiver()->OnEraseStatus(0, kEraseComplete, 100);
    EXPECT_EQ(form->Panel1->text(), "Erase operation complete!");
    EXPECT_EQ(BoxTexts(), QStringList{"Information: Erase operation complete."});
    EXPECT_EQ(form->Mode(), BurnerMode::Idle);

    boxes.Clear();
    form->Button3Click();
    engine.Receiver()->OnEraseStatus(0, kEraseStarted, 0);
    engine.Receiver()->OnEraseError({3, "Medium not present", "FAILURE", "No medium found"});
    engine.Receiver()->OnEraseStatus(0, kEraseFailed, 0);
    EXPECT_EQ(BoxTexts(), QStringList{"Error: Device Error: (3) Medium not present\r\n(FAILURE) - No medium found"});
    EXPECT_EQ(form->Panel1->text(), "Error erasing disc!");

    boxes.Clear();
    engine.startsErase = false;
    form->Button3Click();
    EXPECT_EQ(BoxTexts(), QStringList{"Error: Can not start erase operation!"});
}

TEST_F(BurnerFixture, EjectAndCloseTrayActOnTheChosenWriterAndClosingWaitsForTheEnd)
{
    engine.drives = {Writer("A"), Writer("B")};
    auto form = Open();
    form->ComboBox1->setCurrentIndex(1);
    form->ComboBox1Change();
    form->Button4Click();
    form->Button5Click();
    EXPECT_EQ(engine.calls.filter(QRegularExpression("Eject|Close")), (QStringList{"Eject 1", "CloseTray 1"}));

    form->show();
    form->Button1Click();
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    engine.Receiver()->OnWriteStatus(kWriteCancelled, 0);
    EXPECT_TRUE(form->close());
}

TEST(BurnerRules, ButtonStatesFollowTheModeTheWriterAndTheDeviceList)
{
    const BurnerButtonStates busy = ButtonStatesFor(BurnerMode::Busy, true, true);
    EXPECT_TRUE(busy.abort);
    EXPECT_FALSE(busy.write || busy.saveIso || busy.quickErase || busy.eject || busy.closeTray || busy.close ||
                 busy.deviceList || busy.speedList);
    const BurnerButtonStates none = ButtonStatesFor(BurnerMode::Idle, false, false);
    EXPECT_TRUE(none.saveIso && none.close);
    EXPECT_FALSE(none.abort || none.write || none.quickErase || none.eject || none.closeTray || none.deviceList);
}

TEST(BurnerRules, TextsFromValues)
{
    EXPECT_EQ(SpeedText(4), "4.00x");
    EXPECT_EQ(SpeedText(0.5), "0.50x");
    EXPECT_EQ(SpeedText(16.0 / 3), "5.33x");
    EXPECT_EQ(MegabyteText(0), "0.00 MB");
    EXPECT_EQ(MegabyteText(734003200), "700.00 MB");
    EXPECT_EQ(WriteErrorText({kErrorOutputFile, 2, "No space left", 0, ""}), "Output File Error: (2) - No space left");
    EXPECT_EQ(WriteErrorText({kErrorSourceFile, 3, "Cannot read", 0, ""}), "Source File Error: (3) - Cannot read");
    EXPECT_EQ(WriteErrorText({kErrorSystem, 4, "Out of memory", 0, ""}), "System Error: (4) Out of memory");
    EXPECT_EQ(WriteErrorText({kErrorVerify, 0, "Differs", 0, ""}), "Write Error: (0) Differs");
    EXPECT_EQ(WriteStatusText(kWriteLeadIn), "Writing lead-in...");
    EXPECT_EQ(WriteStatusText(kWriteClosingTrack), "Closing track...");
    EXPECT_EQ(WriteStatusText(kWriteUpdatingVolume), "Updating volume...");
    EXPECT_EQ(WriteStatusText(kWriteOther), "");
}

TEST(BurnerRules, EraseNeedsTheCapabilityOfItsMediaType)
{
    EXPECT_EQ(EraseCapabilityFor(9), 17);
    EXPECT_EQ(EraseCapabilityFor(4), 19);
    EXPECT_EQ(EraseCapabilityFor(2), 22);
    EXPECT_EQ(EraseCapabilityFor(5), 23);
    EXPECT_EQ(EraseCapabilityFor(15), 27);
    EXPECT_EQ(EraseCapabilityFor(kMediaCdR), 0);
    EXPECT_EQ(EraseCapabilityFor(kMediaFile), 0);
}

TEST(BurnerRules, FolderPatternsKeepARootsSeparator)
{
    EXPECT_EQ(FolderPattern("/data/project"), "/data/project/*.*");
    EXPECT_EQ(FolderPattern("/data/project/"), "/data/project/*.*");
    EXPECT_EQ(FolderPattern("/"), "/*.*");
}

TEST(BurnerWindow, SavesAnIsoFileThroughTheRealEngineWhileStayingResponsive)
{
    TempDir temp;
    const QString folder = temp.File("project");
    QDir().mkpath(folder + "/docs");
    TempDir::Read(temp.Write("project/docs/readme.txt", "read me"));
    RecordingMessageBoxes boxes;
    ScriptedDialogs dialogs;
    const std::unique_ptr<LibburnEngine> loaded = NewLibburnEngine();
    ASSERT_TRUE(loaded);
    LibburnEngine& engine = *loaded;
    TCDBurnerForm form(engine);
    ASSERT_TRUE(form.SetUp(folder, "Window Test"));
    const QString image = temp.File("window.iso");
    dialogs.saveFiles = {image};
    form.Button8Click();
    EXPECT_EQ(form.Mode(), BurnerMode::Busy);
    // The events come through the window's timer while the event loop runs.
    for (int i = 0; i < 600 && form.Mode() == BurnerMode::Busy; ++i) QTest::qWait(50);
    EXPECT_EQ(form.Mode(), BurnerMode::Idle);
    EXPECT_EQ(form.Panel1->text(), "Save ISO image file completed!");
    ASSERT_FALSE(boxes.Boxes().isEmpty());
    EXPECT_EQ(boxes.Boxes().last().text, "Save ISO image completed!");
    EXPECT_EQ(form.ProgressBar1->value(), 100);
    EXPECT_EQ(DescriptorVolumeId(image, 2), "Window Test");
}

TEST_F(BurnerFixture, ANameInAnotherCharacterSetIsReportedNotLeftOutUnseen)
{
    folder.Write("ok.txt", "x");
    // "café.txt" in Latin-1: not UTF-8, so Qt's listing leaves it out.
    const QByteArray latin1 = QFile::encodeName(folder.Path()) + "/caf\xe9.txt";
    FILE* file = std::fopen(latin1.constData(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    engine.drives = {Writer("DVD")};
    auto form = Open();
    EXPECT_EQ(BoxTexts(), QStringList{"Error: Can not add \"" + folder.File(QString::fromUtf8("caf\xEF\xBF\xBD.txt")) +
                                      "\" to the image!"});
    EXPECT_EQ(engine.calls.filter("AddFile").size(), 1);
}
