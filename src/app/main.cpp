// SPDX-License-Identifier: GPL-2.0-or-later
// velomni-studio: the studio, or the player of a disc's menu, by the
// version information the executable carries.
#include "app/PlayerStart.h"
#include "app/Startup.h"
#include "model/ProcessState.h"
#include "player/ActionRunner.h"
#include "player/GeneralForm.h"
#include "player/ScreenBackForm.h"
#include "platform/Dialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/QtMessageBoxes.h"
#include "player/VelomniForm.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // The web panels share one graphics context; it must be asked for before
    // the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);

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
    TActionRunner runner(*soundHost, [&form] { form->close(); });
    form->SetEventHandler(&runner);
    std::unique_ptr<TScreenBackForm> backdrop;
    if (!IsStudio && !RunPlayerStart(*form, runner, backdrop)) return 0;
    form->show();
    form->raise();
    const int status = app.exec();
    form.reset();
    backdrop.reset();
    soundHost.reset();
    SetMessageBoxes(nullptr);
    SetDialogs(nullptr);
    return status;
}
