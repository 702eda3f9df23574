// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/LinuxPlayer.h"

#include "model/DiscLayout.h"
#include "model/ErrorReports.h"
#include "model/Kinds.h"
#include "model/ProcessState.h"
#include "model/ProjectHost.h"
#include "platform/ElfDynamic.h"
#include "platform/PatchError.h"
#include "platform/VersionInfo.h"
#include "studio/AutorunScript.h"
#include "studio/PlayerCopy.h"
#include "studio/RuntimeFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cstring>
#include <exception>

// Made by the build from the modules' files.
QByteArrayView WebModuleImage();
QByteArrayView SoundModuleImage();

namespace {

bool PlaysSound(const TVoActions& actions)
{
    return std::any_of(actions.begin(), actions.end(), [](const auto& action) {
        return action->ActionType == akPlaySound || action->ActionType == akPlayBackSound;
    });
}

bool CarriesParkedSearchPath(const QString& program)
{
    QFile file(program);
    ElfDynamic dynamic;
    if (!file.open(QIODevice::ReadOnly) || !ReadElfDynamic(file, dynamic)) return false;
    return dynamic.strings.contains(QByteArray(kRuntimePlayerSearchPath) + '\0');
}

bool Fail(const QString& reason)
{
    ShowErrorBox(QStringLiteral("The Linux player could not be put in the project folder: %1.").arg(reason));
    return false;
}

// A copy of the studio as the player of the runtime folder: player mode,
// and the libraries beside it.
bool PutRuntimePlayer(const QString& playerSource, const QString& player)
{
    if (!StudioVersion.isEmpty() && ReadFileVersion(player) == StudioVersion
        && QFileInfo(player).size() == QFileInfo(playerSource).size())
        return true;
    QString reason;
    try {
        const int error = CopyFileReplacing(playerSource, player, [&](const QString& copy) {
            PatchExeVersionText(copy, QString::fromLatin1(kPlayerOriginalFilename));
            QFile file(copy);
            if (!file.open(QIODevice::ReadWrite) || !RestoreSearchPath(file, kRuntimePlayerSearchPath, &reason))
                throw EPatchError(reason.toStdString().c_str());
        });
        if (error == 0) return true;
        reason = QString::fromLocal8Bit(std::strerror(error));
    } catch (const std::exception& e) {
        reason = QString::fromUtf8(e.what());
    }
    return Fail(QStringLiteral("\"%1\" could not be written: %2").arg(player, reason));
}

// The modules the parts load, as files the loader can list.
bool ModuleFiles(const RuntimeParts& parts, const QTemporaryDir& folder, QStringList& files, QString* error)
{
    const std::pair<bool, QByteArrayView> modules[] = {{parts.web, WebModuleImage()}, {parts.sound, SoundModuleImage()}};
    for (const auto& [needed, image] : modules) {
        if (!needed) continue;
        const QString path = folder.filePath(QStringLiteral("module%1.so").arg(files.size()));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(image.data(), image.size()) != image.size()) {
            *error = QStringLiteral("a module could not be written to \"%1\"").arg(path);
            return false;
        }
        files.append(path);
    }
    return true;
}

bool WriteAutorun(const QString& path, const QByteArray& text)
{
    QFile existing(path);
    const bool same = existing.open(QIODevice::ReadOnly) && existing.readAll() == text
                      && (existing.permissions() & QFileDevice::ExeOwner);
    existing.close();
    if (same) return true;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size()
        && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                               | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                               | QFileDevice::ExeOther)
        && file.commit())
        return true;
    return Fail(QStringLiteral("\"%1\" could not be written: %2").arg(path, file.errorString()));
}

} // namespace

RuntimeParts PartsProjectNeeds(TProjectHost& host)
{
    RuntimeParts parts;
    parts.sound = PlaysSound(host.StartActions());
    for (const TVoObject* object : host.ObjectList()) {
        if (!object) continue;
        if (object->ObjectType == okExplorer) parts.web = true;
        if (!object->OverSound.isEmpty() || !object->ClickSound.isEmpty() || PlaysSound(object->Actions))
            parts.sound = true;
    }
    return parts;
}

bool PutLinuxPlayer(TProjectHost& host, const QString& playerSource)
{
    if (!CarriesParkedSearchPath(playerSource)) return true;
    const QString runtime = QDir(ProjectFolder).filePath(LinuxRuntimeFolderName());
    if (!QDir().mkpath(runtime)) return Fail(QStringLiteral("the folder \"%1\" could not be made").arg(runtime));
    if (!PutRuntimePlayer(playerSource, QDir(runtime).filePath(QStringLiteral("velomni")))) return false;

    const RuntimeParts parts = PartsProjectNeeds(host);
    QString glibc;
    if (!RuntimeIsCurrent(runtime, parts, &glibc)) {
        QString error;
        QTemporaryDir modules;
        QStringList moduleFiles;
        RuntimePlan plan;
        if (!modules.isValid()) return Fail(QStringLiteral("no temporary folder could be made"));
        if (!ModuleFiles(parts, modules, moduleFiles, &error)
            || !PlanLinuxRuntime(playerSource, moduleFiles, parts, QtRuntimeSources(), plan, &error)
            || !PutRuntimeFiles(runtime, plan, parts, &error))
            return Fail(error);
        glibc = plan.glibc;
    }
    return WriteAutorun(QDir(ProjectFolder).filePath(QStringLiteral("autorun.sh")), AutorunScript(glibc));
}
