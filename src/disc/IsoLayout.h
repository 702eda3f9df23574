// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <array>

// Opaque libisofs types, so users of the layout need not include the
// libraries.
struct Iso_Image;
struct Iso_Dir;
struct burn_source;

// The primary volume identifier libisofs writes for a label: upper case,
// characters outside A-Z, 0-9 and "_" as "_", at most 32 characters.
QString PrimaryVolumeId(const QString& label);
// The Joliet volume identifier (the name desktops show): the label as
// typed, at most 16 characters.
QString JolietVolumeId(const QString& label);

// The ISO 9660 image of a disc: level 3 (files of 4 GiB and more in
// several extents), Rock Ridge and Joliet with long names and deep paths,
// and the MD5 checksum of the session recorded inside, which the read-back
// after a write compares with.
class IsoLayout {
public:
    IsoLayout();
    ~IsoLayout();
    IsoLayout(const IsoLayout&) = delete;
    IsoLayout& operator=(const IsoLayout&) = delete;

    bool IsValid() const { return m_image != nullptr; }

    // Adds one file (or a link or special file as it is) at an image path
    // such as "\docs\a.txt"; missing folders on the way are made.
    bool AddFile(const QString& sourcePath, const QString& imagePath, QString* error = nullptr);
    // Adds a folder with everything below it at an image path.
    bool AddFolder(const QString& sourceFolder, const QString& imagePath, QString* error = nullptr);
    void SetVolumeLabel(const QString& label);

    // The size of the image in bytes; -1 when it cannot be made.
    qint64 ImageSize();
    // Starts making the image; the stream gives its bytes. Null, with the
    // reason, when it cannot start.
    ::burn_source* CreateStream(QString* error);

    // After a stream was read to its end: the blocks the recorded session
    // checksum covers and the checksum. False when there is none.
    bool SessionChecksum(qint64& startBlock, qint64& endBlock, std::array<char, 16>& md5) const;

private:
    Iso_Dir* MakeFolderPath(const QString& imagePath, QString& leafName, QString* error);

    Iso_Image* m_image = nullptr;
};
