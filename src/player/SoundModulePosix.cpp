// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/SoundModule.h"

#include "platform/EmbeddedModule.h"

#include <QUrl>

// Made by the build from the module's file.
QByteArrayView SoundModuleImage();

namespace {

struct LoadedModule {
    QObject* (*create)(QObject*, void (*)(void*), void*) = nullptr;
    void (*open)(QObject*, const QUrl*) = nullptr;
    void (*play)(QObject*) = nullptr;
    void (*stop)(QObject*) = nullptr;
    void (*rewind)(QObject*) = nullptr;
    bool (*stopped)(QObject*) = nullptr;
};

template <class Function>
void Resolve(void* module, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(ModuleFunction(module, name));
}

const LoadedModule& Module()
{
    static const LoadedModule module = [] {
        void* handle = LoadEmbeddedModule("velomni-sound", SoundModuleImage());
        LoadedModule loaded;
        Resolve(handle, "velomni_sound_player_create", loaded.create);
        Resolve(handle, "velomni_sound_player_open", loaded.open);
        Resolve(handle, "velomni_sound_player_play", loaded.play);
        Resolve(handle, "velomni_sound_player_stop", loaded.stop);
        Resolve(handle, "velomni_sound_player_rewind", loaded.rewind);
        Resolve(handle, "velomni_sound_player_stopped", loaded.stopped);
        if (!loaded.create || !loaded.open || !loaded.play || !loaded.stop || !loaded.rewind || !loaded.stopped)
            loaded = {};
        return loaded;
    }();
    return module;
}

} // namespace

QObject* NewSoundPlayer(QObject* owner, void (*onError)(void*), void* context)
{
    const LoadedModule& module = Module();
    return module.create ? module.create(owner, onError, context) : nullptr;
}

// Players exist only once the module has loaded, so these need no check of
// the module, only of the player.
void SoundPlayerOpen(QObject* player, const QUrl& source)
{
    if (player) Module().open(player, &source);
}

void SoundPlayerPlay(QObject* player)
{
    if (player) Module().play(player);
}

void SoundPlayerStop(QObject* player)
{
    if (player) Module().stop(player);
}

void SoundPlayerRewind(QObject* player)
{
    if (player) Module().rewind(player);
}

bool SoundPlayerStopped(QObject* player)
{
    return !player || Module().stopped(player);
}
