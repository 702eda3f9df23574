// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "player/SoundChannels.h"

#include <QWidget>

#include <array>

class QMediaPlayer;
class QTimer;

// The sound host: a hidden window, never shown, that plays the player's
// three sound channels on media players of their own and restarts the
// looped ones once a second. Start-up creates it and nobody owns it; it
// lives until the process ends.
class TGeneralForm : public QWidget, public TSoundChannels {
    Q_OBJECT
public:
    explicit TGeneralForm(QWidget* parent = nullptr);
    ~TGeneralForm() override;

    void PlaySoundChannel(int channel, const QString& file, bool loop) override;
    void StopSoundChannel(int channel) override;

    // The media player of a channel; null outside 0 to 2.
    QMediaPlayer* Channel(int channel) const;
    // Whether a sound was last started on the channel, and whether it
    // loops; false outside 0 to 2.
    bool Playing(int channel) const;
    bool Loop(int channel) const;

    // Plays again each looped channel whose sound has ended.
    void Timer1Timer();

    QMediaPlayer* MediaPlayer1;
    QMediaPlayer* MediaPlayer2;
    QMediaPlayer* MediaPlayer3;
    QTimer* Timer1;

private:
    static constexpr int ChannelCount = 3;
    static bool ValidChannel(int channel) { return channel >= 0 && channel < ChannelCount; }

    std::array<bool, ChannelCount> m_playing{};
    std::array<bool, ChannelCount> m_loop{};
};
