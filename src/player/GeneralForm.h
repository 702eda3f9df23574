// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "player/SoundChannels.h"

#include <QWidget>

#include <array>
#include <optional>

class QTimer;

// The sound host: a hidden window, never shown, that plays the player's
// three sound channels on media players of their own and restarts the
// looped ones once a second. Start-up creates it and nobody owns it; it
// lives until the process ends. A channel's media player (a QMediaPlayer,
// from the sound module) is made when the channel first plays: loading and
// starting the media layer takes longer than showing a menu.
class TGeneralForm : public QWidget, public TSoundChannels {
    Q_OBJECT
public:
    explicit TGeneralForm(QWidget* parent = nullptr);
    ~TGeneralForm() override;

    void PlaySoundChannel(int channel, const QString& file, bool loop) override;
    void StopSoundChannel(int channel) override;

    // While held, sounds are remembered instead of played, and play when
    // released: the player holds them until its menu is on screen, so the
    // media layer never delays the first frame. A stop while held forgets
    // the channel's sound.
    void HoldSounds();
    void ReleaseSounds();

    // The media player of a channel; null outside 0 to 2, until the
    // channel first plays, and when the sound module cannot be loaded.
    QObject* Channel(int channel) const;
    // Whether a sound was last started on the channel, and whether it
    // loops; false outside 0 to 2.
    bool Playing(int channel) const;
    bool Loop(int channel) const;

    // Plays again each looped channel whose sound has ended.
    void Timer1Timer();

    QObject* MediaPlayer1 = nullptr;
    QObject* MediaPlayer2 = nullptr;
    QObject* MediaPlayer3 = nullptr;
    QTimer* Timer1;

private:
    static constexpr int ChannelCount = 3;
    static bool ValidChannel(int channel) { return channel >= 0 && channel < ChannelCount; }
    QObject*& ChannelSlot(int channel);
    QObject* OpenChannel(int channel);
    static void ChannelFailed(void* channelError);

    // What a channel's player reports its errors with.
    struct ChannelError {
        TGeneralForm* form;
        int channel;
    };
    std::array<ChannelError, ChannelCount> m_channelErrors{};

    struct HeldSound {
        QString file;
        bool loop = false;
    };
    bool m_held = false;
    std::array<std::optional<HeldSound>, ChannelCount> m_heldSounds;

    std::array<bool, ChannelCount> m_playing{};
    std::array<bool, ChannelCount> m_loop{};
};
