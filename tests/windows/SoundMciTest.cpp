// SPDX-License-Identifier: GPL-2.0-or-later
// The sound channels' players on Windows, through MCI, with wave files
// written at test time. Where the system has no sound device (a build
// machine under Wine), opening fails; the test says so and checks that
// the failure arrives as the channels expect it instead.
#include "player/SoundModule.h"
#include "windows/Check.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <windows.h>
#include <mmsystem.h>

#include <cmath>
#include <cstdio>

namespace {

struct ErrorCount {
    int count = 0;
};

void CountError(void* context)
{
    ++static_cast<ErrorCount*>(context)->count;
}

void PutLe(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i) bytes.append(char((value >> (8 * i)) & 0xFF));
}

// A mono 16-bit 8 kHz tone of the given length.
QByteArray Tone(int milliseconds)
{
    const int samples = 8 * milliseconds;
    QByteArray wave("RIFF");
    PutLe(wave, quint32(36 + samples * 2), 4);
    wave.append("WAVEfmt ");
    PutLe(wave, 16, 4);
    PutLe(wave, 1, 2);        // PCM
    PutLe(wave, 1, 2);        // mono
    PutLe(wave, 8000, 4);     // samples a second
    PutLe(wave, 16000, 4);    // bytes a second
    PutLe(wave, 2, 2);        // block
    PutLe(wave, 16, 2);       // bits
    wave.append("data");
    PutLe(wave, quint32(samples * 2), 4);
    for (int i = 0; i < samples; ++i)
        PutLe(wave, quint32(qint16(8000 * std::sin(i * 2 * M_PI * 440 / 8000))) & 0xFFFF, 2);
    return wave;
}

QString Write(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return QString();
    return path;
}

