// SPDX-License-Identifier: GPL-2.0-or-later
// The sound host on real media players of Qt's GStreamer backend. With no
// audio device GStreamer still runs its pipelines, so the players go
// through their normal states and the tests check those.
#include "player/GeneralForm.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QMediaPlayer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <cmath>
#include <dlfcn.h>

namespace {

// A mono 16-bit PCM WAV file holding a sine of the given length.
QByteArray SineWav(int milliseconds)
{
    constexpr int rate = 22050;
    const int samples = rate * milliseconds / 1000;
    QByteArray data(samples * 2, '\0');
    for (int i = 0; i < samples; ++i) {
        const auto value = static_cast<qint16>(8000 * std::sin(2 * M_PI * 440 * i / rate));
        qToLittleEndian(value, data.data() + 2 * i);
    }
    QByteArray wav;
    auto put32 = [&wav](quint32 v) { char b[4]; qToLittleEndian(v, b); wav.append(b, 4); };
    auto put16 = [&wav](quint16 v) { char b[2]; qToLittleEndian(v, b); wav.append(b, 2); };
    wav.append("RIFF");
    put32(36 + data.size());
    wav.append("WAVEfmt ");
    put32(16);
    put16(1);         // PCM
    put16(1);         // mono
    put32(rate);
    put32(rate * 2);  // bytes per second
    put16(2);         // bytes per frame
    put16(16);        // bits per sample
    wav.append("data");
    put32(data.size());
    return wav + data;
}

// Runs a GStreamer pipeline to its end, with gst-launch-1.0 when installed,
// else through the GStreamer library the media backend has already loaded.
bool RunPipeline(const QString& pipeline)
{
    const QString launcher = QStandardPaths::findExecutable(QStringLiteral("gst-launch-1.0"));
    if (!launcher.isEmpty()) {
        QProcess process;
        process.start(launcher, QStringList{QStringLiteral("-q")} + QProcess::splitCommand(pipeline));
        return process.waitForFinished(10000) && process.exitCode() == 0;
    }
    void* gst = dlopen("libgstreamer-1.0.so.0", RTLD_NOW);
    if (!gst) return false;
    using Init = void (*)(int*, char***);
    using ParseLaunch = void* (*)(const char*, void**);
    using SetState = int (*)(void*, int);
    using GetBus = void* (*)(void*);
    using TimedPop = void* (*)(void*, quint64, int);
    using Unref = void (*)(void*);
    auto init = reinterpret_cast<Init>(dlsym(gst, "gst_init"));
    auto parse = reinterpret_cast<ParseLaunch>(dlsym(gst, "gst_parse_launch"));
    auto setState = reinterpret_cast<SetState>(dlsym(gst, "gst_element_set_state"));
    auto getBus = reinterpret_cast<GetBus>(dlsym(gst, "gst_element_get_bus"));
    auto pop = reinterpret_cast<TimedPop>(dlsym(gst, "gst_bus_timed_pop_filtered"));
    auto unrefObject = reinterpret_cast<Unref>(dlsym(gst, "gst_object_unref"));
    auto unrefMessage = reinterpret_cast<Unref>(dlsym(gst, "gst_mini_object_unref"));
    if (!init || !parse || !setState || !getBus || !pop || !unrefObject || !unrefMessage) return false;
    constexpr int stateNull = 1, statePlaying = 4, messageEos = 1;
    init(nullptr, nullptr);
    void* error = nullptr;
    void* element = parse(pipeline.toUtf8().constData(), &error);
    if (!element || error) return false;
    setState(element, statePlaying);
    void* bus = getBus(element);
    // Only the end is waited for: a failing pipeline times out instead.
    void* message = pop(bus, 10'000'000'000ULL, messageEos);
    if (message) unrefMessage(message);
    unrefObject(bus);
    setState(element, stateNull);
    unrefObject(element);
    return message != nullptr;
}

// The channels' players come from the sound module as QObjects.
QMediaPlayer* Media(QObject* player)
{
    return qobject_cast<QMediaPlayer*>(player);
}

bool WaitForState(QObject* player, QMediaPlayer::PlaybackState state)
{
    return QTest::qWaitFor([&] { return Media(player)->playbackState() == state; }, 3000);
}

class GeneralForm : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // The ffmpeg backend crashes with no audio device.
        if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
    }

    TempDir dir;
    RecordingMessageBoxes boxes;
    TGeneralForm form;
    QString shortSound = dir.Write(QStringLiteral("short.wav"), SineWav(200));
    QString longSound = dir.Write(QStringLiteral("long.wav"), SineWav(3000));
};

