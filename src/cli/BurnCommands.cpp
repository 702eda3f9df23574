// SPDX-License-Identifier: GPL-2.0-or-later
// velomni-cli iso, devices and burn: the burner's engine without a window.
#include "cli/CliCommands.h"

#include "burner/BurnerTexts.h"
#include "burner/LayoutBuilder.h"
#include "burner/LibburnEngine.h"
#include "burner/WriteCheck.h"
#include "controls/WindowlessProject.h"
#include "model/ProcessState.h"
#include "model/ProjectFile.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <cmath>
#include <cstdio>

namespace {

void Say(const QString& text)
{
    const QByteArray bytes = (QStringLiteral("velomni-cli: ") + text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

int Refuse(const QString& text)
{
    Say(text);
    return kCliRefused;
}

// Progress and errors on standard error; remembers how the work ended.
class CliBurnEvents final : public DiscEngineEvents {
public:
    bool ended = false;
    int endStatus = -1;

    void OnWriteStatus(int status, int progress) override
    {
        const QString text = WriteStatusText(status);
        if (status == kWriteProgressData || status == kWriteProgressVerify) {
            const int step = progress / 10;
            if (status != m_status || step != m_step)
                Say(QStringLiteral("%1 %2%").arg(status == kWriteProgressData ? "writing" : "verifying").arg(progress));
            m_step = step;
        } else if (!text.isEmpty()) {
            Say(text);
        }
        m_status = status;
        if (status == kWriteFinished || status == kWriteCancelled || status == kWriteFailed) {
            ended = true;
            endStatus = status;
        }
    }
    void OnWriteError(const WriteError& error) override { Say(WriteErrorText(error)); }
    bool OnTrackFileWarning(const FileWarning& warning) override
    {
        Say(FileWarningText(warning));
        return true;
    }
    void OnEraseStatus(int, int, int) override {}
    void OnEraseError(const DeviceError& error) override { Say(DeviceErrorText(error)); }

private:
    int m_status = -1;
    int m_step = -1;
};

// Runs the started job to its end; true when it finished.
bool WaitForEnd(LibburnEngine& engine, CliBurnEvents& events)
{
    while (!events.ended) {
        QThread::msleep(100);
        engine.DeliverEvents();
        if (engine.SignalledToEnd() && !engine.IsBusy()) {
            engine.DeliverEvents();
            return false;
        }
    }
    return events.endStatus == kWriteFinished;
}

// The label a project folder's data file gives its disc; the default
// label when the folder holds no data file.
bool ProjectLabel(const QString& folder, QString& label)
{
    TWindowlessProject document;
    const QString path = QDir(folder).filePath(DataFileName);
    if (QFileInfo(path).isFile()) {
        ProjectFolder = QDir::toNativeSeparators(QDir(folder).absolutePath());
        if (!LoadProject(document, path)) return false;
    }
    label = document.Settings().CDLabel;
    return true;
}

// The layout of a folder; false when any entry could not be added, since
// the disc would then lack it.
bool BuildFolderLayout(LibburnEngine& engine, const QString& folder)
{
    if (!QFileInfo(folder).isDir()) {
        Say(QStringLiteral("%1: no such folder").arg(folder));
        return false;
    }
    const int failures = BuildLayout(engine, QDir(folder).absolutePath(), [](const QString&) {});
    if (failures > 0) Say(QStringLiteral("%1 entries could not be added; nothing was written").arg(failures));
    return failures == 0;
}

} // namespace

int RunIso(const QStringList& arguments)
{
    QStringList positional;
    QString label;
    bool labelGiven = false;
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--label" && i + 1 < arguments.size()) {
            label = arguments[++i];
            labelGiven = true;
        } else {
            positional << arguments[i];
        }
    }
    if (positional.size() != 2) return CliUsage(QStringLiteral("iso takes a folder and an ISO file"));
    const QString folder = positional[0];
    if (!labelGiven && !ProjectLabel(folder, label)) return kCliRefused;

