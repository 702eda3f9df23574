// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QString>

// The disc engine behind the burner window and the command-line tool: a
// disc layout built from files and folders, the writers with their speeds
// and media, and the long operations (write, save as ISO file, quick
// erase), whose progress comes back as events.

// What the loaded media is. Type 0 means no media; the other codes are
// the engine's own (MediaType* below).
struct MediaInfo {
    int type = 0;
    bool writable = false;
    bool rewritable = false;
};

// Media type codes. The rewritable kinds pair with the capability the
// writer needs to erase them (see EraseCapabilityFor).
enum MediaType {
    kMediaNone = 0,
    kMediaCdR = 1,
    kMediaDvdPlusRw = 2,
    kMediaDvdR = 3,
    kMediaDvdRw = 4,
    kMediaDvdRam = 5,
    kMediaDvdPlusR = 6,
    kMediaBdR = 7,
    kMediaFile = 8, // a stdio: pseudo-drive's file
    kMediaCdRw = 9,
    kMediaBdRe = 15,
    kMediaOther = 16,
};

// Writer capability codes: writing the rewritable kinds, and buffer
// under-run protection.
enum DeviceCapability {
    kCapCdRw = 17,
    kCapDvdRw = 19,
    kCapDvdPlusRw = 22,
    kCapDvdRam = 23,
    kCapBdRe = 27,
    kCapUnderrunProof = 57,
};

// The write statuses reported by OnWriteStatus.
enum WriteStatus {
    kWritePreparing = 0,
    kWriteProgressImage = 1,
    kWriteProgressData = 2,
    kWriteProgressVerify = 3,
    kWriteClosingTrack = 4,
    kWriteLeadIn = 5,
    kWriteLeadOut = 6,
    kWriteOther = 7,
    kWriteUpdatingVolume = 8,
    kWriteFinished = 9,
    kWriteCancelled = 10,
    kWriteFailed = 11,
};

// The erase statuses reported by OnEraseStatus.
enum EraseStatus { kEraseStarted = 0, kEraseProgress = 1, kEraseComplete = 2, kEraseFailed = 3 };

// The kinds of write errors.
enum WriteErrorKind { kErrorDevice = 1, kErrorOutputFile = 2, kErrorSourceFile = 3, kErrorVerify = 4, kErrorSystem = 5 };

struct WriteError {
    int kind = 0;
    int code = 0;
    QString text;
    int deviceCode = 0;    // device errors: the drive's further code
    QString deviceText;    // and its text
};

struct FileWarning {
    int code = 0;
    QString text;
    QString detail;
};

struct DeviceError {
    int code = 0;
    QString text;
    QString source;
    QString detail;
};

// The settings of a write to a disc.
struct WriteSettings {
    int speed = 0;             // 1000 bytes per second; 0 is the drive's fastest
    bool underrunProof = false;
    bool simulate = false;     // a dummy write: the drive goes through the motions only
};

// Receives the engine's events, always on the thread that calls
// DeliverEvents.
class DiscEngineEvents {
public:
    virtual ~DiscEngineEvents() = default;
    virtual void OnWriteStatus(int status, int progress) = 0;
    virtual void OnWriteError(const WriteError& error) = 0;
    // True when the warning is to be ignored and the write goes on.
    virtual bool OnTrackFileWarning(const FileWarning& warning) = 0;
    virtual void OnEraseStatus(int device, int status, int progress) = 0;
    virtual void OnEraseError(const DeviceError& error) = 0;
};

class DiscEngine {
public:
    virtual ~DiscEngine() = default;

    virtual void SetEvents(DiscEngineEvents* events) = 0;
    // Hands the events gathered since the last call to the receiver.
    virtual void DeliverEvents() = 0;

    virtual bool InitializeDevices() = 0;
    // True once a signal asked the program to end and the engine's work was
    // cancelled: the program should end.
    virtual bool SignalledToEnd() const { return false; }

    // The layout. Destinations are image paths with backslashes ("\docs").
    virtual bool AddFile(const QString& source, const QString& destination) = 0;
    // Adds the folder named by a pattern ("FOLDER/*.*") with its contents.
    virtual bool AddFolder(const QString& sourcePattern, const QString& destination) = 0;
    virtual void SetVolumeLabel(const QString& label) = 0;
    virtual qint64 BlockSize() const = 0;
    // The size of the image the layout makes, in bytes; -1 when it cannot
    // be made.
    virtual qint64 ImageSize() = 0;
    // True when the last write to a disc was read back and matched.
    virtual bool Verified() const = 0;

    virtual int DeviceCount() = 0;
    virtual bool IsWriter(int device) = 0;
    virtual QString DisplayName(int device) = 0;
    // Write speeds in 1000 bytes per second, fastest first, each once.
    virtual QList<int> WriteSpeeds(int device) = 0;
    // A speed as a multiple of the loaded media's base speed.
    virtual double SpeedFactor(int device, int speed) = 0;
    virtual MediaInfo RefreshMedia(int device) = 0;
    virtual qint64 FreeBlocks(int device) = 0;
    virtual bool HasCapability(int device, int capability) = 0;

    virtual bool StartWrite(int device, const WriteSettings& settings) = 0;
    virtual bool StartSaveIso(const QString& fileName) = 0;
    virtual void Abort() = 0;
    virtual bool StartQuickErase(int device) = 0;
    virtual void Eject(int device) = 0;
    virtual void CloseTray(int device) = 0;
};
