// SPDX-License-Identifier: GPL-2.0-or-later
// The entry points the sound channels call once this module is loaded. A
// player is handed out as a QObject: callers link no media library.
#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

extern "C" Q_DECL_EXPORT QObject* velomni_sound_player_create(QObject* owner, void (*onError)(void*),
                                                              void* context)
{
    auto* player = new QMediaPlayer(owner);
    player->setAudioOutput(new QAudioOutput(player));
    QObject::connect(player, &QMediaPlayer::errorOccurred, player, [onError, context] { onError(context); });
    return player;
}

namespace {
QMediaPlayer* Player(QObject* object)
{
    return qobject_cast<QMediaPlayer*>(object);
}
} // namespace

extern "C" Q_DECL_EXPORT void velomni_sound_player_open(QObject* object, const QUrl* source)
{
    if (QMediaPlayer* player = Player(object)) player->setSource(*source);
}

extern "C" Q_DECL_EXPORT void velomni_sound_player_play(QObject* object)
{
    if (QMediaPlayer* player = Player(object)) player->play();
}

extern "C" Q_DECL_EXPORT void velomni_sound_player_stop(QObject* object)
{
    if (QMediaPlayer* player = Player(object)) player->stop();
}

extern "C" Q_DECL_EXPORT void velomni_sound_player_rewind(QObject* object)
{
    if (QMediaPlayer* player = Player(object)) player->setPosition(0);
}

extern "C" Q_DECL_EXPORT bool velomni_sound_player_stopped(QObject* object)
{
    QMediaPlayer* player = Player(object);
    return !player || player->playbackState() == QMediaPlayer::StoppedState;
}
