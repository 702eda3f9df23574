// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "burner/LibburnEngine.h"

#include <QStringList>

#include <memory>

// The engine the disc module hands out (see burner/LibburnEngine.h).
class LibburnDiscEngine final : public LibburnEngine {
public:
    explicit LibburnDiscEngine(QStringList extraDrives = {});
    ~LibburnDiscEngine() override;

    bool IsUsable() const override;
    // True once a signal asked the program to end; the running job has been
    // cancelled.
    bool SignalledToEnd() const override;
    bool IsBusy() const override;

    void SetEvents(DiscEngineEvents* events) override;
    void DeliverEvents() override;
    bool InitializeDevices() override;
    bool AddFile(const QString& source, const QString& destination) override;
    bool AddFolder(const QString& sourcePattern, const QString& destination) override;
    void SetVolumeLabel(const QString& label) override;
    qint64 BlockSize() const override;
    qint64 ImageSize() override;
    bool Verified() const override;
    int DeviceCount() override;
    bool IsWriter(int device) override;
    QString DisplayName(int device) override;
    QList<int> WriteSpeeds(int device) override;
    double SpeedFactor(int device, int speed) override;
    MediaInfo RefreshMedia(int device) override;
    qint64 FreeBlocks(int device) override;
    bool HasCapability(int device, int capability) override;
    bool StartWrite(int device, const WriteSettings& settings) override;
    bool StartSaveIso(const QString& fileName) override;
    void Abort() override;
    bool StartQuickErase(int device) override;
    void Eject(int device) override;
    void CloseTray(int device) override;

    QString Address(int device) const override;
    QString LastProblem() const override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// The folder a pattern such as "/data/*.*" names.
QString FolderOfPattern(const QString& pattern);