// Runs the event loop until the condition holds or ten seconds have gone.
template <class Condition>
bool Await(Condition condition)
{
    const QDeadlineTimer deadline(10000);
    while (!condition() && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
    return condition();
}

// Errors arrive from the event loop, never inside the call that failed.
void TestErrorsQueued(const QString& missing, const QString& damaged)
{
    QObject owner;
    ErrorCount errors;
    QObject* player = NewSoundPlayer(&owner, CountError, &errors);
    CHECK(player != nullptr);
    for (const QString& file : {missing, damaged}) {
        errors.count = 0;
        SoundPlayerOpen(player, QUrl::fromLocalFile(file));
        SoundPlayerPlay(player);
        CHECK_WHAT(errors.count == 0, file);
        CHECK_WHAT(SoundPlayerStopped(player), file);
        QCoreApplication::processEvents();
        CHECK_WHAT(errors.count == 1, file + QStringLiteral(": %1 errors").arg(errors.count));
    }
    // A player gone before its error is delivered reports nothing.
    errors.count = 0;
    auto* owned = new QObject;
    QObject* short_lived = NewSoundPlayer(owned, CountError, &errors);
    SoundPlayerOpen(short_lived, QUrl::fromLocalFile(missing));
    delete owned;
    QCoreApplication::processEvents();
    CHECK(errors.count == 0);
    // An empty source only releases the old one.
    SoundPlayerOpen(player, QUrl());
    QCoreApplication::processEvents();
    CHECK(errors.count == 0);
    CHECK(SoundPlayerStopped(player));
    // No player at all is a stopped one, and every call on it is harmless.
    SoundPlayerPlay(nullptr);
    SoundPlayerRewind(nullptr);
    CHECK(SoundPlayerStopped(nullptr));
}

// Plays, ends, rewinds and plays again, and stops, as the looping
// background channel does; a second player is independent of the first.
void TestPlayback(const QString& shortTone, const QString& longTone)
{
    QObject owner;
    ErrorCount errors;
    QObject* first = NewSoundPlayer(&owner, CountError, &errors);
    QObject* second = NewSoundPlayer(&owner, CountError, &errors);
    SoundPlayerOpen(first, QUrl::fromLocalFile(shortTone));
    CHECK(SoundPlayerStopped(first));
    SoundPlayerPlay(first);
    QCoreApplication::processEvents();
    CHECK(errors.count == 0);
    CHECK(!SoundPlayerStopped(first));
    CHECK(Await([&] { return SoundPlayerStopped(first); }));
    SoundPlayerRewind(first);
    SoundPlayerPlay(first);
    CHECK(!SoundPlayerStopped(first));
    CHECK(Await([&] { return SoundPlayerStopped(first); }));

    SoundPlayerOpen(first, QUrl::fromLocalFile(longTone));
    SoundPlayerOpen(second, QUrl::fromLocalFile(longTone));
    SoundPlayerPlay(first);
    SoundPlayerPlay(second);
    SoundPlayerStop(second);
    CHECK(SoundPlayerStopped(second));
    CHECK(!SoundPlayerStopped(first));
    // Opening anew stops and replaces what played.
    SoundPlayerOpen(first, QUrl::fromLocalFile(shortTone));
    CHECK(SoundPlayerStopped(first));
    SoundPlayerStop(first);
    QCoreApplication::processEvents();
    CHECK(errors.count == 0);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    CHECK(folder.isValid());
    const QString shortTone = Write(folder, QStringLiteral("short tone.wav"), Tone(300));
    const QString longTone = Write(folder, QStringLiteral("long tone.wav"), Tone(5000));
    const QString damaged = Write(folder, QStringLiteral("damaged.wav"), QByteArray("RIFF\x10\0\0\0WAVEjunk", 16));
    const QString missing = folder.filePath(QStringLiteral("missing.wav"));
    CHECK(!shortTone.isEmpty() && !longTone.isEmpty() && !damaged.isEmpty());

    TestErrorsQueued(QDir::toNativeSeparators(missing), QDir::toNativeSeparators(damaged));

    // Whether this system can play at all: a direct MCI open of the tone.
    const std::wstring probe = L"open \"" + QDir::toNativeSeparators(shortTone).toStdWString() +
                               L"\" type waveaudio alias velomni_probe";
    const MCIERROR opened = mciSendStringW(probe.c_str(), nullptr, 0, nullptr);
    MCIERROR played = opened;
    if (opened == 0) {
        played = mciSendStringW(L"play velomni_probe", nullptr, 0, nullptr);
        mciSendStringW(L"close velomni_probe", nullptr, 0, nullptr);
    }
    const UINT devices = waveOutGetNumDevs();
    std::printf("sound devices: %u\n", devices);
    if (devices == 0) {
        // Wine's wave audio driver then opens and "plays" in no time.
        std::printf("NO SOUND DEVICE: playback not tested, only that a channel ends up stopped\n");
        QObject owner;
        ErrorCount errors;
        QObject* player = NewSoundPlayer(&owner, CountError, &errors);
        SoundPlayerOpen(player, QUrl::fromLocalFile(longTone));
        SoundPlayerPlay(player);
        CHECK(Await([&] { return SoundPlayerStopped(player); }));
        SoundPlayerRewind(player);
        SoundPlayerStop(player);
        CHECK(SoundPlayerStopped(player));
    } else if (played != 0) {
        wchar_t text[256] = {};
        mciGetErrorStringW(played, text, 256);
        std::printf("NO SOUND DEVICE: MCI cannot play here (error %lu: %ls); playback not tested, "
                    "only that the failure reaches the channel\n",
                    static_cast<unsigned long>(played), text);
        QObject owner;
        ErrorCount errors;
        QObject* player = NewSoundPlayer(&owner, CountError, &errors);
        SoundPlayerOpen(player, QUrl::fromLocalFile(shortTone));
        SoundPlayerPlay(player);
        QCoreApplication::processEvents();
        CHECK(errors.count >= 1);
        CHECK(SoundPlayerStopped(player));
    } else {
        TestPlayback(shortTone, longTone);
    }
    return TestResult("SoundMciTest");
}
