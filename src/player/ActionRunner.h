// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/VoAction.h"
#include "player/ObjectEvents.h"

#include <QString>

#include <functional>

class TSoundChannels;

// Runs actions in the player: files, addresses and folders go to the shell
// service, sounds to the sound channels, and Exit ends the menu. It also
// plays an object's sounds when the mouse enters it or clicks it.
class TActionRunner final : public TObjectEventHandler {
public:
    TActionRunner(TSoundChannels& sounds, std::function<void()> closeMenuWindow);

    // Does nothing for a missing action or an unknown kind.
    void RunAction(const TVoAction* action);
    // Runs as many actions as the list holds when it starts, in order, each
    // whatever the one before did; always true.
    bool RunActionList(const TVoActions& list);
    // Hands the target to the shell; a failure is shown in an error box and
    // an empty target does nothing.
    void ShellRun(const QString& verb, const QString& target);

    // The click sound on channel 2, then the object's click actions.
    void ObjectClicked(TVoObject& entry) override;
    // The over sound on channel 2.
    void ObjectEntered(TVoObject& entry) override;

private:
    TSoundChannels& m_sounds;
    std::function<void()> m_closeMenuWindow;
};
