// SPDX-License-Identifier: GPL-2.0-or-later
#include "disc/DiscJobs.h"

#include "disc/IsoLayout.h"

#include <QCryptographicHash>
#include <QStringList>

#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

constexpr useconds_t kPollMicroseconds = 25000;
constexpr qint64 kBlock = 2048;
// 4 MiB of buffer between the image maker and the drive.
constexpr int kFifoChunks = 2048;
constexpr qint64 kReadChunk = 32 * kBlock;

int SeverityRank(const QString& severity)
{
    static const QStringList order{"DEBUG", "UPDATE", "NOTE",    "HINT",  "WARNING",
                                   "SORRY", "MISHAP", "FAILURE", "FATAL", "ABORT"};
    return int(order.indexOf(severity));
}

QString ErrnoText(int osErrno)
{
    return osErrno ? QString::fromLocal8Bit(std::strerror(osErrno)) : QString();
}

// The library messages of one job: libisofs warnings are passed on as
// file warnings as they come; anything worse from either library (SORRY
// is libburn's "refused") counts against the job.
struct JobMessages {
    QList<BurnMessage> burnFailures;
    QList<BurnMessage> isoFailures;

    void Collect(EngineEventQueue& events)
    {
        for (const BurnMessage& m : TakeBurnMessages("ALL"))
            if (SeverityRank(m.severity) >= SeverityRank("SORRY")) burnFailures.append(m);
        for (const BurnMessage& m : TakeIsoMessages("ALL")) {
            const int rank = SeverityRank(m.severity);
            if (rank >= SeverityRank("SORRY")) {
                isoFailures.append(m);
            } else if (rank == SeverityRank("WARNING")) {
                const FileWarning warning{m.code, m.text, m.severity};
                events.Post([warning](DiscEngineEvents& r) { r.OnTrackFileWarning(warning); });
            }
        }
    }
};

void PostStatus(EngineEventQueue& events, int status, int progress)
{
    events.Post([status, progress](DiscEngineEvents& r) { r.OnWriteStatus(status, progress); });
}

WriteOutcome Failure(int kind, int code, const QString& text)
{
    WriteError error;
    error.kind = kind;
    error.code = code;
    error.text = text;
    return {kWriteFailed, error};
}

WriteOutcome Failure(const WriteError& error)
{
    return {kWriteFailed, error};
}

int Percent(const burn::burn_progress& p)
{
    if (p.sectors <= 0) return 0;
    return int(qBound(qint64(0), qint64(p.sector) * 100 / p.sectors, qint64(100)));
}

// The status shown for what the drive is doing; -1 for nothing to show.
int WriteStatusFor(burn::burn_drive_status status)
{
    switch (status) {
    case burn::BURN_DRIVE_SPAWNING: return kWritePreparing;
    case burn::BURN_DRIVE_WRITING:
    case burn::BURN_DRIVE_WRITING_SYNC: return kWriteProgressData;
    case burn::BURN_DRIVE_WRITING_LEADIN: return kWriteLeadIn;
    case burn::BURN_DRIVE_WRITING_LEADOUT: return kWriteLeadOut;
    case burn::BURN_DRIVE_CLOSING_TRACK:
    case burn::BURN_DRIVE_CLOSING_SESSION: return kWriteClosingTrack;
    case burn::BURN_DRIVE_WRITING_PREGAP: return kWriteOther;
    default: return -1;
    }
}

void WaitWhileSpawning(burn::burn_drive* drive)
{
    while (burn::burn_drive_get_status(drive, nullptr) == burn::BURN_DRIVE_SPAWNING) usleep(10000);
}

// Starts an asynchronous drive job. libburn refuses it, with a message
// only, while a worker thread of an earlier job on the same drive slot
// still winds down; then it is started again a moment later. The
// refusals that remain are added to failures.
void StartDriveJob(burn::burn_drive* drive, const std::function<void()>& start, QList<BurnMessage>& failures)
{
    constexpr int kPatienceSteps = 300;
    for (int step = 0;; ++step) {
        TakeBurnMessages("ALL");
        start();
        WaitWhileSpawning(drive);
        bool refusedWhileBusy = false;
        QList<BurnMessage> refusals;
        for (const BurnMessage& m : TakeBurnMessages("SORRY")) {
            refusedWhileBusy = refusedWhileBusy || m.text.contains(QStringLiteral("still going on"));
            refusals.append(m);
        }
        if (!refusedWhileBusy || step == kPatienceSteps) {
            failures.append(refusals);
            return;
        }
        usleep(100000);
    }
}

// The libburn objects of one write, freed together.
struct WriteObjects {
    burn::burn_disc* disc = nullptr;
    burn::burn_session* session = nullptr;
    burn::burn_track* track = nullptr;
    burn::burn_write_opts* options = nullptr;

    ~WriteObjects()
    {
        if (options) burn::burn_write_opts_free(options);
        if (track) burn::burn_track_free(track);
        if (session) burn::burn_session_free(session);
        if (disc) burn::burn_disc_free(disc);
    }
};

