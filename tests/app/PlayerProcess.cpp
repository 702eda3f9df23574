// SPDX-License-Identifier: GPL-2.0-or-later
#include "PlayerProcess.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>

#include <csignal>
#include <iostream>

#include <unistd.h>

namespace {

QByteArray Xdotool(const QStringList& arguments)
{
    QProcess xdotool;
    xdotool.start("xdotool", arguments);
    xdotool.waitForFinished(10000);
    return xdotool.readAllStandardOutput();
}

void CopyFolder(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    QDir().mkpath(to);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(path));
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else
            EXPECT_TRUE(QFile::copy(path, target)) << path.toStdString();
    }
}

} // namespace

Finished RunTool(const QString& program, const QStringList& arguments, const QString& home)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("HOME", home);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(240000)) << program.toStdString();
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

void BuildDemo(const QString& cli, const QString& folder, const QString& home)
{
    CopyFolder(QStringLiteral(VELOMNI_SOURCE_DIR "/examples/demo"), folder);
    QFile::remove(QDir(folder).filePath("project.json"));
    Finished step = RunTool(cli, {"import", VELOMNI_SOURCE_DIR "/examples/demo/project.json", folder}, home);
    ASSERT_EQ(step.status, 0) << step.err.toStdString();
    step = RunTool(cli, {"build", folder}, home);
    ASSERT_EQ(step.status, 0) << step.err.toStdString();
}

PlayerGroup::~PlayerGroup()
{
    if (m_process.processId() > 0) ::kill(-pid_t(m_process.processId()), SIGKILL);
    m_process.waitForFinished(10000);
}

void PlayerGroup::Start(const QString& program, const QStringList& arguments)
{
    m_process.setChildProcessModifier([] { ::setsid(); });
    m_process.start(program, arguments);
}

QList<qint64> PlayerGroup::Members() const
{
    QList<qint64> members;
    const qint64 group = m_process.processId();
    for (const QString& name : QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool number = false;
        const qint64 pid = name.toLongLong(&number);
        if (!number || ::getpgid(pid_t(pid)) != group) continue;
        if (pid == group)
            members.prepend(pid);
        else
            members.append(pid);
    }
    return members;
}

std::optional<QByteArray> MenuWindow(const QString& title, int width, int height)
{
    const QByteArray found = Xdotool({"search", "--onlyvisible", "--name", "^" + title + "$"});
    for (const QByteArray& id : found.split('\n')) {
        if (id.trimmed().isEmpty()) continue;
        const QByteArray geometry = Xdotool({"getwindowgeometry", "--shell", QString::fromLatin1(id)});
        if (geometry.contains("WIDTH=" + QByteArray::number(width) + "\n") &&
            geometry.contains("HEIGHT=" + QByteArray::number(height) + "\n"))
            return id.trimmed();
    }
    return std::nullopt;
}

std::optional<QByteArray> SettledMenuWindow(QProcess& player, const QString& title, int width, int height)
{
    std::optional<QByteArray> last;
    QElapsedTimer total, same;
    total.start();
    same.start();
    while (total.elapsed() < 120000 && !player.waitForFinished(250)) {
        const std::optional<QByteArray> found = MenuWindow(title, width, height);
        if (found != last) {
            last = found;
            same.restart();
        } else if (found && same.elapsed() >= 4000) {
            return found;
        }
    }
    return std::nullopt;
}

void Click(const QByteArray& window, int x, int y)
{
    QProcess xdotool;
    xdotool.setProcessChannelMode(QProcess::MergedChannels);
    xdotool.start("xdotool", {"mousemove", "--sync", "--window", QString::fromLatin1(window), QString::number(x),
                              QString::number(y), "sleep", "0.3", "click", "1"});
    xdotool.waitForFinished(10000);
    std::cout << "click at " << x << "," << y << ": " << xdotool.readAll().toStdString() << '\n';
}
