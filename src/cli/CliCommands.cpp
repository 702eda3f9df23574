// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/CliCommands.h"

#include "cli/CliProgramInfo.h"
#include "cli/JsonText.h"
#include "cli/ProjectJson.h"
#include "cli/RecordSchema.h"
#include "controls/WindowlessProject.h"
#include "controls/VoBrowser.h"
#include "model/ProcessState.h"
#include "model/ProjectFile.h"
#include "model/StreamError.h"
#include "model/VoStream.h"
#include "platform/ExeFile.h"
#include "platform/PatchError.h"
#include "platform/VersionInfo.h"
#include "player/VelomniForm.h"
#include "studio/BuildProject.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cstdio>

namespace {

const char kUsage[] =
    "usage: velomni-cli COMMAND ...\n"
    "       velomni-cli --help | --version\n"
    "  export FOLDER_OR_VPJ     print the project data file as JSON\n"
    "  import FILE.json FOLDER  write FOLDER/velomni.vpj from such JSON\n"
    "  version FILE             print FileVersion and OriginalFilename of an executable\n"
    "  patch-player FILE        make a copy of the studio executable a player\n"
    "  render FOLDER OUT.png    draw the menu window as the player shows it\n"
    "  build FOLDER             make FOLDER ready for a disc, as the studio's save does\n"
    "  iso FOLDER OUT.iso [--label TEXT]\n"
    "                           write FOLDER as an ISO image (label: the project's CDLabel)\n"
    "  devices                  list the disc drives: address and name\n"
    "  burn FOLDER --device ADDRESS [--speed N] [--dummy]\n"
    "                           write FOLDER to the disc in a drive (or a stdio: file)\n";

void Print(FILE* to, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
    std::fflush(to);
}

int Usage(const QString& problem = QString())
{
    if (!problem.isEmpty()) Print(stderr, QStringLiteral("velomni-cli: ") + problem + '\n');
    Print(stderr, QString::fromLatin1(kUsage));
    return kCliUsage;
}

int Refused(const QString& message)
{
    Print(stderr, QStringLiteral("velomni-cli: ") + message + '\n');
    return kCliRefused;
}

// The data file named by a folder or a file path.
QString DataFilePath(const QString& folderOrFile)
{
    return QFileInfo(folderOrFile).isDir() ? QDir(folderOrFile).filePath(DataFileName)
                                           : folderOrFile;
}

// The body version a loadable file was written with.
int StoredBodyVersion(const QString& path)
{
    TFileStream s(path, TFileStream::Mode::Read);
    s.Seek(8);
    const qint32 n = s.ReadI32();
    s.Seek(s.Position() + qint64(n) * 4);
    const qint32 length = s.ReadI32();
    s.Seek(s.Position() + length + 4);
    return s.ReadI32();
}

} // namespace

int RunCli(const QStringList& arguments)
{
    // No web panel or rich-text file is opened by the tool: it works on the
    // stored data only, as the studio does.
    IsStudio = true;
    if (arguments.isEmpty()) return Usage();
    const QString command = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (command == "--version") return RunProgramVersion();
    if (command == "export") return RunExport(rest);
    if (command == "import") return RunImport(rest);
    if (command == "version") return RunVersion(rest);
    if (command == "patch-player") return RunPatchPlayer(rest);
    if (command == "render") return RunRender(rest);
    if (command == "build") return RunBuild(rest);
    if (command == "iso") return RunIso(rest);
    if (command == "devices") return RunDevices(rest);
    if (command == "burn") return RunBurn(rest);
    if (command == "--help" || command == "-h" || command == "help") {
        Print(stdout, QString::fromLatin1(kUsage));
        return kCliOk;
    }
    return Usage(QStringLiteral("unknown command \"%1\"").arg(command));
}

int CliUsage(const QString& problem)
{
    return Usage(problem);
}

int RunExport(const QStringList& arguments)
{
    if (arguments.size() != 1) return Usage(QStringLiteral("export takes one folder or file"));
    const QString path = DataFilePath(arguments[0]);
    ProjectFolder = QFileInfo(path).absolutePath();
    TWindowlessProject document;
    if (!LoadProject(document, path)) return kCliRefused;
    try {
        const QJsonObject json = ProjectToJson(document, StoredBodyVersion(path));
        const QByteArray text = ProjectJsonText(json);
        std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
        std::fflush(stdout);
    } catch (const StreamError& e) {
        return Refused(QString::fromLocal8Bit(e.what()));
    }
    return kCliOk;
}

