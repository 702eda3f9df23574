// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/ActionRunner.h"

#include "model/Kinds.h"
#include "model/ProcessState.h"
#include "model/ProjectPaths.h"
#include "model/VoObject.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "player/ShellMessages.h"
#include "player/SoundChannels.h"

namespace {
constexpr int kBackSoundChannel = 0;
constexpr int kActionSoundChannel = 1;
constexpr int kObjectSoundChannel = 2;

QString InProject(const QString& stored)
{
    return ResolveProjectPath(ProjectFolder, stored);
}
} // namespace

TActionRunner::TActionRunner(TSoundChannels& sounds, std::function<void()> closeMenuWindow)
    : m_sounds(sounds), m_closeMenuWindow(std::move(closeMenuWindow))
{
}

void TActionRunner::ShellRun(const QString& verb, const QString& target)
{
    if (target.isEmpty()) return;
    const int result = GetShell().Execute(verb, target);
    if (result > 32) return;
    GetMessageBoxes().Show(QStringLiteral("Error"), ShellErrorText(result), MsgIcon::Error,
                           MsgButtons::Ok);
}

void TActionRunner::RunAction(const TVoAction* action)
{
    if (!action) return;
    const QString& text = action->Parameter;
    switch (action->ActionType) {
    case akOpenRunFile: ShellRun(kShellVerbOpen, InProject(text)); break;
    case akVisitWebsite: ShellRun(kShellVerbOpen, text); break;
    case akSendEmail: ShellRun(kShellVerbOpen, QStringLiteral("mailto:") + text); break;
    case akPrintDocument: ShellRun(kShellVerbPrint, InProject(text)); break;
    // An empty or missing sound file still reaches the channel, which then
    // falls silent.
    case akPlaySound: m_sounds.PlaySoundChannel(kActionSoundChannel, InProject(text), false); break;
    case akPlayBackSound: m_sounds.PlaySoundChannel(kBackSoundChannel, InProject(text), true); break;
    case akStopSound: m_sounds.StopSoundChannel(kActionSoundChannel); break;
    case akStopBackSound: m_sounds.StopSoundChannel(kBackSoundChannel); break;
    case akBrowseCD: {
        QString path = InProject(text);
        if (path.isEmpty()) path = ProjectFolder;
        ShellRun(kShellVerbExplore, path);
        break;
    }
    // Closing the main window ends the player once control is back in the
    // event loop; start-up reads the flag to skip showing the menu.
    case akExit:
        ExitRequested = true;
        if (m_closeMenuWindow) m_closeMenuWindow();
        break;
    default: break;
    }
}

bool TActionRunner::RunActionList(const TVoActions& list)
{
    const std::size_t count = list.size();
    // An action that empties the list must not make the loop read past it.
    for (std::size_t i = 0; i < count && i < list.size(); ++i) RunAction(list[i].get());
    return true;
}

void TActionRunner::ObjectClicked(TVoObject& entry)
{
    if (!entry.ClickSound.isEmpty())
        m_sounds.PlaySoundChannel(kObjectSoundChannel, InProject(entry.ClickSound), false);
    RunActionList(entry.Actions);
}

void TActionRunner::ObjectEntered(TVoObject& entry)
{
    if (!entry.OverSound.isEmpty())
        m_sounds.PlaySoundChannel(kObjectSoundChannel, InProject(entry.OverSound), false);
}