    const std::unique_ptr<LibburnEngine> loaded = NewLibburnEngine();
    if (!loaded || !loaded->IsUsable()) return Refuse(QStringLiteral("the disc libraries cannot start"));
    LibburnEngine& engine = *loaded;
    CliBurnEvents events;
    engine.SetEvents(&events);
    if (!BuildFolderLayout(engine, folder)) return kCliRefused;
    engine.SetVolumeLabel(label);
    if (!engine.StartSaveIso(positional[1]))
        return Refuse(QStringLiteral("cannot create %1: %2").arg(positional[1], engine.LastProblem()));
    if (!WaitForEnd(engine, events)) return kCliRefused;
    Say(QStringLiteral("%1 written and verified").arg(positional[1]));
    return kCliOk;
}

int RunDevices(const QStringList& arguments)
{
    if (!arguments.isEmpty()) return CliUsage(QStringLiteral("devices takes no arguments"));
    const std::unique_ptr<LibburnEngine> loaded = NewLibburnEngine();
    if (!loaded || !loaded->IsUsable() || !loaded->InitializeDevices())
        return Refuse(QStringLiteral("the drives cannot be listed"));
    LibburnEngine& engine = *loaded;
    for (int device = 0; device < engine.DeviceCount(); ++device) {
        const QString line = QStringLiteral("%1\t%2%3\n")
                                 .arg(engine.Address(device), engine.DisplayName(device),
                                      engine.IsWriter(device) ? QString() : QStringLiteral("\t(cannot write)"));
        const QByteArray bytes = line.toUtf8();
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    }
    std::fflush(stdout);
    if (engine.DeviceCount() == 0) Say(QStringLiteral("no drives found"));
    return kCliOk;
}

int RunBurn(const QStringList& arguments)
{
    QStringList positional;
    QString address;
    double speedFactor = 0;
    bool dummy = false;
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--device" && i + 1 < arguments.size()) {
            address = arguments[++i];
        } else if (arguments[i] == "--speed" && i + 1 < arguments.size()) {
            bool ok = false;
            speedFactor = arguments[++i].toDouble(&ok);
            if (!ok || speedFactor <= 0 || speedFactor > 1000) return Refuse(QStringLiteral("--speed takes a factor such as 8"));
        } else if (arguments[i] == "--dummy") {
            dummy = true;
        } else {
            positional << arguments[i];
        }
    }
    if (positional.size() != 1 || address.isEmpty()) return CliUsage(QStringLiteral("burn takes a folder and --device ADDRESS"));
    const QString folder = positional[0];
    QString label;
    if (!ProjectLabel(folder, label)) return kCliRefused;

    const std::unique_ptr<LibburnEngine> loaded =
        NewLibburnEngine(address.startsWith(QStringLiteral("stdio:")) ? QStringList{address} : QStringList{});
    if (!loaded || !loaded->IsUsable() || !loaded->InitializeDevices())
        return Refuse(QStringLiteral("the drives cannot be listed"));
    LibburnEngine& engine = *loaded;
    int device = -1;
    for (int i = 0; i < engine.DeviceCount() && device < 0; ++i)
        if (engine.Address(i) == address) device = i;
    if (device < 0) return Refuse(QStringLiteral("no drive %1").arg(address));

    CliBurnEvents events;
    engine.SetEvents(&events);
    if (!BuildFolderLayout(engine, folder)) return kCliRefused;
    const WriteCheck check = CheckWrite(engine, device);
    switch (check.readiness) {
    case WriteReadiness::Ready: break;
    case WriteReadiness::NoWritableMedia: return Refuse(QStringLiteral("no writable media in %1").arg(address));
    case WriteReadiness::NoImage: return Refuse(QStringLiteral("the image cannot be made"));
    case WriteReadiness::TooLittleSpace:
        return Refuse(FreeSpaceMessage(check.freeBytes, check.requiredBytes).replace("\r\n", " "));
    }

    engine.SetVolumeLabel(label);
    WriteSettings settings;
    settings.simulate = dummy;
    settings.underrunProof = engine.HasCapability(device, kCapUnderrunProof);
    if (speedFactor > 0) settings.speed = int(std::lround(speedFactor / engine.SpeedFactor(device, 1)));
    if (!engine.StartWrite(device, settings))
        return Refuse(QStringLiteral("the write cannot start: %1").arg(engine.LastProblem()));
    if (!WaitForEnd(engine, events)) return kCliRefused;
    Say(dummy ? QStringLiteral("dummy write completed; nothing was written")
              : QStringLiteral("written and verified on %1").arg(address));
    return kCliOk;
}