int RunImport(const QStringList& arguments)
{
    if (arguments.size() != 2) return Usage(QStringLiteral("import takes a JSON file and a folder"));
    QFile file(arguments[0]);
    if (!file.open(QIODevice::ReadOnly))
        return Refused(QStringLiteral("%1: %2").arg(arguments[0], file.errorString()));
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return Refused(QStringLiteral("%1: %2 at offset %3")
                           .arg(arguments[0], parseError.errorString())
                           .arg(parseError.offset));
    if (!json.isObject()) return Refused(arguments[0] + QStringLiteral(": expected a JSON object"));

    const QString folder = arguments[1];
    if (!QDir().mkpath(folder)) return Refused(QStringLiteral("cannot create folder %1").arg(folder));
    ProjectFolder = QDir(folder).absolutePath();
    SetPictureFileFolder(QFileInfo(arguments[0]).absolutePath());
    TWindowlessProject document;
    QString error;
    if (!JsonToProject(json.object(), document, error)) return Refused(error);
    if (!SaveProject(document, QDir(folder).filePath(DataFileName))) return kCliRefused;
    return kCliOk;
}

int RunVersion(const QStringList& arguments)
{
    if (arguments.size() != 1) return Usage(QStringLiteral("version takes one file"));
    const QString fileVersion = ReadFileVersion(arguments[0]);
    const QString originalFilename = ReadVersionFileName(arguments[0]);
    if (fileVersion.isEmpty() && originalFilename.isEmpty())
        return Refused(arguments[0] + QStringLiteral(": no version information"));
    Print(stdout, QStringLiteral("FileVersion=%1\nOriginalFilename=%2\n").arg(fileVersion, originalFilename));
    return kCliOk;
}

int RunPatchPlayer(const QStringList& arguments)
{
    if (arguments.size() != 1) return Usage(QStringLiteral("patch-player takes one file"));
    try {
        PatchExeVersionText(arguments[0], QString::fromLatin1(kPlayerOriginalFilename));
    } catch (const EPatchError& e) {
        return Refused(QString::fromLocal8Bit(e.what()));
    } catch (const EFileError& e) {
        return Refused(QString::fromLocal8Bit(e.what()));
    }
    return kCliOk;
}

int RunRender(const QStringList& arguments)
{
    if (arguments.size() != 2) return Usage(QStringLiteral("render takes a folder and a PNG file"));
    const QString path = DataFilePath(arguments[0]);
    // Drawn as the player shows it, but without creating web browsers.
    IsStudio = false;
    BrowserViewsEnabled = false;
    ProjectFolder = QFileInfo(path).absolutePath();
    TVelomniForm form;
    if (!form.Load(path)) return kCliRefused;
    if (!form.RenderClientArea().save(arguments[1], "PNG"))
        return Refused(QStringLiteral("cannot write %1").arg(arguments[1]));
    return kCliOk;
}

int RunBuild(const QStringList& arguments)
{
    if (arguments.size() != 1) return Usage(QStringLiteral("build takes one folder"));
    const QString path = QDir(arguments[0]).filePath(DataFileName);
    if (!QFileInfo(path).isFile())
        return Refused(QStringLiteral("%1: no project data file").arg(QDir::toNativeSeparators(path)));

    // The state the studio has after opening the folder: the tool stands in
    // for the studio beside it, whose executable becomes the player.
    ProjectFolder = QDir::toNativeSeparators(QDir(arguments[0]).absolutePath());
    ExeFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
#ifdef Q_OS_WIN
    const QString studio = QDir(ExeFolder).filePath(QStringLiteral("velomni-studio.exe"));
#else
    const QString studio = QDir(ExeFolder).filePath(QStringLiteral("velomni-studio"));
#endif
    TWindowlessProject document;
    if (!LoadProject(document, path)) return kCliRefused;
    StudioVersion = ReadFileVersion(studio);
    // The data file was just read: it is not written again.
    bool unsaved = false;
    return BuildProject(document, studio, unsaved) ? kCliOk : kCliRefused;
}
