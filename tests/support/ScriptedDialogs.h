// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "platform/Dialogs.h"

#include <QStringList>

// Answers folder choices from a script and records what was asked.
// Installs itself as the dialogs service for its lifetime.
class ScriptedDialogs final : public Dialogs {
public:
    ScriptedDialogs() { SetDialogs(this); }
    ~ScriptedDialogs() override { SetDialogs(nullptr); }

    QString ChooseFolder(QWidget*, const QString& title, const QString& start) override
    {
        asked << title + QStringLiteral(" @ ") + start;
        return folders.isEmpty() ? QString() : folders.takeFirst();
    }

    QStringList folders; // the next choices; an empty string cancels
    QStringList asked;
};
