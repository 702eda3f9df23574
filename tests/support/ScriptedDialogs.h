// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QStringList>

// Answers the dialogs from a script and records what was asked.
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

    QString ChooseFolderUnder(QWidget*, const QString& title, const QString& root, const QString& start) override
    {
        asked << title + QStringLiteral(" @ ") + root;
        startedUnder << start;
        return foldersUnder.isEmpty() ? QString() : foldersUnder.takeFirst();
    }

    QString OpenFile(QWidget*, const QString& filter, const QString& startFile, const QString& startFolder,
                     const QString& title = QString()) override
    {
        asked << (title.isEmpty() ? QString() : title + QLatin1Char(' ')) + QStringLiteral("open ") + filter +
                     QStringLiteral(" @ ") +
                     (startFile.isEmpty() ? QStringLiteral("folder ") + startFolder : startFile);
        return openFiles.isEmpty() ? QString() : openFiles.takeFirst();
    }

    QString SaveFile(QWidget*, const QString& filter, const QString& defaultSuffix,
                     const QString& startFolder = QString()) override
    {
        asked << QStringLiteral("save ") + filter + QStringLiteral(" .") + defaultSuffix +
                     (startFolder.isEmpty() ? QString() : QStringLiteral(" @ ") + startFolder);
        return saveFiles.isEmpty() ? QString() : saveFiles.takeFirst();
    }

    std::optional<QFont> ChooseFont(QWidget*, const QFont& start) override
    {
        askedFonts << start;
        return fonts.isEmpty() ? std::nullopt : fonts.takeFirst();
    }

    QStringList folders; // the next choices; an empty string cancels
    QStringList foldersUnder; // the next choices inside a root; empty cancels
    QStringList startedUnder; // where each chooser inside a root was to open
    QStringList openFiles; // the next files to open; empty cancels
    QStringList saveFiles; // the next files to save to; empty cancels
    QList<std::optional<QFont>> fonts; // nullopt cancels
    QList<QFont> askedFonts;
    QList<std::optional<QRgb>> colors; // the next colour choices; nullopt cancels
    QList<QRgb> askedColors;
    QStringList asked;
};
