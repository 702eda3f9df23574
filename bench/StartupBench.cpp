// SPDX-License-Identifier: GPL-2.0-or-later
// The player's start-up: the real velomni.exe of the demo project (splash
// and backdrop switched off), from exec to the first painted frame of its
// menu window, against a separate program that links only Qt Widgets and
// shows a plain window of the menu's size. Both run as fresh processes,
// taking turns, in the same run; each reports its first paint on standard
// output (VELOMNI_REPORT_FIRST_FRAME=1).
// The player of the demo's runtime folder (linux-x86_64/velomni, on the
// libraries the folder carries) is timed too, against the same player on
// the system's libraries. Last, the bytes that player reads from the disc
// folder before its first frame: every file's pages are dropped from the
// cache first, and what is resident at the first frame is counted (on a
// 24x CD, about 3.6 MB/s, that is what a user waits for).
// Where the build put the Windows player at the folder's root, it is timed
// under Wine (a server kept running, so each start is the program's own)
// against the Linux player, and its size is reported.
// Usage: bench_startup [runs] [PLAYER]  (PLAYER: another build's player copy
// to time in place of this build's, to compare builds in one sitting)
#include "BenchTiming.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <QDirIterator>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

bool Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// The demo as a disc folder, its splash and backdrop off: imported from its
// JSON and built with the command-line tool, so velomni.exe is the player
// copy the studio's build makes.
bool PrepareDemo(const QString& folder, const QString& bin)
{
    const QString demo = QStringLiteral(VELOMNI_SOURCE_DIR "/examples/demo");
    if (!Run("cp", {"-r", demo + "/.", folder})) return false;
    QFile json(folder + "/project.json");
    if (!json.open(QIODevice::ReadOnly)) return false;
    QJsonObject project = QJsonDocument::fromJson(json.readAll()).object();
    json.close();
    project["SplashScreenImage"] = QJsonValue();
    project["FullScreenBack"] = false;
    if (!json.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    json.write(QJsonDocument(project).toJson());
    json.close();
    const QString cli = bin + "/velomni-cli";
    const bool made = Run(cli, {"import", json.fileName(), folder}) && json.remove() &&
                      Run(cli, {"build", folder});
    return made && QFile::exists(folder + "/velomni.exe");
}

// Milliseconds from start to the "first frame" line; the process is then
// ended (not timed).
double FirstFrameMs(const QString& program, const QStringList& arguments, const QString& folder)
{
    QProcess child;
    child.setWorkingDirectory(folder);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    child.start(program, arguments);
    double ms = -1;
    while (child.waitForReadyRead(30000)) {
        if (child.readAll().contains("first frame")) {
            ms = double(timer.nsecsElapsed()) / 1e6;
            break;
        }
    }
    child.kill();
    child.waitForFinished();
    return ms;
}

// Drops the file's cached pages (its written pages reach the disc first),
// or counts how many of them are cached.
qint64 CachedBytes(const QString& path, bool drop)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 0;
    const off_t size = ::lseek(fd, 0, SEEK_END);
    qint64 cached = 0;
    if (drop) {
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    } else if (size > 0) {
        void* map = ::mmap(nullptr, size_t(size), PROT_READ, MAP_SHARED, fd, 0);
        if (map != MAP_FAILED) {
            const long page = ::sysconf(_SC_PAGESIZE);
            std::vector<unsigned char> resident(size_t((size + page - 1) / page));
            if (::mincore(map, size_t(size), resident.data()) == 0)
                for (unsigned char r : resident) cached += (r & 1) ? page : 0;
            ::munmap(map, size_t(size));
        }
    }
    ::close(fd);
    return cached;
}

// The cached bytes of every file below the folder; *largest gets the five
// files with the most.
qint64 CachedBelow(const QString& folder, bool drop, QList<std::pair<qint64, QString>>* largest = nullptr)
{
    qint64 total = 0;
    QList<std::pair<qint64, QString>> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const qint64 cached = CachedBytes(path, drop);
        total += cached;
        files.append({cached, QDir(folder).relativeFilePath(path)});
    }
    if (largest) {
        std::sort(files.begin(), files.end(), std::greater<>());
        *largest = files.mid(0, 5);
    }
    return total;
}