TEST_F(GeneralForm, StartsHiddenWithSilentChannelsAndASecondTimer)
{
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.Timer1->isActive());
    EXPECT_EQ(form.Timer1->interval(), 1000);
    EXPECT_EQ(form.Channel(3), nullptr);
    EXPECT_EQ(form.Channel(-1), nullptr);
    for (int channel = 0; channel < 3; ++channel) {
        EXPECT_FALSE(form.Playing(channel));
        EXPECT_FALSE(form.Loop(channel));
        // The media layer is not started until a channel plays.
        EXPECT_EQ(form.Channel(channel), nullptr);
    }
    form.Timer1Timer();
    form.StopSoundChannel(1);
    EXPECT_EQ(form.Channel(1), nullptr);
    form.PlaySoundChannel(1, shortSound, false);
    EXPECT_EQ(form.Channel(1), form.MediaPlayer2);
    ASSERT_NE(form.MediaPlayer2, nullptr);
    EXPECT_NE(Media(form.MediaPlayer2)->audioOutput(), nullptr);
    EXPECT_EQ(form.MediaPlayer1, nullptr);
}

TEST_F(GeneralForm, HeldSoundsPlayOnReleaseUnlessStoppedOrReplaced)
{
    form.HoldSounds();
    form.PlaySoundChannel(0, shortSound, true);
    form.PlaySoundChannel(1, shortSound, false);
    form.PlaySoundChannel(1, longSound, false);
    form.PlaySoundChannel(2, shortSound, false);
    form.StopSoundChannel(2);
    EXPECT_TRUE(form.Playing(0));
    EXPECT_TRUE(form.Loop(0));
    form.Timer1Timer();
    EXPECT_EQ(form.MediaPlayer1, nullptr);
    EXPECT_EQ(form.MediaPlayer2, nullptr);

    form.ReleaseSounds();
    ASSERT_NE(form.MediaPlayer1, nullptr);
    ASSERT_NE(form.MediaPlayer2, nullptr);
    EXPECT_EQ(form.MediaPlayer3, nullptr);
    EXPECT_TRUE(form.Loop(0));
    EXPECT_TRUE(Media(form.MediaPlayer2)->source().toLocalFile().endsWith("long.wav"));
    ASSERT_TRUE(WaitForState(form.MediaPlayer1, QMediaPlayer::PlayingState));
    // Released once: later sounds play at once.
    form.ReleaseSounds();
    form.PlaySoundChannel(2, shortSound, false);
    EXPECT_NE(form.MediaPlayer3, nullptr);
}

TEST_F(GeneralForm, OnlyTheLoopedChannelRestartsAfterItsEnd)
{
    form.PlaySoundChannel(0, shortSound, true);
    form.PlaySoundChannel(1, shortSound, false);
    EXPECT_TRUE(form.Playing(0));
    EXPECT_TRUE(form.Loop(0));
    EXPECT_FALSE(form.Loop(1));
    ASSERT_TRUE(WaitForState(form.MediaPlayer1, QMediaPlayer::PlayingState));
    ASSERT_TRUE(WaitForState(form.MediaPlayer1, QMediaPlayer::StoppedState));
    EXPECT_EQ(Media(form.MediaPlayer1)->mediaStatus(), QMediaPlayer::EndOfMedia);
    ASSERT_TRUE(WaitForState(form.MediaPlayer2, QMediaPlayer::StoppedState));
    // The running timer, not the test, plays it again, from its start.
    ASSERT_TRUE(WaitForState(form.MediaPlayer1, QMediaPlayer::PlayingState));
    EXPECT_LT(Media(form.MediaPlayer1)->position(), 150);
    EXPECT_EQ(Media(form.MediaPlayer2)->playbackState(), QMediaPlayer::StoppedState);
}

TEST_F(GeneralForm, StoppedLoopStaysStoppedOnLaterTicks)
{
    form.Timer1->stop();
    form.PlaySoundChannel(0, shortSound, true);
    ASSERT_TRUE(WaitForState(form.MediaPlayer1, QMediaPlayer::PlayingState));
    form.StopSoundChannel(0);
    EXPECT_FALSE(form.Loop(0));
    EXPECT_TRUE(form.Playing(0));
    EXPECT_EQ(Media(form.MediaPlayer1)->playbackState(), QMediaPlayer::StoppedState);
    form.Timer1Timer();
    form.Timer1Timer();
    QTest::qWait(50);
    EXPECT_EQ(Media(form.MediaPlayer1)->playbackState(), QMediaPlayer::StoppedState);
    EXPECT_TRUE(Media(form.MediaPlayer1)->source().isEmpty());
}

