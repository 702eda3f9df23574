// SPDX-License-Identifier: GPL-2.0-or-later
// A second studio process for the clipboard tests: opens the project in
// the folder given as its argument, copies all its objects with the Edit
// menu's Copy, says "copied" on standard output and keeps serving the
// clipboard until its standard input closes.
#include "model/ProcessState.h"
#include "model/VoObject.h"
#include "player/VelomniForm.h"
#include "document/DesignDocument.h"
#include "studio/MainForm.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) return 2;
    IsStudio = true;
    // Its settings file goes in the test's project folder, not wherever
    // the test runs.
    ExeFolder = QString::fromLocal8Bit(argv[1]);
    TMainForm form(std::make_unique<TVelomniForm>());
    form.OpenProjectFolder(QString::fromLocal8Bit(argv[1]));
    for (TVoObject* entry : form.MenuWindow().ObjectList()) entry->Selected = true;
    form.Document().SetCurrentEntry(1);
    form.Copy1Click();
    std::printf("copied\n");
    std::fflush(stdout);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char byte;
        if (read(STDIN_FILENO, &byte, 1) <= 0) app.quit();
    });
    QTimer::singleShot(60000, &app, &QApplication::quit);
    return app.exec();
}
