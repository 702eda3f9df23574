// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// The three sound channels of the player: 0 the looping background sound,
// 1 the sounds of PlaySound actions, 2 the objects' hover and click sounds.
// Failures are silent: a sound that cannot play is simply not heard.
class TSoundChannels {
public:
    virtual ~TSoundChannels() = default;
    // Plays a sound file (a full native path) from its start on a channel,
    // replacing what the channel played; with loop, it plays again each
    // time it ends until the channel is stopped.
    virtual void PlaySoundChannel(int channel, const QString& file, bool loop) = 0;
    virtual void StopSoundChannel(int channel) = 0;
};
