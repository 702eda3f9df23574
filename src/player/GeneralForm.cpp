// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/GeneralForm.h"

#include "player/SoundModule.h"

#include <QFileInfo>
#include <QTimer>
#include <QUrl>

#include <utility>

namespace {

// Closes the channel: whatever it played is stopped and released, so the
// next source starts from its beginning.
void Close(QObject* player)
{
    SoundPlayerStop(player);
    SoundPlayerOpen(player, QUrl());
}

}  // namespace

TGeneralForm::TGeneralForm(QWidget* parent) : QWidget(parent), Timer1(new QTimer(this))
{
    setWindowTitle(QStringLiteral("GeneralForm"));
    for (int channel = 0; channel < ChannelCount; ++channel) m_channelErrors[channel] = {this, channel};
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TGeneralForm::Timer1Timer);
    Timer1->start();
}

TGeneralForm::~TGeneralForm() = default;

QObject* TGeneralForm::Channel(int channel) const
{
    switch (channel) {
    case 0: return MediaPlayer1;
    case 1: return MediaPlayer2;
    case 2: return MediaPlayer3;
    default: return nullptr;
    }
}

QObject*& TGeneralForm::ChannelSlot(int channel)
{
    return channel == 0 ? MediaPlayer1 : channel == 1 ? MediaPlayer2 : MediaPlayer3;
}

QObject* TGeneralForm::OpenChannel(int channel)
{
    QObject*& player = ChannelSlot(channel);
    if (!player) player = NewSoundPlayer(this, &TGeneralForm::ChannelFailed, &m_channelErrors[channel]);
    return player;
}

// The media layer reports a file it cannot play only later, after play():
// the channel then counts as not playing, like a file that failed to open,
// so it stays silent and the tick leaves it alone.
void TGeneralForm::ChannelFailed(void* channelError)
{
    const auto* error = static_cast<const ChannelError*>(channelError);
    error->form->m_playing[error->channel] = false;
    SoundPlayerStop(error->form->Channel(error->channel));
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
    if (QObject* playing = Channel(channel)) Close(playing);
    if (file.isEmpty() || !QFileInfo::exists(file)) return;
    m_loop[channel] = loop;
    if (m_held) {
        m_heldSounds[channel] = HeldSound{file, loop};
        m_playing[channel] = true;
        return;
    }
    QObject* player = OpenChannel(channel);
    if (!player) return;
    // Loading and playing are asynchronous: a file the media layer cannot
    // play ends in an error state later, which leaves the channel silent.
    SoundPlayerOpen(player, QUrl::fromLocalFile(file));
    SoundPlayerPlay(player);
    m_playing[channel] = true;
}

void TGeneralForm::StopSoundChannel(int channel)
{
    if (!ValidChannel(channel)) return;
    m_loop[channel] = false;
    m_heldSounds[channel].reset();
    if (QObject* player = Channel(channel)) Close(player);
}

void TGeneralForm::Timer1Timer()
{
    for (int channel = 0; channel < ChannelCount; ++channel) {
        if (!m_loop[channel] || !m_playing[channel]) continue;
        QObject* player = Channel(channel);
        if (!player || !SoundPlayerStopped(player)) continue;
        SoundPlayerRewind(player);
        SoundPlayerPlay(player);
    }
}
