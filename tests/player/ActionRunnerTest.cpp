// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/ActionRunner.h"

#include "model/Kinds.h"
#include "model/ProcessState.h"
#include "model/VoObject.h"
#include "player/SoundChannels.h"
#include "support/ProcessStateGuard.h"
#include "support/RecordingMessageBoxes.h"
#include "support/RecordingShell.h"

#include <gtest/gtest.h>

#include <QDir>

#include <functional>

namespace {

// Records each channel call as one line, and lets a test act while a
// sound call is being made.
class RecordingSounds final : public TSoundChannels {
public:
    void PlaySoundChannel(int channel, const QString& file, bool loop) override
    {
        Log.append(QStringLiteral("play %1 %2%3").arg(channel).arg(file, loop ? " loop" : ""));
        if (OnCall) OnCall();
    }
    void StopSoundChannel(int channel) override
    {
        Log.append(QStringLiteral("stop %1").arg(channel));
        if (OnCall) OnCall();
    }
    QStringList Log;
    std::function<void()> OnCall;
};

std::unique_ptr<TVoAction> Action(quint8 kind, const QString& text = QString())
{
    auto action = std::make_unique<TVoAction>();
    action->ActionType = kind;
    action->Parameter = text;
    return action;
}

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

class ActionRunnerTest : public testing::Test {
protected:
    ActionRunnerTest()
    {
        ProjectFolder = Native("/disc");
        ExitRequested = false;
    }

    void Run(quint8 kind, const QString& text = QString())
    {
        const auto action = Action(kind, text);
        runner.RunAction(action.get());
    }
    QStringList ShellLog() const
    {
        QStringList log;
        for (const auto& call : shell.Calls()) log.append(call.verb + " " + call.target);
        return log;
    }

