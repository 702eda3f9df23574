// SPDX-License-Identifier: GPL-2.0-or-later
#include "disc/LibburnDiscEngine.h"

#include "disc/BurnDrives.h"
#include "disc/DiscJobs.h"
#include "disc/EngineEventQueue.h"
#include "disc/IsoLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <thread>

namespace {

constexpr qint64 kBlockSize = 2048;

// MMC profile numbers of the media libburn reports.
int MediaTypeOfProfile(int profile)
{
    switch (profile) {
    case 0: return kMediaNone;
    case 0x09: return kMediaCdR;
    case 0x0a: return kMediaCdRw;
    case 0x11:
    case 0x15:
    case 0x16: return kMediaDvdR;
    case 0x12: return kMediaDvdRam;
    case 0x13:
    case 0x14: return kMediaDvdRw;
    case 0x1a: return kMediaDvdPlusRw;
    case 0x1b:
    case 0x2b: return kMediaDvdPlusR;
    case 0x41:
    case 0x42: return kMediaBdR;
    case 0x43: return kMediaBdRe;
    case 0xffff: return kMediaFile;
    default: return kMediaOther;
    }
}

bool IsRewritableProfile(int profile)
{
    return profile == 0x0a || profile == 0x12 || profile == 0x13 || profile == 0x14 || profile == 0x1a ||
           profile == 0x43;
}

// Media written in place from the first block, whatever is on them.
bool IsOverwriteableProfile(int profile)
{
    return profile == 0x12 || profile == 0x13 || profile == 0x1a || profile == 0x43 || profile == 0xffff;
}

// The profiles that stand for each rewritable capability.
QList<int> ProfilesOfCapability(int capability)
{
    switch (capability) {
    case kCapCdRw: return {0x0a};
    case kCapDvdRw: return {0x13, 0x14};
    case kCapDvdPlusRw: return {0x1a};
    case kCapDvdRam: return {0x12};
    case kCapBdRe: return {0x43};
    default: return {};
    }
}

// 1x in 1000 bytes per second for the media family of a profile.
double BaseSpeedOfProfile(int profile)
{
    if (profile >= 0x40 && profile < 0x50) return 4495.625;
    if (profile >= 0x10 && profile < 0x40) return 1385.0;
    return 176.4;
}

int CurrentProfile(burn::burn_drive* drive)
{
    int profile = 0;
    char name[80] = {};
    if (burn::burn_disc_get_profile(drive, &profile, name) <= 0) return 0;
    return profile;
}

} // namespace

QString FolderOfPattern(const QString& pattern)
{
    QString folder = pattern;
    if (folder.endsWith(QStringLiteral("*.*"))) folder.chop(3);
    while (folder.size() > 1 && (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))))
        folder.chop(1);
    return folder.isEmpty() ? QStringLiteral("/") : folder;
}

struct LibburnDiscEngine::Private {
    QStringList extraDrives;
    bool usable = false;
    BurnSignalGuard signalGuard;
    IsoLayout layout;
    BurnDrives drives;
    EngineEventQueue queue;
    DiscEngineEvents* events = nullptr;
    std::thread worker;
    std::atomic<bool> busy{false};
    std::atomic<bool> cancel{false};
    std::atomic<bool> verified{false};
    std::atomic<burn::burn_drive*> writingDrive{nullptr};
    QString problem;

    void Join()
    {
        if (worker.joinable()) worker.join();
    }

    // Refuses a drive operation while a job runs; otherwise reaps the
    // ended job first.
    bool Idle()
    {
        if (busy.load()) {
            problem = QStringLiteral("the engine is busy");
            return false;
        }
        Join();
        return true;
    }

    burn::burn_drive* Drive(int device)
    {
        if (!Idle()) return nullptr;
        return drives.Grab(device, &problem);
    }
};

LibburnDiscEngine::LibburnDiscEngine(QStringList extraDrives)
    : d(std::make_unique<Private>())
{
    d->extraDrives = std::move(extraDrives);
    d->usable = UseBurnLibraries() && d->layout.IsValid();
}

