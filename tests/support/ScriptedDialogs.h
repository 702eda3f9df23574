// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "platform/Dialogs.h"

#include <QList>
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

    std::optional<QRgb> ChooseColor(QWidget*, QRgb start) override
    {
        askedColors << start;
        return colors.isEmpty() ? std::nullopt : colors.takeFirst();
    }

    QString ChooseSaveFile(QWidget*, const QString& filter) override
    {
        askedSaveFilters << filter;
        return saveFiles.isEmpty() ? QString() : saveFiles.takeFirst();
    }

    QStringList folders; // the next choices; an empty string cancels
    QStringList saveFiles; // the next file names to save to; an empty string cancels
    QStringList askedSaveFilters;
    QList<std::optional<QRgb>> colors; // the next colour choices; nullopt cancels
    QList<QRgb> askedColors;
    QStringList asked;
};
