// SPDX-License-Identifier: GPL-2.0-or-later
// velomni-studio: the studio, or the player of a disc's menu, by the
// version information the executable carries.
#include "app/ProgramMain.h"
#include "app/StudioStart.h"
#include "platform/MessageBoxes.h"
#include "player/VelomniForm.h"
#include "studio/MainForm.h"
#include "studio/ProgramFiles.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

namespace {

int RunStudio(QApplication& app, std::unique_ptr<TVelomniForm> form)
{
    const QString icon = ProgramFile(QStringLiteral("Default.ico"));
    if (QFileInfo::exists(icon)) QApplication::setWindowIcon(QIcon(icon));
    std::unique_ptr<TMainForm> studio = CreateStudioWindow(std::move(form));
    GetMessageBoxes().SetAnchor(studio.get());
    studio->show();
    const int status = app.exec();
    GetMessageBoxes().SetAnchor(nullptr);
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    return RunProgram(argc, argv, &RunStudio);
}