LibburnDiscEngine::~LibburnDiscEngine()
{
    if (d->busy.load()) Abort();
    d->Join();
    d->drives.ReleaseAll();
}

bool LibburnDiscEngine::IsUsable() const
{
    return d->usable;
}

bool LibburnDiscEngine::SignalledToEnd() const
{
    return BurnAbortRequested();
}

bool LibburnDiscEngine::IsBusy() const
{
    return d->busy.load();
}

QString LibburnDiscEngine::Address(int device) const
{
    const BurnDrives::Drive* drive = d->drives.At(device);
    return drive ? drive->address : QString();
}

QString LibburnDiscEngine::LastProblem() const
{
    return d->problem;
}

void LibburnDiscEngine::SetEvents(DiscEngineEvents* events)
{
    d->events = events;
}

void LibburnDiscEngine::DeliverEvents()
{
    d->queue.Deliver(d->events);
}

bool LibburnDiscEngine::InitializeDevices()
{
    if (!d->usable || !d->Idle()) return false;
    return d->drives.Scan(d->extraDrives);
}

bool LibburnDiscEngine::AddFile(const QString& source, const QString& destination)
{
    return d->layout.AddFile(source, destination, &d->problem);
}

bool LibburnDiscEngine::AddFolder(const QString& sourcePattern, const QString& destination)
{
    return d->layout.AddFolder(FolderOfPattern(sourcePattern), destination, &d->problem);
}

void LibburnDiscEngine::SetVolumeLabel(const QString& label)
{
    d->layout.SetVolumeLabel(label);
}

qint64 LibburnDiscEngine::BlockSize() const
{
    return kBlockSize;
}

qint64 LibburnDiscEngine::ImageSize()
{
    return d->layout.ImageSize();
}

bool LibburnDiscEngine::Verified() const
{
    return d->verified.load();
}

int LibburnDiscEngine::DeviceCount()
{
    return d->drives.Count();
}

bool LibburnDiscEngine::IsWriter(int device)
{
    const BurnDrives::Drive* drive = d->drives.At(device);
    return drive && drive->writer;
}

QString LibburnDiscEngine::DisplayName(int device)
{
    const BurnDrives::Drive* drive = d->drives.At(device);
    return drive ? drive->name : QString();
}

QList<int> LibburnDiscEngine::WriteSpeeds(int device)
{
    QList<int> speeds;
    burn::burn_drive* drive = d->Drive(device);
    if (!drive) return speeds;
    burn::burn_speed_descriptor* list = nullptr;
    if (burn::burn_drive_get_speedlist(drive, &list) <= 0) return speeds;
    // The drive may list a speed more than once (per source and media).
    for (burn::burn_speed_descriptor* s = list; s; s = s->next)
        if (s->write_speed > 0 && !speeds.contains(s->write_speed)) speeds.append(s->write_speed);
    burn::burn_drive_free_speedlist(&list);
    std::sort(speeds.begin(), speeds.end(), std::greater<int>());
    return speeds;
}

double LibburnDiscEngine::SpeedFactor(int device, int speed)
{
    burn::burn_drive* drive = d->Drive(device);
    return speed / BaseSpeedOfProfile(drive ? CurrentProfile(drive) : 0);
}

MediaInfo LibburnDiscEngine::RefreshMedia(int device)
{
    MediaInfo media;
    burn::burn_drive* drive = d->Drive(device);
    if (!drive) return media;
    if (burn::burn_drive_get_drive_role(drive) == 1) burn::burn_drive_re_assess(drive, 0);
    const burn::burn_disc_status status = burn::burn_disc_get_status(drive);
    if (status == burn::BURN_DISC_EMPTY || status == burn::BURN_DISC_UNREADY) return media;
    const int profile = CurrentProfile(drive);
    media.type = MediaTypeOfProfile(profile);
    if (media.type == kMediaNone) return media;
    media.writable = status == burn::BURN_DISC_BLANK || IsOverwriteableProfile(profile);
    media.rewritable = IsRewritableProfile(profile);
    return media;
}

