// SPDX-License-Identifier: GPL-2.0-or-later
// The sound channels on Windows play through the system's media control
// interface (MCI), which needs no module of the program's own: each player
// owns one MCI device under an alias only it uses.
#include "player/SoundModule.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QUrl>

#include <windows.h>
#include <mmsystem.h>

namespace {

// One MCI device (or none), opened and closed through command strings.
class TMciPlayer final : public QObject {
public:
    TMciPlayer(QObject* owner, void (*onError)(void*), void* context)
        : QObject(owner), m_onError(onError), m_context(context)
    {
        static int s_lastAlias = 0;
        m_alias = QStringLiteral("velomni_sound_%1").arg(++s_lastAlias);
    }
    ~TMciPlayer() override { Close(); }

    void Open(const QUrl& source)
    {
        Close();
        if (source.isEmpty()) return;
        const QString file = QDir::toNativeSeparators(source.toLocalFile());
        if (file.isEmpty()) {
            ReportError();
            return;
        }
        // Wave files play through the wave audio driver, which needs no
        // decoder; everything else (MP3 above all) through the DirectShow
        // device. Each is the other's fallback: a compressed wave file may
        // need DirectShow, and a mislabelled file may be plain wave audio.
        const bool wave = QFileInfo(file).suffix().compare(QLatin1String("wav"), Qt::CaseInsensitive) == 0;
        const QLatin1String first = wave ? QLatin1String("waveaudio") : QLatin1String("mpegvideo");
        const QLatin1String second = wave ? QLatin1String("mpegvideo") : QLatin1String("waveaudio");
        for (const QLatin1String type : {first, second}) {
            const QString open = QStringLiteral("open \"%1\" type %2 alias %3").arg(file, type, m_alias);
            if (Send(open)) {
                m_open = true;
                Send(QStringLiteral("set %1 time format milliseconds").arg(m_alias));
                return;
            }
        }
        ReportError();
    }

    void Play()
    {
        if (m_open && !Send(QStringLiteral("play %1").arg(m_alias))) ReportError();
    }

    void Stop()
    {
        if (m_open) Send(QStringLiteral("stop %1").arg(m_alias));
    }

    void Rewind()
    {
        if (m_open) Send(QStringLiteral("seek %1 to start").arg(m_alias));
    }

    bool Stopped()
    {
        if (!m_open) return true;
        const QString mode = Query(QStringLiteral("status %1 mode").arg(m_alias));
        // A device that no longer answers counts as stopped; one still
        // loading or seeking does not.
        if (mode.isEmpty() || mode == QLatin1String("stopped")) return true;
        if (mode != QLatin1String("playing")) return false;
        // A DirectShow device may still say "playing" once the sound has
        // ended; the position tells.
        bool lengthOk = false;
        bool positionOk = false;
        const qint64 length = Query(QStringLiteral("status %1 length").arg(m_alias)).toLongLong(&lengthOk);
        const qint64 position = Query(QStringLiteral("status %1 position").arg(m_alias)).toLongLong(&positionOk);
        return lengthOk && positionOk && length > 0 && position >= length;
    }

private:
    static bool Send(const QString& command)
    {
        return mciSendStringW(reinterpret_cast<const wchar_t*>(command.utf16()), nullptr, 0, nullptr) == 0;
    }

    // The device's answer; empty when the command failed.
    static QString Query(const QString& command)
    {
        wchar_t answer[128] = {};
        if (mciSendStringW(reinterpret_cast<const wchar_t*>(command.utf16()), answer, 128, nullptr) != 0)
            return QString();
        return QString::fromWCharArray(answer).trimmed().toLower();
    }

    void Close()
    {
        if (!m_open) return;
        Send(QStringLiteral("close %1").arg(m_alias));
        m_open = false;
    }

    // Reported later, from the event loop, as the media layer elsewhere
    // reports its errors: the handler may stop or reopen this player.
    void ReportError()
    {
        if (!m_onError) return;
        QMetaObject::invokeMethod(
            this, [onError = m_onError, context = m_context] { onError(context); }, Qt::QueuedConnection);
    }

    void (*m_onError)(void*) = nullptr;
    void* m_context = nullptr;
    QString m_alias;
    bool m_open = false;
};

TMciPlayer* Player(QObject* object)
{
    return dynamic_cast<TMciPlayer*>(object);
}

} // namespace

QObject* NewSoundPlayer(QObject* owner, void (*onError)(void*), void* context)
{
    return new TMciPlayer(owner, onError, context);
}

void SoundPlayerOpen(QObject* player, const QUrl& source)
{
    if (TMciPlayer* mci = Player(player)) mci->Open(source);
}

void SoundPlayerPlay(QObject* player)
{
    if (TMciPlayer* mci = Player(player)) mci->Play();
}

void SoundPlayerStop(QObject* player)
{
    if (TMciPlayer* mci = Player(player)) mci->Stop();
}

void SoundPlayerRewind(QObject* player)
{
    if (TMciPlayer* mci = Player(player)) mci->Rewind();
}

bool SoundPlayerStopped(QObject* player)
{
    TMciPlayer* mci = Player(player);
    return !mci || mci->Stopped();
}