QByteArray ReadAhead()
{
    QByteArray kb = "?";
    for (const char* device : {"/sys/block/vda/queue/read_ahead_kb", "/sys/block/sda/queue/read_ahead_kb",
                               "/sys/block/nvme0n1/queue/read_ahead_kb"}) {
        QFile file(device);
        if (file.open(QIODevice::ReadOnly)) return file.readAll().trimmed();
    }
    return kb;
}

// The bytes of the folder's files that the process has touched in its
// mappings (its resident pages, without the disk's read-ahead).
qint64 TouchedBelow(qint64 pid, const QString& folder)
{
    QFile smaps(QStringLiteral("/proc/%1/smaps").arg(pid));
    if (!smaps.open(QIODevice::ReadOnly)) return 0;
    qint64 total = 0;
    bool inFolder = false;
    const QByteArray prefix = QFile::encodeName(folder) + '/';
    for (const QByteArray& line : smaps.readAll().split('\n')) {
        if (line.startsWith("Rss:")) {
            if (inFolder) total += line.mid(4).trimmed().split(' ').value(0).toLongLong() * 1024;
        } else if (!line.isEmpty() && !std::isupper(static_cast<unsigned char>(line[0]))) {
            const qsizetype slash = line.indexOf('/');
            inFolder = slash >= 0 && line.mid(slash).startsWith(prefix);
        }
    }
    return total;
}

// The runtime player's bytes in the cache at its first frame, the folder's
// pages dropped before it starts; -1 when it reports no frame.
double MegabytesReadToFirstFrame(const QString& player, const QString& folder)
{
    ::sync();
    CachedBelow(folder, true);
    QProcess child;
    child.setWorkingDirectory(folder);
    child.setStandardErrorFile(QProcess::nullDevice());
    child.start(player, {});
    double megabytes = -1;
    while (child.waitForReadyRead(30000)) {
        if (child.readAll().contains("first frame")) {
            QList<std::pair<qint64, QString>> largest;
            megabytes = double(CachedBelow(folder, false, &largest)) / 1e6;
            for (const auto& [bytes, file] : largest)
                std::printf("  %6.1f MB %s\n", double(bytes) / 1e6, qPrintable(file));
            std::printf("of which the player's mappings touched %.1f MB; the rest is the disk's read-ahead "
                        "(%s KB here)\n",
                        double(TouchedBelow(child.processId(), folder)) / 1e6, ReadAhead().constData());
            break;
        }
    }
    child.kill();
    child.waitForFinished();
    return megabytes;
}

bool IsWindowsProgram(const QString& file)
{
    QFile program(file);
    return program.open(QIODevice::ReadOnly) && program.read(2) == "MZ";
}

