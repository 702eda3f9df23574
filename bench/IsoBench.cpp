// SPDX-License-Identifier: GPL-2.0-or-later
// The ISO image of a 500 MB project folder against xorriso's mkisofs
// emulation ("xorriso -as mkisofs -J -R") on the same folder in the same
// run. The image is timed until the engine starts reading it back; the
// read-back check is timed apart. Our image records its session checksum
// (the read-back compares with it), so xorriso is also timed with --md5,
// the same work. Prints the medians and the speed ratios (xorriso's time /
// ours; 1.0 is as fast).
//
//   bench_iso [runs] [megabytes]
#include "BenchTiming.h"
#include "burner/DiscEngine.h"
#include "burner/LayoutBuilder.h"
#include "burner/LibburnEngine.h"
#include "platform/MessageBoxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Files of 1 to 20 MB in a few folders, with data that does not compress.
void MakeFolder(const QString& root, qint64 megabytes)
{
    QRandomGenerator random(13);
    qint64 left = megabytes << 20;
    for (int i = 0; left > 0; ++i) {
        const QString folder = QStringLiteral("%1/media%2").arg(root).arg(i % 5);
        QDir().mkpath(folder);
        const qint64 size = std::min<qint64>(left, qint64(1 + random.bounded(20)) << 20);
        QFile file(QStringLiteral("%1/clip%2.bin").arg(folder).arg(i));
        file.open(QIODevice::WriteOnly);
        QByteArray block(1 << 20, '\0');
        for (qint64 written = 0; written < size; written += block.size()) {
            random.fillRange(reinterpret_cast<quint32*>(block.data()), block.size() / 4);
            file.write(block.constData(), std::min<qint64>(block.size(), size - written));
        }
        left -= size;
    }
}

class Timing final : public DiscEngineEvents {
public:
    QElapsedTimer clock;
    double writtenMs = -1;
    double endMs = -1;
    int endStatus = -1;
    void OnWriteStatus(int status, int) override
    {
        if (status == kWriteProgressVerify && writtenMs < 0) writtenMs = double(clock.nsecsElapsed()) / 1e6;
        if (status == kWriteFinished || status == kWriteFailed || status == kWriteCancelled) {
            endMs = double(clock.nsecsElapsed()) / 1e6;
            endStatus = status;
        }
    }
    void OnWriteError(const WriteError& e) override { std::fprintf(stderr, "error: %s\n", qPrintable(e.text)); }
    bool OnTrackFileWarning(const FileWarning&) override { return true; }
    void OnEraseStatus(int, int, int) override {}
    void OnEraseError(const DeviceError&) override {}
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    StderrMessageBoxes boxes;
    SetMessageBoxes(&boxes);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    const qint64 megabytes = argc > 2 ? std::max(1, atoi(argv[2])) : 500;
    QTemporaryDir temp;
    const QString folder = temp.filePath("project");
    MakeFolder(folder, megabytes);
    const QString ours = temp.filePath("ours.iso");
    const QString theirs = temp.filePath("xorriso.iso");
    QProcess::execute("sync", {});

    std::vector<double> oursWrite, oursVerify, xorrisoTimes, xorrisoMd5Times;
    const auto timeOurs = [&] {
        const std::unique_ptr<LibburnEngine> loaded = NewLibburnEngine();
        if (!loaded) return false;
        LibburnEngine& engine = *loaded;
        Timing timing;
        engine.SetEvents(&timing);
        BuildLayout(engine, folder, [](const QString&) {});
        engine.SetVolumeLabel("BENCH");
        timing.clock.start();
        if (!engine.StartSaveIso(ours)) return false;
        while (timing.endStatus < 0) {
            QThread::msleep(2);
            engine.DeliverEvents();
        }
        if (timing.endStatus != kWriteFinished) return false;
        oursWrite.push_back(timing.writtenMs);
        oursVerify.push_back(timing.endMs - timing.writtenMs);
        return true;
    };
    const auto timeXorriso = [&](bool md5, std::vector<double>& times) {
        QFile::remove(theirs);
        QStringList arguments{"-as", "mkisofs", "-quiet", "-J", "-R"};
        // The same work as ours: the session checksum recorded in the image.
        if (md5) arguments << "--md5";
        arguments << "-o" << theirs << folder;
        QElapsedTimer clock;
        clock.start();
        if (QProcess::execute("xorriso", arguments) != 0) return false;
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        return true;
    };
    // Turns alternate who goes first, so neither always finds a warmer cache.
    for (int run = 0; run < runs; ++run) {
        const bool oursFirst = run % 2 == 0;
        if (oursFirst && !timeOurs()) return 1;
        if (!timeXorriso(false, xorrisoTimes) || !timeXorriso(true, xorrisoMd5Times)) return 1;
        if (!oursFirst && !timeOurs()) return 1;
    }
    const double write = Median(oursWrite);
    const double xorriso = Median(xorrisoTimes);
    std::printf("folder: %lld MB, %d runs (medians)\n", megabytes, runs);
    std::printf("velomni ISO write:            %8.1f ms\n", write);
    std::printf("velomni read-back check:      %8.1f ms (not in the ratio)\n", Median(oursVerify));
    std::printf("xorriso -as mkisofs -J -R:    %8.1f ms\n", xorriso);
    const double xorrisoMd5 = Median(xorrisoMd5Times);
    std::printf("xorriso ... --md5:            %8.1f ms\n", xorrisoMd5);
    std::printf("speed ratio (xorriso / ours): %8.3f\n", xorriso / write);
    std::printf("speed ratio with --md5:       %8.3f\n", xorrisoMd5 / write);
    return 0;
}
