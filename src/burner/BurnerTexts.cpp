// SPDX-License-Identifier: GPL-2.0-or-later
#include "burner/BurnerTexts.h"

#include <QDir>

QString SpeedText(double factor)
{
    return QString::asprintf("%02.2fx", factor);
}

QString MegabyteText(qint64 bytes)
{
    return QString::asprintf("%2.2f MB", double(bytes) / 1048576.0);
}

QString FreeSpaceMessage(qint64 freeBytes, qint64 requiredBytes)
{
    return QStringLiteral("Free space on the loaded disc is %1.\r\nThis data image requires %2 of free space!")
        .arg(MegabyteText(freeBytes), MegabyteText(requiredBytes));
}

QString WriteErrorText(const WriteError& error)
{
    switch (error.kind) {
    case kErrorDevice:
        return QStringLiteral("Device Error: (%1)  %2\r\n(%3) %4")
            .arg(error.code)
            .arg(error.text)
            .arg(error.deviceCode)
            .arg(error.deviceText);
    case kErrorOutputFile: return QStringLiteral("Output File Error: (%1) - %2").arg(error.code).arg(error.text);
    case kErrorSourceFile: return QStringLiteral("Source File Error: (%1) - %2").arg(error.code).arg(error.text);
    case kErrorSystem: return QStringLiteral("System Error: (%1) %2").arg(error.code).arg(error.text);
    default: return QStringLiteral("Write Error: (%1) %2").arg(error.code).arg(error.text);
    }
}

QString DeviceErrorText(const DeviceError& error)
{
    return QStringLiteral("Device Error: (%1) %2\r\n(%3) - %4")
        .arg(error.code)
        .arg(error.text)
        .arg(error.source)
        .arg(error.detail);
}

QString FileWarningText(const FileWarning& warning)
{
    return QStringLiteral("File Warning(%1): %2 -- %3").arg(warning.code).arg(warning.text).arg(warning.detail);
}

QString WriteStatusText(int status)
{
    switch (status) {
    case kWritePreparing: return QStringLiteral("Preparing image...");
    case kWriteClosingTrack: return QStringLiteral("Closing track...");
    case kWriteLeadIn: return QStringLiteral("Writing lead-in...");
    case kWriteLeadOut: return QStringLiteral("Writing lead-out...");
    case kWriteUpdatingVolume: return QStringLiteral("Updating volume...");
    case kWriteCancelled: return QStringLiteral("Write cancelled!");
    case kWriteFailed: return QStringLiteral("Write error!");
    default: return QString();
    }
}

int EraseCapabilityFor(int mediaType)
{
    switch (mediaType) {
    case kMediaCdRw: return kCapCdRw;
    case kMediaDvdRw: return kCapDvdRw;
    case kMediaDvdPlusRw: return kCapDvdPlusRw;
    case kMediaDvdRam: return kCapDvdRam;
    case kMediaBdRe: return kCapBdRe;
    default: return 0;
    }
}

QString FolderPattern(const QString& folder)
{
    QString path = QDir::toNativeSeparators(folder);
    const QChar separator = QDir::separator();
    // A root ("/", "D:\") keeps its separator: without it the pattern would
    // name the current folder instead.
    const bool root = path == separator || (path.size() == 3 && path[1] == QLatin1Char(':'));
    if (!root && path.endsWith(separator)) path.chop(1);
    if (!path.endsWith(separator)) path += separator;
    return path + QStringLiteral("*.*");
}

QString FolderNotAddedMessage(const QString& pattern)
{
    return QLatin1Char('"') + pattern + QStringLiteral("\" can not be added to the CD/DVD image!");
}

QString FileNotAddedMessage(const QString& path)
{
    return QStringLiteral("Can not add \"") + path + QStringLiteral("\" to the image!");
}
