// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/GeneralForm.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

namespace {

QMediaPlayer* NewChannel(QObject* owner)
{
    auto* player = new QMediaPlayer(owner);
    player->setAudioOutput(new QAudioOutput(player));
    return player;
}

// Closes the channel: whatever it played is stopped and released, so the
// next source starts from its beginning.
void Close(QMediaPlayer* player)
{
    player->stop();
    player->setSource(QUrl());
}

}  // namespace

TGeneralForm::TGeneralForm(QWidget* parent)
    : QWidget(parent),
      MediaPlayer1(NewChannel(this)),
      MediaPlayer2(NewChannel(this)),
      MediaPlayer3(NewChannel(this)),
      Timer1(new QTimer(this))
{
    setWindowTitle(QStringLiteral("GeneralForm"));
    for (int channel = 0; channel < ChannelCount; ++channel) {
        QMediaPlayer* player = Channel(channel);
        // The media layer reports a file it cannot play only later, after
        // play(): the channel then counts as not playing, like a file that
        // failed to open, so it stays silent and the tick leaves it alone.
        connect(player, &QMediaPlayer::errorOccurred, this, [this, channel, player] {
            m_playing[channel] = false;
            player->stop();
        });
    }
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
    QMediaPlayer* player = Channel(channel);
    m_playing[channel] = false;
    Close(player);
    if (file.isEmpty() || !QFileInfo::exists(file)) return;
    // Loading and playing are asynchronous: a file the media layer cannot
    // play ends in an error state later, which leaves the channel silent.
    player->setSource(QUrl::fromLocalFile(file));
    player->play();
    m_playing[channel] = true;
    m_loop[channel] = loop;
}

void TGeneralForm::StopSoundChannel(int channel)
{
    if (!ValidChannel(channel)) return;
    QMediaPlayer* player = Channel(channel);
    m_loop[channel] = false;
    Close(player);
}

void TGeneralForm::Timer1Timer()
{
    for (int channel = 0; channel < ChannelCount; ++channel) {
        if (!m_loop[channel] || !m_playing[channel]) continue;
        QMediaPlayer* player = Channel(channel);
        if (player->playbackState() != QMediaPlayer::StoppedState) continue;
        player->setPosition(0);
        player->play();
    }
}