// Builds the one-track disc over the image stream. The track keeps its own
// references to the stream.
bool PrepareDisc(WriteObjects& w, const WriteJob& job, ::burn_source* stream, QString& problem)
{
    burn::burn_source* image = AsBurnSource(stream);
    // A disc drive gets a fifo of its own in front of the image maker's
    // buffer against under-runs; a file needs none and is written faster
    // without the second hand-over of every 2 KB block.
    const bool toDisc = burn::burn_drive_get_drive_role(job.drive) == 1;
    burn::burn_source* fifo = toDisc ? burn::burn_fifo_source_new(image, int(kBlock), kFifoChunks, 0) : image;
    if (!toDisc) ++image->refcount;
    w.disc = burn::burn_disc_create();
    w.session = burn::burn_session_create();
    w.track = burn::burn_track_create();
    bool ok = fifo && w.disc && w.session && w.track;
    if (ok) {
        burn::burn_track_define_data(w.track, 0, 0, 1, BURN_MODE1);
        ok = burn::burn_track_set_source(w.track, fifo) == burn::BURN_SOURCE_OK &&
             burn::burn_session_add_track(w.session, w.track, BURN_POS_END) &&
             burn::burn_disc_add_session(w.disc, w.session, BURN_POS_END);
    }
    if (fifo) burn::burn_source_free(fifo);
    burn::burn_source_free(image);
    if (!ok) {
        problem = QStringLiteral("out of memory");
        return false;
    }
    w.options = burn::burn_write_opts_new(job.drive);
    burn::burn_write_opts_set_perform_opc(w.options, 0);
    burn::burn_write_opts_set_multi(w.options, 0);
    burn::burn_write_opts_set_simulate(w.options, job.settings.simulate ? 1 : 0);
    burn::burn_write_opts_set_underrun_proof(w.options, job.settings.underrunProof ? 1 : 0);
    // A pseudo-drive's file is written through the page cache like any
    // other file; libburn's default forces it to the disk every 8 MB,
    // which makes an image several times slower to write.
    burn::burn_write_opts_set_stdio_fsync(w.options, -1);
    burn::burn_drive_set_speed(job.drive, 0, job.settings.speed);
    char reasons[BURN_REASONS_LEN] = {};
    if (burn::burn_write_opts_auto_write_type(w.options, w.disc, reasons, 0) == burn::BURN_WRITE_NONE) {
        problem = QString::fromUtf8(reasons).trimmed();
        return false;
    }
    return true;
}

WriteError DriveFailure(const WriteJob& job, const JobMessages& messages)
{
    WriteError error;
    error.kind = job.toFile ? kErrorOutputFile : kErrorDevice;
    if (messages.burnFailures.isEmpty()) {
        error.text = QStringLiteral("the drive did not report a good write");
        return error;
    }
    const BurnMessage& m = messages.burnFailures.first();
    error.code = m.code;
    error.text = m.text;
    error.deviceCode = m.osErrno;
    error.deviceText = m.osErrno ? ErrnoText(m.osErrno) : m.severity;
    return error;
}

} // namespace

void PostOutcome(EngineEventQueue& events, const WriteOutcome& outcome)
{
    if (outcome.status == kWriteFailed) {
        const WriteError error = outcome.error;
        events.Post([error](DiscEngineEvents& r) { r.OnWriteError(error); });
    }
    PostStatus(events, outcome.status, outcome.status == kWriteFinished ? 100 : 0);
}

WriteOutcome RunWriteJob(const WriteJob& job, EngineEventQueue& events)
{
    job.verified->store(false);
    TakeBurnMessages("ALL");
    TakeIsoMessages("ALL");
    PostStatus(events, kWritePreparing, 0);

    QString problem;
    ::burn_source* stream = job.layout->CreateStream(&problem);
    if (!stream) return Failure(kErrorSourceFile, 0, problem);
    const qint64 size = AsBurnSource(stream)->get_size(AsBurnSource(stream));

    JobMessages messages;
    bool wroteWell = false;
    {
        WriteObjects w;
        if (!PrepareDisc(w, job, stream, problem))
            return Failure(job.toFile ? kErrorOutputFile : kErrorDevice, 0, problem);
        StartDriveJob(job.drive, [&] { burn::burn_disc_write(w.options, w.disc); }, messages.burnFailures);
        int lastStatus = -1;
        int lastProgress = -1;
        burn::burn_progress p{};
        burn::burn_drive_status driveStatus;
        while ((driveStatus = burn::burn_drive_get_status(job.drive, &p)) != burn::BURN_DRIVE_IDLE) {
            const int status = WriteStatusFor(driveStatus);
            const int progress = Percent(p);
            if (status >= 0 && (status != lastStatus || progress != lastProgress)) {
                PostStatus(events, status, progress);
                lastStatus = status;
                lastProgress = progress;
            }
            messages.Collect(events);
            if (BurnAbortRequested()) burn::burn_drive_cancel(job.drive);
            usleep(kPollMicroseconds);
        }
        messages.Collect(events);
        wroteWell = burn::burn_drive_wrote_well(job.drive) == 1;
    }

    if (job.cancel->load() || BurnAbortRequested()) return {kWriteCancelled, {}};
    // A source file that could not be read would leave zeros in its place.
    if (!messages.isoFailures.isEmpty()) {
        const BurnMessage& m = messages.isoFailures.first();
        return Failure(kErrorSourceFile, m.code, m.text);
    }
    if (!wroteWell || !messages.burnFailures.isEmpty()) return Failure(DriveFailure(job, messages));

    // A dummy write puts nothing on the media: there is nothing to read back.
    if (job.settings.simulate) return {kWriteFinished, {}};
    PostStatus(events, kWriteProgressVerify, 0);
    const auto onProgress = [&events](int percent) { PostStatus(events, kWriteProgressVerify, percent); };
    if (!ReadBackMatches(job.drive, *job.layout, size, onProgress, *job.cancel, problem)) {
        if (job.cancel->load()) return {kWriteCancelled, {}};
        return Failure(kErrorVerify, 0, problem);
    }
    job.verified->store(true);
    return {kWriteFinished, {}};
}

