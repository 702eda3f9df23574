// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "burner/DiscEngine.h"

#include <QStringList>

#include <memory>

// The disc engine over libburn (drives, writing, erasing) and libisofs
// (the image). Long operations run on a worker thread; their events wait
// in a queue until DeliverEvents.
class LibburnEngine final : public DiscEngine {
public:
    // extraDrives: pseudo-drive addresses listed after the system's drives,
    // such as "stdio:/tmp/disc.img".
    explicit LibburnEngine(QStringList extraDrives = {});
    ~LibburnEngine() override;

    // False when the libraries cannot start.
    bool IsUsable() const;
    // True once a signal asked the program to end; the running job has been
    // cancelled.
    bool SignalledToEnd() const override;
    // True while a write or erase runs.
    bool IsBusy() const;

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

    // The libburn address of a device ("/dev/sr0", "stdio:/tmp/disc.img").
    QString Address(int device) const;
    // The reason the last refused call gave.
    QString LastProblem() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// The folder a pattern such as "/data/*.*" names.
QString FolderOfPattern(const QString& pattern);
