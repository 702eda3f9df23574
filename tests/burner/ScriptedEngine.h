// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "burner/DiscEngine.h"

#include <QHash>
#include <QSet>
#include <QStringList>

// A disc engine whose drives, media and answers a test sets, recording
// every call. Events are raised by the test through Receiver().
class ScriptedEngine final : public DiscEngine {
public:
    struct Drive {
        QString name;
        bool writer = true;
        QList<int> speeds;
        MediaInfo media;
        qint64 freeBlocks = 0;
        QSet<int> capabilities;
    };

    QList<Drive> drives;
    bool initializes = true;
    bool startsWrite = true;
    bool startsIso = true;
    bool startsErase = true;
    bool verified = true;
    qint64 imageSize = 0;
    QSet<QString> refusedSources; // source patterns or paths AddFolder/AddFile refuse
    QStringList calls;            // "AddFolder <pattern> <destination>", "Eject 0", ...
    WriteSettings lastSettings;
    QString volumeLabel;

    DiscEngineEvents* Receiver() const { return m_events; }

    void SetEvents(DiscEngineEvents* events) override { m_events = events; }
    void DeliverEvents() override {}
    bool InitializeDevices() override { return initializes; }
    bool AddFile(const QString& source, const QString& destination) override
    {
        calls << QStringLiteral("AddFile %1 %2").arg(source, destination);
        return !refusedSources.contains(source);
    }
    bool AddFolder(const QString& pattern, const QString& destination) override
    {
        calls << QStringLiteral("AddFolder %1 %2").arg(pattern, destination);
        return !refusedSources.contains(pattern);
    }
    void SetVolumeLabel(const QString& label) override { volumeLabel = label; }
    qint64 BlockSize() const override { return 2048; }
    qint64 ImageSize() override { return imageSize; }
    bool Verified() const override { return verified; }
    int DeviceCount() override { return int(drives.size()); }
    bool IsWriter(int device) override { return drives[device].writer; }
    QString DisplayName(int device) override { return drives[device].name; }
    QList<int> WriteSpeeds(int device) override { return drives[device].speeds; }
    double SpeedFactor(int, int speed) override { return speed / 1385.0; }
    MediaInfo RefreshMedia(int device) override { return drives[device].media; }
    qint64 FreeBlocks(int device) override { return drives[device].freeBlocks; }
    bool HasCapability(int device, int capability) override
    {
        return drives[device].capabilities.contains(capability);
    }
    bool StartWrite(int device, const WriteSettings& settings) override
    {
        calls << QStringLiteral("StartWrite %1").arg(device);
        lastSettings = settings;
        return startsWrite;
    }
    bool StartSaveIso(const QString& fileName) override
    {
        calls << QStringLiteral("StartSaveIso %1").arg(fileName);
        return startsIso;
    }
    void Abort() override { calls << QStringLiteral("Abort"); }
    bool StartQuickErase(int device) override
    {
        calls << QStringLiteral("StartQuickErase %1").arg(device);
        return startsErase;
    }
    void Eject(int device) override { calls << QStringLiteral("Eject %1").arg(device); }
    void CloseTray(int device) override { calls << QStringLiteral("CloseTray %1").arg(device); }

private:
    DiscEngineEvents* m_events = nullptr;
};
