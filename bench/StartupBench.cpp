// SPDX-License-Identifier: GPL-2.0-or-later
// The player's start-up to its first painted frame on a project, against a
// bare Qt window of the same size, both as fresh processes in the same run.
// Usage: bench_startup PROJECT_FOLDER [runs]
#include "app/Startup.h"
#include "platform/MessageBoxes.h"
#include "player/VelomniForm.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Ends the process once the window or any widget in it has painted.
class FirstPaintQuit final : public QObject {
public:
    explicit FirstPaintQuit(QWidget* window) : m_window(window) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget && widget->window() == m_window)
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return false;
    }

private:
    QWidget* m_window;
};

int ChildPlayer(const QString& folder)
{
    StderrMessageBoxes boxes;
    SetMessageBoxes(&boxes);
    TStartupEnvironment environment{QDir(folder).filePath("velomni.exe"), "velomni.exe      ", QString()};
    std::unique_ptr<TVelomniForm> form = PrepareStartup(environment);
    if (!form) return 1;
    FirstPaintQuit quit(form.get());
    qApp->installEventFilter(&quit);
    form->show();
    return QApplication::exec();
}

int ChildBare()
{
    QWidget window;
    window.resize(640, 400);
    FirstPaintQuit quit(&window);
    qApp->installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}

double MedianMs(const QStringList& arguments, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), arguments);
        child.waitForFinished(60000);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (argc >= 2 && QByteArray(argv[1]) == "--child-bare") {
        QApplication app(argc, argv);
        return ChildBare();
    }
    if (argc >= 3 && QByteArray(argv[1]) == "--child-player") {
        QApplication app(argc, argv);
        return ChildPlayer(QString::fromLocal8Bit(argv[2]));
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_startup PROJECT_FOLDER [runs]\n");
        return 2;
    }
    QApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 9;
    const double bare = MedianMs({"--child-bare"}, runs);
    const double player = MedianMs({"--child-player", folder}, runs);
    std::printf("first frame: player %.1f ms, bare window %.1f ms, ratio %.2f (target 1.5)\n", player,
                bare, player / bare);
    return 0;
}
