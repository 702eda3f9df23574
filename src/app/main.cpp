// SPDX-License-Identifier: GPL-2.0-or-later
// velomni-studio: the studio, or the player of a disc's menu, by the
// version information the executable carries.
#include "player/AfterFirstPaint.h"
#include "app/FirstFrameReport.h"
#include "app/FontWarmUp.h"
#include "app/MainWindowEnd.h"
#include "app/PlayerStart.h"
#include "app/ProgramInfo.h"
#include "app/Startup.h"
#include "app/StudioStart.h"
#include "model/ProcessState.h"
#include "platform/Dialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/QtMessageBoxes.h"
#include "player/ActionRunner.h"
#include "player/GeneralForm.h"
#include "player/ScreenBackForm.h"
#include "player/VelomniForm.h"
#include "studio/MainForm.h"
#include "studio/ProgramFiles.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

namespace {

int RunStudio(QApplication& app, std::unique_ptr<TVelomniForm> form)
{
    const QString icon = ProgramFile(QStringLiteral("Default.ico"));
    if (QFileInfo::exists(icon)) QApplication::setWindowIcon(QIcon(icon));
    std::unique_ptr<TMainForm> studio = CreateStudioWindow(std::move(form));
    GetMessageBoxes().SetAnchor(studio.get());
    studio->show();
    const int status = app.exec();
    GetMessageBoxes().SetAnchor(nullptr);
    return status;
}

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

int main(int argc, char** argv)
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

    std::unique_ptr<TVelomniForm> form = PrepareStartup(CurrentStartupEnvironment());
    if (!form) return 0;
    // The sound host: never shown, owned here, freed after the loop.
    auto soundHost = std::make_unique<TGeneralForm>();
    const int status = IsStudio ? RunStudio(app, std::move(form)) : RunPlayer(app, std::move(form), *soundHost);
    soundHost.reset();
    SetMessageBoxes(nullptr);
    SetDialogs(nullptr);
    return status;
}
