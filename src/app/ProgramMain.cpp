// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ProgramMain.h"

#include "app/FirstFrameReport.h"
#include "app/FontWarmUp.h"
#include "app/MainWindowEnd.h"
#include "app/PlayerStart.h"
#include "app/ProgramInfo.h"
#include "app/Startup.h"
#include "model/ProcessState.h"
#include "platform/Dialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/QtMessageBoxes.h"
#include "platform/VersionInfo.h"
#include "player/ActionRunner.h"
#include "player/AfterFirstPaint.h"
#include "player/GeneralForm.h"
#include "player/ScreenBackForm.h"
#include "player/VelomniForm.h"

#include <QApplication>

namespace {

int RunPlayer(QApplication& app, std::unique_ptr<TVelomniForm> form, TGeneralForm& soundHost)
{
    TActionRunner runner(soundHost, [&form] { form->close(); });
    form->SetEventHandler(&runner);
    // The start sound plays once the first window is on screen: starting
    // the media layer would hold up the first frame.
    soundHost.HoldSounds();
    RunAfterFirstPaint([&soundHost] { soundHost.ReleaseSounds(); });
    std::unique_ptr<TScreenBackForm> backdrop;
    if (!RunPlayerStart(*form, runner, backdrop)) return 0;
    EndLoopWhenClosed(*form);
    FirstFrameReport::InstallIfAsked(*form);
    form->show();
    form->raise();
    const int status = app.exec();
    form.reset();
    return status;
}

} // namespace

int RunProgram(int argc, char** argv, StudioRunner runStudio)
{
    if (const std::optional<int> answered = AnswerProgramInfo(argc, argv)) return *answered;
    QApplication app(argc, argv);
    const FontWarmUp fonts;

    // Unattended (VELOMNI_UNATTENDED=1), message boxes go to standard error
    // and dialogs are cancelled, so scripts and tests never wait for a user.
    const bool unattended = qEnvironmentVariableIntValue("VELOMNI_UNATTENDED") == 1;
    QtMessageBoxes windowBoxes;
    StderrMessageBoxes streamBoxes;
    CancellingDialogs noDialogs;
    SetMessageBoxes(unattended ? static_cast<MessageBoxes*>(&streamBoxes) : &windowBoxes);
    if (unattended) SetDialogs(&noDialogs);

    TStartupEnvironment environment = CurrentStartupEnvironment();
    // A program without the studio plays whatever its version says.
    if (!runStudio && IsStudioVersionText(environment.versionText))
        environment.versionText = QString::fromLatin1(kPlayerOriginalFilename);
    std::unique_ptr<TVelomniForm> form = PrepareStartup(environment);
    if (!form) return 0;
    // The sound host: never shown, owned here, freed after the loop.
    auto soundHost = std::make_unique<TGeneralForm>();
    const int status = IsStudio ? runStudio(app, std::move(form)) : RunPlayer(app, std::move(form), *soundHost);
    soundHost.reset();
    SetMessageBoxes(nullptr);
    SetDialogs(nullptr);
    return status;
}
