// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

class QObject;
class QUrl;

// The media players of the sound channels come from a module the program
// carries inside itself and loads when the first player is asked for, so
// the media libraries cost nothing until a sound plays. A player is a
// QObject (a QMediaPlayer for those who link the media library). On
// Windows the players are the system's own media control interface
// devices, and no module is loaded.

// A new player owned by owner, calling onError(context) when the media
// layer reports an error; null when the module cannot be loaded.
QObject* NewSoundPlayer(QObject* owner, void (*onError)(void*), void* context);
// Sets the source (an empty address releases the old one).
void SoundPlayerOpen(QObject* player, const QUrl& source);
void SoundPlayerPlay(QObject* player);
void SoundPlayerStop(QObject* player);
void SoundPlayerRewind(QObject* player);
bool SoundPlayerStopped(QObject* player);