    RecordingShell shell;
    RecordingMessageBoxes boxes;
    RecordingSounds sounds;
    int closes = 0;
    TActionRunner runner{sounds, [this] { ++closes; }};
    ProcessStateGuard state;
};

TEST_F(ActionRunnerTest, FileKindsResolveAgainstTheProjectFolderWithOrWithoutBackslash)
{
    Run(akOpenRunFile, "\\docs\\readme.pdf");
    Run(akOpenRunFile, "docs\\readme.pdf");
    Run(akPrintDocument, "\\docs\\readme.pdf");
    Run(akPrintDocument, "docs\\readme.pdf");
    const QString file = Native("/disc/docs/readme.pdf");
    EXPECT_EQ(ShellLog(), QStringList({"open " + file, "open " + file, "print " + file,
                                       "print " + file}));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(ActionRunnerTest, AddressesGoToTheShellAsStored)
{
    Run(akVisitWebsite, "http://www.example.com/Start Page.html");
    Run(akVisitWebsite, "\\not\\a\\path");
    Run(akSendEmail, "info@example.com");
    EXPECT_EQ(ShellLog(), QStringList({"open http://www.example.com/Start Page.html",
                                       "open \\not\\a\\path", "open mailto:info@example.com"}));
}

TEST_F(ActionRunnerTest, BrowseCdExploresTheFolderOrTheProjectFolderWhenEmpty)
{
    Run(akBrowseCD, "\\media");
    Run(akBrowseCD, "media");
    Run(akBrowseCD, "");
    EXPECT_EQ(ShellLog(), QStringList({"explore " + Native("/disc/media"),
                                       "explore " + Native("/disc/media"),
                                       "explore " + Native("/disc")}));
}

TEST_F(ActionRunnerTest, EmptyTextsDoNothingWhereNothingIsNamed)
{
    Run(akOpenRunFile);
    Run(akPrintDocument);
    Run(akVisitWebsite);
    EXPECT_TRUE(shell.Calls().isEmpty());
    EXPECT_TRUE(boxes.Boxes().isEmpty());

    // A mail action still opens the mail program with no address.
    Run(akSendEmail);
    EXPECT_EQ(ShellLog(), QStringList({"open mailto:"}));

    // Without a project folder there is nothing to explore.
    shell.Clear();
    ProjectFolder.clear();
    Run(akBrowseCD);
    Run(akOpenRunFile, "\\readme.txt");
    EXPECT_TRUE(shell.Calls().isEmpty());
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(ActionRunnerTest, SoundKindsUseTheirChannels)
{
    Run(akPlaySound, "\\sounds\\ding.wav");
    Run(akPlayBackSound, "sounds\\music.wav");
    Run(akPlayBackSound, "sounds\\music.wav");
    Run(akStopSound);
    Run(akStopBackSound);
    // An empty sound still reaches the channel, which falls silent.
    Run(akPlaySound);
    EXPECT_EQ(sounds.Log, QStringList({"play 1 " + Native("/disc/sounds/ding.wav"),
                                       "play 0 " + Native("/disc/sounds/music.wav") + " loop",
                                       "play 0 " + Native("/disc/sounds/music.wav") + " loop",
                                       "stop 1", "stop 0", "play 1 "}));
    EXPECT_TRUE(shell.Calls().isEmpty());
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(ActionRunnerTest, MissingAndUnknownActionsDoNothing)
{
    runner.RunAction(nullptr);
    Run(kActionKindCount, "\\readme.txt");
    Run(255, "\\readme.txt");
    EXPECT_TRUE(shell.Calls().isEmpty());
    EXPECT_TRUE(sounds.Log.isEmpty());
    EXPECT_FALSE(ExitRequested);
    EXPECT_EQ(closes, 0);
}

TEST_F(ActionRunnerTest, EveryFailedResultShowsItsText)
{
    const QList<QPair<int, QString>> expected = {
        {0, "The operating system is out of memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied access to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred."},
        {27, "The filename association is incomplete or invalid."},
        {28, "The DDE transaction could not be completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30, "The DDE transaction could not be completed because other DDE transactions were "
             "being processed."},
        {31, "There is no application associated with the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
        {1, "Operation Error"},
        {4, "Operation Error"},
        {12, "Operation Error"},
        {-1, "Operation Error"},
    };
    for (const auto& [result, text] : expected) {
        boxes.Clear();
        shell.Script({result});
        runner.ShellRun(kShellVerbOpen, "/disc/readme.txt");
        ASSERT_EQ(boxes.Boxes().size(), 1) << result;
        const auto& box = boxes.Boxes().first();
        EXPECT_EQ(box.text, text) << result;
        EXPECT_EQ(box.caption, "Error");
        EXPECT_EQ(box.icon, MsgIcon::Error);
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
    }
}

TEST_F(ActionRunnerTest, ResultsAbove32AreSuccess)
{
    shell.Script({33, 42, 1000});
    for (int i = 0; i < 3; ++i) runner.ShellRun(kShellVerbPrint, "/disc/readme.txt");
    EXPECT_EQ(shell.Calls().size(), 3);
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(ActionRunnerTest, ShellRunWithAnEmptyTargetDoesNothing)
{
    runner.ShellRun(kShellVerbOpen, QString());
    EXPECT_TRUE(shell.Calls().isEmpty());
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(ActionRunnerTest, ListGoesOnAfterAFailure)
{
    TVoActions list;
    list.push_back(Action(akOpenRunFile, "\\missing.exe"));
    list.push_back(Action(akVisitWebsite, "http://example.com"));
    list.push_back(Action(akPlaySound, "\\ding.wav"));
    shell.Script({2});
    EXPECT_TRUE(runner.RunActionList(list));
    EXPECT_EQ(ShellLog(), QStringList({"open " + Native("/disc/missing.exe"),
                                       "open http://example.com"}));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes().first().text, "The specified file was not found.");
    EXPECT_EQ(sounds.Log, QStringList({"play 1 " + Native("/disc/ding.wav")}));
}

TEST_F(ActionRunnerTest, ExitFlagsTheProcessClosesTheMenuAndTheListStillFinishes)
{
    TVoActions list;
    list.push_back(Action(akStopSound));
    list.push_back(Action(akExit, "ignored"));
    list.push_back(Action(akStopBackSound));
    runner.RunActionList(list);
    EXPECT_TRUE(ExitRequested);
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(sounds.Log, QStringList({"stop 1", "stop 0"}));
    EXPECT_TRUE(shell.Calls().isEmpty());

    // Without a window to close the flag is still set.
    ExitRequested = false;
    TActionRunner windowless(sounds, {});
    const auto exit = Action(akExit);
    windowless.RunAction(exit.get());
    EXPECT_TRUE(ExitRequested);
}

TEST_F(ActionRunnerTest, ListCountIsTakenBeforeTheFirstAction)
{
    TVoActions list;
    list.push_back(Action(akStopSound));
    list.push_back(Action(akStopSound));
    int appended = 0;
    sounds.OnCall = [&] {
        if (appended < 3) {
            list.push_back(Action(akStopBackSound));
            ++appended;
        }
    };
    runner.RunActionList(list);
    EXPECT_EQ(sounds.Log, QStringList({"stop 1", "stop 1"}));

    // An action that empties the list ends the run.
    TVoActions shrinking;
    shrinking.push_back(Action(akStopSound));
    shrinking.push_back(Action(akStopBackSound));
    sounds.Log.clear();
    sounds.OnCall = [&] { shrinking.clear(); };
    runner.RunActionList(shrinking);
    EXPECT_EQ(sounds.Log, QStringList({"stop 1"}));
}

TEST_F(ActionRunnerTest, ClickPlaysTheClickSoundBeforeTheActions)
{
    TVoObject entry;
    entry.ClickSound = "\\click.wav";
    entry.OverSound = "\\over.wav";
    entry.Actions.push_back(Action(akOpenRunFile, "intro.html"));
    entry.Actions.push_back(Action(akPlaySound, "ding.wav"));
    int shellCallsAtClickSound = -1;
    sounds.OnCall = [&] {
        if (shellCallsAtClickSound < 0) shellCallsAtClickSound = shell.Calls().size();
    };
    runner.ObjectClicked(entry);
    EXPECT_EQ(shellCallsAtClickSound, 0);
    EXPECT_EQ(sounds.Log, QStringList({"play 2 " + Native("/disc/click.wav"),
                                       "play 1 " + Native("/disc/ding.wav")}));
    EXPECT_EQ(ShellLog(), QStringList({"open " + Native("/disc/intro.html")}));
}

TEST_F(ActionRunnerTest, ClickWithoutASoundRunsOnlyTheActions)
{
    TVoObject entry;
    entry.Actions.push_back(Action(akStopBackSound));
    runner.ObjectClicked(entry);
    EXPECT_EQ(sounds.Log, QStringList({"stop 0"}));
}

TEST_F(ActionRunnerTest, EnteringPlaysTheOverSoundOnly)
{
    TVoObject entry;
    entry.OverSound = "over.wav";
    entry.ClickSound = "\\click.wav";
    entry.Actions.push_back(Action(akExit));
    runner.ObjectEntered(entry);
    EXPECT_EQ(sounds.Log, QStringList({"play 2 " + Native("/disc/over.wav")}));
    EXPECT_FALSE(ExitRequested);

    sounds.Log.clear();
    entry.OverSound.clear();
    runner.ObjectEntered(entry);
    EXPECT_TRUE(sounds.Log.isEmpty());
}

} // namespace
