// SPDX-License-Identifier: GPL-2.0-or-later
// The desktop shell on Windows: the system shell's answers for missing
// files and folders, opening a document, and a program started in its own
// folder without arguments. The program copies itself as that program:
// started under the name shell-child.exe it writes where it runs and with
// how many arguments, and ends. Opening a document starts its program, so
// that case runs only with VELOMNI_SHELL_OPEN_DOCUMENT set.
#include "platform/Shell.h"
#include "windows/Check.h"
#include "windows/OnWine.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <windows.h>

namespace {

const QString kChildName = QStringLiteral("shell-child.exe");
const QString kReport = QStringLiteral("started.txt");

int RunAsChild(int argc)
{
    QFile report(QDir::current().filePath(kReport));
    if (!report.open(QIODevice::WriteOnly)) return 1;
    report.write(QStringLiteral("%1\n%2").arg(QDir::currentPath()).arg(argc - 1).toUtf8());
    return 0;
}

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

void TestFailures(const QTemporaryDir& folder)
{
    DesktopShell shell;
    const QString missingFile = Native(folder.filePath(QStringLiteral("missing.txt")));
    const QString missingFolder = Native(folder.filePath(QStringLiteral("no folder/missing.txt")));
    for (const QString& verb : {kShellVerbOpen, kShellVerbPrint}) {
        const int file = shell.Execute(verb, missingFile);
        CHECK_WHAT(file == kShellFileNotFound, verb + QStringLiteral(" missing file: %1").arg(file));
        const int path = shell.Execute(verb, missingFolder);
        // Wine's shell does not tell a missing folder from a missing file.
        CHECK_WHAT(path == kShellPathNotFound || (RunningOnWine() && path == kShellFileNotFound),
                   verb + QStringLiteral(" missing folder: %1").arg(path));
    }
    // The desktop in use is this one until another is installed.
    CHECK(dynamic_cast<DesktopShell*>(&GetShell()) != nullptr);
}

void TestOpenDocument(const QTemporaryDir& folder)
{
    const QString document = folder.filePath(QStringLiteral("read me.txt"));
    QFile file(document);
    CHECK(file.open(QIODevice::WriteOnly) && file.write("a document\r\n") > 0);
    file.close();
    const int opened = DesktopShell().Execute(kShellVerbOpen, Native(document));
    CHECK_WHAT(opened > 32, QStringLiteral("open a text document: %1").arg(opened));
}

void TestStartProgram(const QTemporaryDir& folder)
{
    const QString programFolder = folder.filePath(QStringLiteral("program folder"));
    CHECK(QDir().mkpath(programFolder));
    const QString child = programFolder + QLatin1Char('/') + kChildName;
    CHECK(QFile::copy(QCoreApplication::applicationFilePath(), child));
    DesktopShell shell;
    CHECK(shell.StartProgram(Native(child)));
    const QString report = programFolder + QLatin1Char('/') + kReport;
    const QDeadlineTimer deadline(20000);
    QByteArray text;
    while (!deadline.hasExpired()) {
        QFile file(report);
        if (file.open(QIODevice::ReadOnly)) text = file.readAll();
        if (text.contains('\n') && text.size() > text.indexOf('\n') + 1) break;
        QThread::msleep(50);
    }
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    CHECK_WHAT(lines.size() == 2, QStringLiteral("the child's report: ") + QString::fromUtf8(text));
    if (lines.size() == 2) {
        CHECK_WHAT(QFileInfo(lines[0]).canonicalFilePath() == QFileInfo(programFolder).canonicalFilePath(),
                   lines[0]);
        CHECK_WHAT(lines[1] == QLatin1String("0"), lines[1]);
    }
    CHECK(!shell.StartProgram(Native(folder.filePath(QStringLiteral("missing.exe")))));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (QFileInfo(QCoreApplication::applicationFilePath()).fileName().compare(kChildName, Qt::CaseInsensitive) == 0)
        return RunAsChild(argc);
    // The shell's working folder is elsewhere, so a program started in the
    // wrong place would not find its report there.
    QTemporaryDir folder;
    CHECK(folder.isValid());
    QDir::setCurrent(QDir::tempPath());
    TestFailures(folder);
    TestStartProgram(folder);
    if (qEnvironmentVariableIsSet("VELOMNI_SHELL_OPEN_DOCUMENT")) TestOpenDocument(folder);
    return TestResult("ShellWinTest");
}
