// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/Shell.h"

#include "platform/ChildEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace {
const QString kOpener = QStringLiteral("xdg-open");
const QString kPrinter = QStringLiteral("lp");

// A URL scheme of two or more characters; one letter and a colon would be
// a drive letter rather than a scheme.
bool HasUrlScheme(const QString& target)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]+:"));
    return scheme.match(target).hasMatch();
}

// The failure for a local path that cannot be used, or 0 when it can.
int CheckLocalPath(const QString& verb, const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return info.absoluteDir().exists() ? kShellFileNotFound : kShellPathNotFound;
    if (!info.isReadable()) return kShellAccessDenied;
    if (verb == kShellVerbPrint && !info.isFile()) return kShellNoAssociation;
    if (verb == kShellVerbExplore && !info.isDir()) return kShellNoAssociation;
    return 0;
}

ShellLaunch Planned(const QString& verb, const QString& argument)
{
    ShellLaunch launch;
    launch.result = kShellSucceeded;
    launch.program = verb == kShellVerbPrint ? kPrinter : kOpener;
    launch.arguments = {argument};
    return launch;
}

ShellLaunch Failed(int result)
{
    ShellLaunch launch;
    launch.result = result;
    return launch;
}
} // namespace

ShellLaunch PlanShellLaunch(const QString& verb, const QString& target)
{
    if (verb != kShellVerbOpen && verb != kShellVerbPrint && verb != kShellVerbExplore)
        return Failed(kShellNoAssociation);
    if (target.isEmpty()) return Failed(kShellFileNotFound);

    // A file URL is checked as the file it names and handed over as the
    // URL, which starts with "file:" and so cannot pass for an option.
    if (target.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QString path = QUrl(target).toLocalFile();
        if (path.isEmpty()) return Failed(kShellFileNotFound);
        if (const int failure = CheckLocalPath(verb, path)) return Failed(failure);
        return Planned(verb, verb == kShellVerbPrint ? QFileInfo(path).absoluteFilePath() : target);
    }

    // Other addresses (web, mail) go to the opener as they are; a scheme
    // begins with a letter. The printer takes files only.
    if (HasUrlScheme(target)) {
        if (verb != kShellVerbOpen) return Failed(kShellNoAssociation);
        return Planned(verb, target);
    }

    // The desktop, like the Windows shell, takes a bare "www." name for a
    // web address.
    if (verb == kShellVerbOpen && target.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return Planned(verb, QStringLiteral("http://") + target);

    // A relative name beginning with "-" would reach the launcher as an
    // option; it is refused rather than guessed at.
    const QString native = QDir::fromNativeSeparators(target);
    if (!QDir::isAbsolutePath(native) && native.startsWith(QLatin1Char('-')))
        return Failed(kShellNoAssociation);

    // Local paths travel as absolute paths, which start with "/".
    const QString absolute = QFileInfo(native).absoluteFilePath();
    if (const int failure = CheckLocalPath(verb, absolute)) return Failed(failure);
    return Planned(verb, absolute);
}

namespace {

// Other programs start with the environment the user had, not the one the
// player's runtime needs.
bool StartDetached(const QString& program, const QStringList& arguments, const QString& folder = {})
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (!folder.isEmpty()) process.setWorkingDirectory(folder);
    process.setProcessEnvironment(EnvironmentForOtherPrograms(QProcessEnvironment::systemEnvironment()));
    return process.startDetached();
}

} // namespace

int DesktopShell::Execute(const QString& verb, const QString& target)
{
    const ShellLaunch launch = PlanShellLaunch(verb, target);
    if (launch.result <= 32) return launch.result;
    if (QStandardPaths::findExecutable(launch.program).isEmpty()) return kShellNoAssociation;
    if (!StartDetached(launch.program, launch.arguments)) return kShellLaunchFailed;
    return launch.result;
}

bool DesktopShell::StartProgram(const QString& program)
{
    return StartDetached(program, {}, QFileInfo(program).absolutePath());
}