bool ReadBackMatches(burn::burn_drive* drive, const IsoLayout& layout, qint64 size,
                     const std::function<void(int)>& onProgress, const std::atomic<bool>& cancel,
                     QString& problem)
{
    qint64 startBlock = 0;
    qint64 endBlock = 0;
    std::array<char, 16> recorded{};
    if (!layout.SessionChecksum(startBlock, endBlock, recorded)) {
        problem = QStringLiteral("The image carries no checksum to compare with.");
        return false;
    }
    // The drive learns about the media it has just written: libburn may
    // still count the blocks the media had before the write.
    burn::burn_drive_re_assess(drive, 0);
    TakeBurnMessages("ALL");
    const qint64 checkedFrom = startBlock * kBlock;
    const qint64 checkedTo = endBlock * kBlock;
    QCryptographicHash hash(QCryptographicHash::Md5);
    std::vector<char> buffer(kReadChunk);
    int lastPercent = -1;
    for (qint64 at = 0; at < size; at += kReadChunk) {
        if (cancel.load()) return false;
        const qint64 wanted = qMin(kReadChunk, size - at);
        off_t count = 0;
        if (burn::burn_drive_get_drive_role(drive) == 0 ||
            burn::burn_read_data(drive, at, buffer.data(), wanted, &count, 0) <= 0 || count != wanted) {
            // The padding after the checked blocks may be unreadable on
            // some media; everything the checksum covers must be read.
            if (at >= checkedTo) break;
            const QList<BurnMessage> messages = TakeBurnMessages("SORRY");
            problem = QStringLiteral("Reading back the written data failed at byte %1%2")
                          .arg(at)
                          .arg(messages.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + messages.last().text);
            return false;
        }
        const qint64 from = qMax(at, checkedFrom);
        const qint64 to = qMin(at + wanted, checkedTo);
        if (to > from) hash.addData(QByteArrayView(buffer.data() + (from - at), to - from));
        const int percent = int(at * 100 / size);
        if (percent != lastPercent) {
            onProgress(percent);
            lastPercent = percent;
        }
    }
    if (hash.result() != QByteArray(recorded.data(), int(recorded.size()))) {
        problem = QStringLiteral("The data read back differs from the image that was written.");
        return false;
    }
    return true;
}

EraseOutcome RunEraseJob(burn::burn_drive* drive, int device, EngineEventQueue& events)
{
    events.Post([device](DiscEngineEvents& r) { r.OnEraseStatus(device, kEraseStarted, 0); });
    QList<BurnMessage> failures;
    StartDriveJob(drive, [drive] { burn::burn_disc_erase(drive, 1); }, failures);
    burn::burn_progress p{};
    int lastProgress = -1;
    while (burn::burn_drive_get_status(drive, &p) != burn::BURN_DRIVE_IDLE) {
        const int progress = Percent(p);
        if (progress != lastProgress) {
            events.Post([device, progress](DiscEngineEvents& r) { r.OnEraseStatus(device, kEraseProgress, progress); });
            lastProgress = progress;
        }
        usleep(kPollMicroseconds);
    }
    failures.append(TakeBurnMessages("SORRY"));
    EraseOutcome outcome;
    if (burn::burn_drive_wrote_well(drive) == 1 && failures.isEmpty()) {
        outcome.complete = true;
        return outcome;
    }
    outcome.error.text = QStringLiteral("the drive did not report a good erase");
    if (!failures.isEmpty()) {
        outcome.error.code = failures.first().code;
        outcome.error.text = failures.first().text;
        outcome.error.source = failures.first().severity;
        outcome.error.detail = ErrnoText(failures.first().osErrno);
    }
    return outcome;
}

void PostOutcome(EngineEventQueue& events, int device, const EraseOutcome& outcome)
{
    if (outcome.complete) {
        events.Post([device](DiscEngineEvents& r) { r.OnEraseStatus(device, kEraseComplete, 100); });
        return;
    }
    const DeviceError error = outcome.error;
    events.Post([error](DiscEngineEvents& r) { r.OnEraseError(error); });
    events.Post([device](DiscEngineEvents& r) { r.OnEraseStatus(device, kEraseFailed, 0); });
}