// The Windows player of the folder under Wine, against the Linux player's
// median linuxMs of the same run. The Wine prefix is made (untimed) in a
// temporary folder unless VELOMNI_WINE_PREFIX names one.
bool TimeWindowsPlayer(const QString& folder, int runs, double linuxMs)
{
    const QString wine = QStandardPaths::findExecutable("wine64", {"/usr/lib/wine", "/usr/bin"});
    const QString server = QStandardPaths::findExecutable("wineserver", {"/usr/lib/wine", "/usr/bin"});
    if (wine.isEmpty() || server.isEmpty()) {
        std::printf("Windows player: not timed, Wine is not installed\n");
        return true;
    }
    QTemporaryDir prefixDir;
    const QString prefix = qEnvironmentVariableIsSet("VELOMNI_WINE_PREFIX")
                               ? qEnvironmentVariable("VELOMNI_WINE_PREFIX") : prefixDir.path();
    qputenv("WINEPREFIX", QFile::encodeName(prefix));
    qputenv("WINEDEBUG", "-all");
    qputenv("WINEDLLOVERRIDES", "mshtml=;winemenubuilder.exe=d");
    if (!QFile::exists(prefix + "/system.reg")) Run(wine, {"wineboot", "-i"});
    // A server that stays up between the starts, as on Windows the system
    // is already running.
    QProcess persistent;
    persistent.start(server, {"-p", "-f"});
    persistent.waitForStarted();
    FirstFrameMs(wine, {"velomni.exe"}, folder);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) times.push_back(FirstFrameMs(wine, {"velomni.exe"}, folder));
    Run(server, {"-k"});
    persistent.waitForFinished();
    if (*std::min_element(times.begin(), times.end()) < 0) {
        std::fprintf(stderr, "bench_startup: the Windows player never reported its first frame\n");
        return false;
    }
    const double w = Median(times);
    std::printf("Windows player (%.1f MB) under Wine %.1f ms, ratio to the Linux player %.2f\n",
                double(QFileInfo(folder + "/velomni.exe").size()) / 1e6, w, w / linuxMs);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    const QString bin = QCoreApplication::applicationDirPath() + "/../bin";
    const QString bare = QCoreApplication::applicationDirPath() + "/bench_bare_window";
    QTemporaryDir dir;
    const QString folder = dir.path();
    if (!PrepareDemo(folder, bin)) {
        std::fprintf(stderr, "bench_startup: cannot prepare the demo in %s\n", qPrintable(folder));
        return 1;
    }
    if (argc > 2) {
        QFile::remove(folder + "/velomni.exe");
        if (!QFile::copy(QString::fromLocal8Bit(argv[2]), folder + "/velomni.exe")) {
            std::fprintf(stderr, "bench_startup: cannot copy %s\n", argv[2]);
            return 1;
        }
    }
    // The root's velomni.exe is the Windows player where the studio has
    // one; the Linux player on the system's libraries is then a copy of
    // the studio made a player, as the root had it before.
    QString player = folder + "/velomni.exe";
    const bool windows = IsWindowsProgram(player);
    if (windows) {
        player = folder + "/velomni-linux";
        if (!QFile::copy(bin + "/velomni-studio", player) || !Run(bin + "/velomni-cli", {"patch-player", player})) {
            std::fprintf(stderr, "bench_startup: cannot make the Linux player %s\n", qPrintable(player));
            return 1;
        }
    }
    qputenv("VELOMNI_REPORT_FIRST_FRAME", "1");
    const QString runtimePlayer = folder + "/linux-x86_64/velomni";
    const bool hasRuntime = QFile::exists(runtimePlayer);
    const QStringList plain{"640", "400"}, withText{"640", "400", "--text"};
    std::vector<double> bareTimes, textTimes, playerTimes, runtimeTimes;
    // One untimed run of each warms the page cache.
    FirstFrameMs(bare, plain, folder);
    FirstFrameMs(bare, withText, folder);
    FirstFrameMs(player, {}, folder);
    if (hasRuntime) FirstFrameMs(runtimePlayer, {}, folder);
    for (int i = 0; i < runs; ++i) {
        bareTimes.push_back(FirstFrameMs(bare, plain, folder));
        textTimes.push_back(FirstFrameMs(bare, withText, folder));
        playerTimes.push_back(FirstFrameMs(player, {}, folder));
        if (hasRuntime) runtimeTimes.push_back(FirstFrameMs(runtimePlayer, {}, folder));
    }
    for (const auto* times : {&bareTimes, &textTimes, &playerTimes}) {
        if (*std::min_element(times->begin(), times->end()) < 0) {
            std::fprintf(stderr, "bench_startup: a program never reported its first frame\n");
            return 1;
        }
    }
    const double b = Median(bareTimes), t = Median(textTimes), p = Median(playerTimes);
    std::printf("first frame (median of %d): player %.1f ms, bare Qt Widgets window %.1f ms, ratio %.2f "
                "(target 1.3)\n",
                runs, p, b, p / b);
    std::printf("  for comparison: bare window with a paragraph of text %.1f ms, player ratio to it %.2f\n",
                t, p / t);
    if (!hasRuntime) return 0;
    if (*std::min_element(runtimeTimes.begin(), runtimeTimes.end()) < 0) {
        std::fprintf(stderr, "bench_startup: the runtime's player never reported its first frame\n");
        return 1;
    }
    const double r = Median(runtimeTimes);
    std::printf("player from its runtime folder %.1f ms, ratio to the player on the system's libraries %.2f "
                "(target 1.1)\n",
                r, r / p);
    // A copy of the folder, so no page is shared with the system's own
    // libraries (the build may hard-link them), which other programs keep
    // in the cache.
    QTemporaryDir copyDir;
    const QString copy = copyDir.filePath("disc");
    if (!Run("cp", {"-r", folder, copy})) {
        std::fprintf(stderr, "bench_startup: cannot copy %s\n", qPrintable(folder));
        return 1;
    }
    const double read = MegabytesReadToFirstFrame(copy + "/linux-x86_64/velomni", copy);
    std::printf("read from the disc folder before the first frame, from a cold cache: %.1f MB (%.1f s at 3.6 MB/s)\n",
                read, read / 3.6);
    if (windows) return TimeWindowsPlayer(folder, runs, p) ? 0 : 1;
    return 0;
}