qint64 LibburnDiscEngine::FreeBlocks(int device)
{
    burn::burn_drive* drive = d->Drive(device);
    if (!drive) return 0;
    burn::burn_write_opts* options = burn::burn_write_opts_new(drive);
    const qint64 bytes = burn::burn_disc_available_space(drive, options);
    burn::burn_write_opts_free(options);
    return bytes / kBlockSize;
}

bool LibburnDiscEngine::HasCapability(int device, int capability)
{
    if (capability == kCapUnderrunProof) {
        const BurnDrives::Drive* entry = d->drives.At(device);
        return entry && entry->underrunProof;
    }
    burn::burn_drive* drive = d->Drive(device);
    if (!drive) return false;
    int count = 0;
    int profiles[64] = {};
    char current[64] = {};
    burn::burn_drive_get_all_profiles(drive, &count, profiles, current);
    const QList<int> wanted = ProfilesOfCapability(capability);
    for (int i = 0; i < count && i < 64; ++i)
        if (wanted.contains(profiles[i])) return true;
    return false;
}

bool LibburnDiscEngine::StartWrite(int device, const WriteSettings& settings)
{
    burn::burn_drive* drive = d->Drive(device);
    if (!drive) return false;
    d->cancel = false;
    d->busy = true;
    d->writingDrive = drive;
    WriteJob job{drive, &d->layout, settings, false, device, &d->cancel, &d->verified};
    d->worker = std::thread([this, job] {
        const WriteOutcome outcome = RunWriteJob(job, d->queue);
        d->writingDrive = nullptr;
        d->busy = false;
        PostOutcome(d->queue, outcome);
    });
    return true;
}

bool LibburnDiscEngine::StartSaveIso(const QString& fileName)
{
    if (!d->usable || !d->Idle()) return false;
    const QString path = QFileInfo(fileName).absoluteFilePath();
    if (QFileInfo(path).isDir()) {
        d->problem = QStringLiteral("\"%1\" is a folder").arg(path);
        return false;
    }
    // A new file: the pseudo-drive would otherwise keep old bytes past the
    // end of a shorter image.
    if (QFileInfo::exists(path) && !QFile::remove(path)) {
        d->problem = QStringLiteral("\"%1\" cannot be replaced").arg(path);
        return false;
    }
    burn::burn_drive_info* info = GrabAddress(QStringLiteral("stdio:") + path, &d->problem);
    if (!info) return false;
    d->cancel = false;
    d->busy = true;
    d->writingDrive = info->drive;
    WriteJob job{info->drive, &d->layout, WriteSettings{}, true, -1, &d->cancel, &d->verified};
    d->worker = std::thread([this, job, info, path] {
        const WriteOutcome outcome = RunWriteJob(job, d->queue);
        ReleaseAddress(info, false);
        // A cancelled or failed image is no image: nothing half-written
        // stays behind.
        if (outcome.status != kWriteFinished) QFile::remove(path);
        d->writingDrive = nullptr;
        d->busy = false;
        PostOutcome(d->queue, outcome);
    });
    return true;
}

void LibburnDiscEngine::Abort()
{
    d->cancel = true;
    // Erasing cannot be cancelled; only a write has a writing drive.
    if (burn::burn_drive* drive = d->writingDrive.load()) burn::burn_drive_cancel(drive);
}

bool LibburnDiscEngine::StartQuickErase(int device)
{
    burn::burn_drive* drive = d->Drive(device);
    if (!drive) return false;
    d->busy = true;
    d->worker = std::thread([this, drive, device] {
        const EraseOutcome outcome = RunEraseJob(drive, device, d->queue);
        d->busy = false;
        PostOutcome(d->queue, device, outcome);
    });
    return true;
}

void LibburnDiscEngine::Eject(int device)
{
    if (!d->Idle()) return;
    d->drives.Release(device, true);
}

void LibburnDiscEngine::CloseTray(int device)
{
    if (!d->Idle()) return;
    // Grabbing loads the tray; a drive already held is let go first.
    d->drives.Release(device, false);
    d->drives.Grab(device, &d->problem);
}
