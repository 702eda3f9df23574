// SPDX-License-Identifier: GPL-2.0-or-later
// velomni-cli: works on project folders without a display.
#include "cli/CliCommands.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // The object controls are widgets; they need an application but never
    // a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velomni-cli"));
    return RunCli(QApplication::arguments().mid(1));
}
