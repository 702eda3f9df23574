// SPDX-License-Identifier: GPL-2.0-or-later
// Save and Burn: the burner window opens after a successful save, on the
// project folder with the project's disc label.
#include "burner/CDBurnerForm.h"
#include "burner/IsoFilePlace.h"
#include "model/IniFile.h"
#include "model/ProcessState.h"
#include "platform/VersionInfo.h"
#include "player/VelomniForm.h"
#include "document/DesignDocument.h"
#include "studio/MainForm.h"
#include "studio/StudioSettings.h"
#include "support/ProcessStateGuard.h"
#include "support/ModalWindows.h"
#include "support/RecordingMessageBoxes.h"
#include "support/RecordingShell.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

// The Joliet volume identifier of an image: the name desktops show.
QString JolietLabel(const QString& image)
{
    QFile file(image);
    if (!file.open(QIODevice::ReadOnly)) return {};
    file.seek(17 * 2048);
    const QByteArray d = file.read(72);
    if (d.size() < 72 || quint8(d[0]) != 2) return {};
    QString text;
    for (int i = 40; i < 72; i += 2) text += QChar((quint8(d[i]) << 8) | quint8(d[i + 1]));
    return text.trimmed();
}

class SaveAndBurnTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved = {IsStudio, ExeFolder, ProjectFolder, StudioVersion};
        IsStudio = true;
        ExeFolder = exe.Path();
        ProjectFolder = project.Path();
        form = std::make_unique<TMainForm>(std::make_unique<TVelomniForm>());
        form->Document().Restart(true);
        form->SetPlayerSource(VERSION_FIXTURE);
        StudioVersion = ReadFileVersion(VERSION_FIXTURE);
        form->MenuWindow().Settings().CDLabel = "Family Disc";
    }
    void TearDown() override
    {
        form.reset();
        std::tie(IsStudio, ExeFolder, ProjectFolder, StudioVersion) = m_saved;
    }

    TempDir exe, project, output;
    RecordingMessageBoxes boxes;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    std::unique_ptr<TMainForm> form;

private:
    std::tuple<bool, QString, QString, QString> m_saved;
};

} // namespace

TEST_F(SaveAndBurnTest, TheBurnerOpensOnTheSavedFolderWithTheDiscLabel)
{
    const QString image = output.File("saved.iso");
    dialogs.saveFiles = {image};
    QString title;
    const int windows = WithModal([&] { form->BurnCDDVD1Click(); },
                                  [&](QWidget* window) {
                                      auto* burner = qobject_cast<TCDBurnerForm*>(window);
                                      if (!burner) return;
                                      title = burner->windowTitle();
                                      burner->Button8Click();
                                      for (int i = 0; i < 600 && burner->Mode() == BurnerMode::Busy; ++i)
                                          QTest::qWait(50);
                                  });
    EXPECT_EQ(windows, 1);
    EXPECT_EQ(title, "Burn CD/DVD");
    EXPECT_FALSE(form->Document().Modified());
    EXPECT_TRUE(QFileInfo::exists(project.File("autorun.inf")));
    EXPECT_EQ(JolietLabel(image), "Family Disc");
}

TEST_F(SaveAndBurnTest, AFailedSaveOpensNoBurner)
{
    ProjectFolder = project.File("gone");
    const int windows = WithModal([&] { form->BurnCDDVD1Click(); }, [](QWidget*) {});
    EXPECT_EQ(windows, 0);
}

TEST_F(SaveAndBurnTest, TheFolderOfTheLastImageIsWhereTheNextRunStarts)
{
    const ProcessStateGuard state;
    LastImageFolder.clear();
    dialogs.saveFiles = {output.File("kept.iso")};
    WithModal([&] { form->BurnCDDVD1Click(); },
              [&](QWidget* window) {
                  auto* burner = qobject_cast<TCDBurnerForm*>(window);
                  if (!burner) return;
                  burner->Button8Click();
                  for (int i = 0; i < 600 && burner->Mode() == BurnerMode::Busy; ++i) QTest::qWait(50);
              });
    const TIniFile settings(StudioSettingsPath(exe.Path()));
    EXPECT_EQ(settings.ReadString("BURNER", "ImageFolder", ""), output.Path());

    // The next run knows it from the settings file; one remembered in this
    // run comes first.
    LastImageFolder.clear();
    form->LoadSettings();
    EXPECT_EQ(LastImageFolder, output.Path());
    EXPECT_EQ(IsoStartFolder(project.Path()), output.Path());
    LastImageFolder = project.Path() + "/..";
    form->LoadSettings();
    EXPECT_EQ(LastImageFolder, project.Path() + "/..");
}
