// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "burner/DiscEngine.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Records the engine's events as a window would receive them.
class RecordingEvents final : public DiscEngineEvents {
public:
    QList<int> statuses;
    QList<WriteError> errors;
    QList<FileWarning> warnings;
    QList<int> eraseStatuses;
    int lastStatus = -1;

    bool Ended() const
    {
        return lastStatus == kWriteFinished || lastStatus == kWriteCancelled || lastStatus == kWriteFailed;
    }
    void OnWriteStatus(int status, int) override
    {
        statuses << status;
        lastStatus = status;
    }
    void OnWriteError(const WriteError& error) override { errors << error; }
    bool OnTrackFileWarning(const FileWarning& warning) override
    {
        warnings << warning;
        return true;
    }
    void OnEraseStatus(int, int status, int) override { eraseStatuses << status; }
    void OnEraseError(const DeviceError& error) override { eraseErrors << error; }
    QList<DeviceError> eraseErrors;
};

// Delivers the engine's events until a write ends or the time runs out;
// the last status.
int WaitForWriteEnd(DiscEngine& engine, RecordingEvents& events, int seconds = 120);

// Runs a program and gives its standard output; empty when it failed.
QByteArray RunTool(const QString& program, const QStringList& arguments, int* exitCode = nullptr);

// A project-like folder with the awkward cases: accented names, a name of
// 80 characters, an empty folder, a path 10 folders deep, a few binary
// files. The relative paths of all entries it made.
QStringList MakeAwkwardFolder(const QString& root);

// "path" for folders and "path md5" for files, below root, sorted.
QStringList TreeDescription(const QString& root);

// Extracts a whole image with xorriso into a new folder; false on failure.
bool ExtractImage(const QString& image, const QString& into);

// The volume identifier of the primary (type 1) or Joliet (type 2)
// descriptor, read from the image's bytes.
QString DescriptorVolumeId(const QString& image, int type);
