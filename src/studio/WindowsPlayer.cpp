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
    const QString root = QDir(projectFolder).filePath(QStringLiteral("velomni.exe"));
    const QString runtimePlayer =
        QDir(projectFolder).filePath(LinuxRuntimeFolderName() + QStringLiteral("/velomni"));
    if (KindOfProgram(root) != ProgramKind::Windows || !QFileInfo(runtimePlayer).isFile()) return root;
    return runtimePlayer;
}
