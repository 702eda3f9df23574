// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <optional>

// Running the built programs as a user would: the command-line tool, the
// demo's autorun folder made with it, and a player whose windows the test
// finds and clicks on the X server.

struct Finished {
    int status;
    QByteArray out;
    QByteArray err;
};

// The program run to its end, offscreen, with home as the user's home.
Finished RunTool(const QString& program, const QStringList& arguments, const QString& home);

// The demo's autorun folder in folder, as the README's run command makes
// it: its data file imported from the JSON source, then built.
void BuildDemo(const QString& cli, const QString& folder, const QString& home);

// The player and everything it starts run in a process group of their own,
// which is killed when the test ends however it ends.
class PlayerGroup {
public:
    ~PlayerGroup();
    QProcess& Process() { return m_process; }
    void Start(const QString& program, const QStringList& arguments);
    // The processes of the group, the player's first.
    QList<qint64> Members() const;

private:
    QProcess m_process;
};

// The visible window of that title and client size, if one is there.
std::optional<QByteArray> MenuWindow(const QString& title, int width, int height);
// The menu window once it has settled: the same window found for four
// seconds, longer than the splash screen of the same title and size stays
// up. Nothing when the player ends or two minutes pass first.
std::optional<QByteArray> SettledMenuWindow(QProcess& player, const QString& title, int width, int height);
void Click(const QByteArray& window, int x, int y);
