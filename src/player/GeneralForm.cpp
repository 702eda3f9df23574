// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/GeneralForm.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

#include <utility>

namespace {

// Closes the channel: whatever it played is stopped and released, so the
// next source starts from its beginning.
void Close(QMediaPlayer* player)
{
    player->stop();
    player->setSource(QUrl());
}

}  // namespace

TGeneralForm::TGeneralForm(QWidget* parent) : QWidget(parent), Timer1(new QTimer(this))
{
    setWindowTitle(QStringLiteral("GeneralForm"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TGeneralForm::Timer1Timer);
    Timer1->start();
}

TGeneralForm::~TGeneralForm() = default;

QMediaPlayer* TGeneralForm::Channel(int channel) const
{
    switch (channel) {
    case 0: return MediaPlayer1;
    case 1: return MediaPlayer2;
    case 2: return MediaPlayer3;
    default: return nullptr;
    }
}

QMediaPlayer*& TGeneralForm::ChannelSlot(int channel)
{
    return channel == 0 ? MediaPlayer1 : channel == 1 ? MediaPlayer2 : MediaPlayer3;
}

QMediaPlayer* TGeneralForm::OpenChannel(int channel)
{
    QMediaPlayer*& player = ChannelSlot(channel);
    if (player) return player;
    player = new QMediaPlayer(this);
    player->setAudioOutput(new QAudioOutput(player));
    // The media layer reports a file it cannot play only later, after
    // play(): the channel then counts as not playing, like a file that
    // failed to open, so it stays silent and the tick leaves it alone.
    QMediaPlayer* opened = player;
    connect(opened, &QMediaPlayer::errorOccurred, this, [this, channel, opened] {
        m_playing[channel] = false;
        opened->stop();
    });
    return opened;
}

void TGeneralForm::HoldSounds()
{
    m_held = true;
}

void TGeneralForm::ReleaseSounds()
{
    if (!m_held) return;
    m_held = false;
    for (int channel = 0; channel < ChannelCount; ++channel) {
        std::optional<HeldSound> sound = std::exchange(m_heldSounds[channel], std::nullopt);
        if (sound) PlaySoundChannel(channel, sound->file, sound->loop);
    }
}

bool TGeneralForm::Playing(int channel) const
{
    return ValidChannel(channel) && m_playing[channel];
}

bool TGeneralForm::Loop(int channel) const
{
    return ValidChannel(channel) && m_loop[channel];
}

void TGeneralForm::PlaySoundChannel(int channel, const QString& file, bool loop)
{
    if (!ValidChannel(channel)) return;
    m_playing[channel] = false;
    m_heldSounds[channel].reset();
    if (QMediaPlayer* playing = Channel(channel)) Close(playing);
    if (file.isEmpty() || !QFileInfo::exists(file)) return;
    m_loop[channel] = loop;
    if (m_held) {
        m_heldSounds[channel] = HeldSound{file, loop};
        m_playing[channel] = true;
        return;
    }
    QMediaPlayer* player = OpenChannel(channel);
    // Loading and playing are asynchronous: a file the media layer cannot
    // play ends in an error state later, which leaves the channel silent.
    player->setSource(QUrl::fromLocalFile(file));
    player->play();
    m_playing[channel] = true;
}

void TGeneralForm::StopSoundChannel(int channel)
{
    if (!ValidChannel(channel)) return;
    m_loop[channel] = false;
    m_heldSounds[channel].reset();
    if (QMediaPlayer* player = Channel(channel)) Close(player);
}

void TGeneralForm::Timer1Timer()
{
    for (int channel = 0; channel < ChannelCount; ++channel) {
        if (!m_loop[channel] || !m_playing[channel]) continue;
        QMediaPlayer* player = Channel(channel);
        if (!player || player->playbackState() != QMediaPlayer::StoppedState) continue;
        player->setPosition(0);
        player->play();
    }
}