TEST_F(GeneralForm, PlayingTheSameFileAgainRestartsItFromTheStart)
{
    form.PlaySoundChannel(1, longSound, false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Media(form.MediaPlayer2)->position() > 600; }, 3000));
    form.PlaySoundChannel(1, longSound, false);
    ASSERT_TRUE(WaitForState(form.MediaPlayer2, QMediaPlayer::PlayingState));
    EXPECT_LT(Media(form.MediaPlayer2)->position(), 400);
}

TEST_F(GeneralForm, ChannelsPlayIndependently)
{
    form.PlaySoundChannel(1, longSound, false);
    form.PlaySoundChannel(2, shortSound, false);
    ASSERT_TRUE(WaitForState(form.MediaPlayer2, QMediaPlayer::PlayingState));
    ASSERT_TRUE(WaitForState(form.MediaPlayer3, QMediaPlayer::PlayingState));
    form.StopSoundChannel(2);
    EXPECT_EQ(Media(form.MediaPlayer3)->playbackState(), QMediaPlayer::StoppedState);
    EXPECT_EQ(Media(form.MediaPlayer2)->playbackState(), QMediaPlayer::PlayingState);
    EXPECT_EQ(form.MediaPlayer1, nullptr);
}

TEST_F(GeneralForm, MissingFileSilencesTheChannelWithoutAMessage)
{
    form.PlaySoundChannel(1, longSound, true);
    ASSERT_TRUE(WaitForState(form.MediaPlayer2, QMediaPlayer::PlayingState));
    form.PlaySoundChannel(1, dir.File(QStringLiteral("absent.wav")), false);
    EXPECT_FALSE(form.Playing(1));
    EXPECT_EQ(Media(form.MediaPlayer2)->playbackState(), QMediaPlayer::StoppedState);
    EXPECT_TRUE(Media(form.MediaPlayer2)->source().isEmpty());
    // The earlier loop flag is left as it was, but without Playing the tick
    // does not bring the old sound back.
    form.Timer1Timer();
    EXPECT_EQ(Media(form.MediaPlayer2)->playbackState(), QMediaPlayer::StoppedState);

    form.PlaySoundChannel(2, QString(), false);
    EXPECT_FALSE(form.Playing(2));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(GeneralForm, UnplayableFileFailsSilentlyAndIsNotRetried)
{
    // A WAV file whose sound is in a format no decoder knows.
    QByteArray bytes = SineWav(300);
    bytes[20] = '\x99';
    bytes[21] = '\x99';
    const QString junk = dir.Write(QStringLiteral("junk.wav"), bytes);
    form.Timer1->stop();
    form.PlaySoundChannel(0, junk, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Playing(0); }, 3000));
    EXPECT_EQ(Media(form.MediaPlayer1)->playbackState(), QMediaPlayer::StoppedState);
    form.Timer1Timer();
    QTest::qWait(50);
    EXPECT_EQ(Media(form.MediaPlayer1)->playbackState(), QMediaPlayer::StoppedState);
    EXPECT_NE(Media(form.MediaPlayer1)->mediaStatus(), QMediaPlayer::LoadingMedia);
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(GeneralForm, OutOfRangeChannelsDoNothing)
{
    form.PlaySoundChannel(3, longSound, true);
    form.PlaySoundChannel(-1, longSound, true);
    form.StopSoundChannel(3);
    EXPECT_FALSE(form.Playing(3));
    EXPECT_FALSE(form.Loop(-1));
    for (int channel = 0; channel < 3; ++channel) EXPECT_EQ(form.Channel(channel), nullptr);
}

TEST_F(GeneralForm, CompressedFormatsPlay)
{
    const QString ogg = dir.File(QStringLiteral("tone.ogg"));
    const QString mp3 = dir.File(QStringLiteral("tone.mp3"));
    const QString source = QStringLiteral("audiotestsrc num-buffers=20 ! audioconvert ! ");
    if (!RunPipeline(source + QStringLiteral("vorbisenc ! oggmux ! filesink location=") + ogg))
        GTEST_SKIP() << "no GStreamer to make an OGG file";
    form.PlaySoundChannel(1, ogg, false);
    EXPECT_TRUE(WaitForState(form.MediaPlayer2, QMediaPlayer::PlayingState)) << "OGG";
    if (RunPipeline(source + QStringLiteral("lamemp3enc ! filesink location=") + mp3)) {
        form.PlaySoundChannel(2, mp3, false);
        EXPECT_TRUE(WaitForState(form.MediaPlayer3, QMediaPlayer::PlayingState)) << "MP3";
    }
}

}  // namespace
