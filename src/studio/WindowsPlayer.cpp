// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/WindowsPlayer.h"

#include "model/DiscLayout.h"
#include "studio/ProgramFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString WindowsPlayerSource(const QString& exeFolder)
{
    if (exeFolder.isEmpty()) return {};
    const QString file = ProgramFilePath(exeFolder, QStringLiteral("velomni.exe"));
    return KindOfProgram(file) == ProgramKind::Windows ? file : QString();
}

ProgramKind KindOfProgram(const QString& file)
{
    QFile program(file);
    if (!QFileInfo(file).isFile() || !program.open(QIODevice::ReadOnly)) return ProgramKind::Missing;
    const QByteArray magic = program.read(4);
    if (magic.startsWith("MZ")) return ProgramKind::Windows;
    if (magic == "\x7f" "ELF") return ProgramKind::Elf;
    return ProgramKind::Other;
}

QString PlayerToTest(const QString& projectFolder)
{
    const QDir folder(projectFolder);
    const QString root = folder.filePath(QStringLiteral("velomni.exe"));
    const QString autorun = folder.filePath(QStringLiteral("autorun.sh"));
    const QString runtimePlayer = folder.filePath(LinuxRuntimeFolderName() + QStringLiteral("/velomni"));
    // autorun.sh starts the runtime's player as a Linux desktop does, with
    // the environment its libraries and plug-ins need.
    if (KindOfProgram(root) != ProgramKind::Windows || !QFileInfo(runtimePlayer).isFile()
        || !QFileInfo(autorun).isExecutable())
        return root;
    return autorun;
}
