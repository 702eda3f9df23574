// SPDX-License-Identifier: GPL-2.0-or-later
#include "VersionTestTools.h"

#include "platform/ExeFile.h"
#include "platform/PatchError.h"
#include "platform/VersionInfo.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString Store(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw ToolFailure("cannot write " + path.toStdString());
    return path;
}

QByteArray Utf16(const QString& text)
{
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

std::string PatchFailure(const QString& file, const QString& text)
{
    try {
        PatchExeVersionText(file, text);
        return {};
    } catch (const EPatchError& e) {
        return e.what();
    } catch (const EFileError& e) {
        return "file error " + std::to_string(e.Code()) + ": " + e.what();
    }
}

QByteArray RunTool(const QString& program, const QStringList& arguments, const QString& folder)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        throw ToolFailure(qPrintable(program + " is not installed; run scripts/install-deps.sh"));
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(path, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        throw ToolFailure(qPrintable(program + " " + arguments.join(' ') + " failed: "
                                     + QString::fromLocal8Bit(process.readAllStandardError())));
    return process.readAllStandardOutput();
}

QString BuildPe(const QString& folder, const QString& name, const QString& resourceScript, bool wide)
{
    const QString prefix = wide ? "x86_64-w64-mingw32-" : "i686-w64-mingw32-";
    Store(folder + "/main.c", "int main(void) { return 0; }\n");
    Store(folder + "/" + name + ".rc", resourceScript.toUtf8());
    RunTool(prefix + "windres", {name + ".rc", "-O", "coff", "-o", name + ".res"}, folder);
    RunTool(prefix + "gcc", {"-o", name + ".exe", "main.c", name + ".res"}, folder);
    return folder + "/" + name + ".exe";
}

QByteArray DecompiledResources(const QString& exe)
{
    return RunTool("i686-w64-mingw32-windres", {"-i", exe, "-O", "rc"});
}

QByteArray RawVersionResource(const QString& exe)
{
    return RunTool("wrestool", {"-x", "--raw", "--type=16", exe});
}

QString VersionScript(const QString& originalFilename, const QString& stringFileInfo, const QString& table,
                      const QString& resourceName)
{
    return QStringLiteral(R"(%1 VERSIONINFO
FILEVERSION 0,1,0,0
PRODUCTVERSION 0,1,0,0
FILEFLAGSMASK 0x3f
FILEFLAGS 0x0
FILEOS 0x40004
FILETYPE 0x1
FILESUBTYPE 0x0
BEGIN
  BLOCK "%2"
  BEGIN
    BLOCK "%3"
    BEGIN
      VALUE "CompanyName", "Velomni"
      VALUE "FileDescription", "Velomni Studio"
      VALUE "FileVersion", "0.1.0.0"
      VALUE "InternalName", "VelomniStudio"
      VALUE "LegalCopyright", "GPL-2.0-or-later"
      VALUE "OriginalFilename", "%4"
      VALUE "ProductName", "Velomni Studio"
      VALUE "ProductVersion", "0.1.0.0"
    END
  END
  BLOCK "VarFileInfo"
  BEGIN
    VALUE "Translation", 0x409, 1252
  END
END
)")
        .arg(resourceName, stringFileInfo, table, originalFilename);
}
