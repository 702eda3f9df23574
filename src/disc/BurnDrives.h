// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "disc/BurnLibraries.h"

#include <QList>
#include <QString>
#include <QStringList>

// The drives libburn finds, plus pseudo-drives named by address
// ("stdio:/path/file"). A drive is grabbed when first used and stays
// grabbed until it is released or ejected.
class BurnDrives {
public:
    struct Drive {
        QString address;
        QString name;
        bool writer = false;
        bool underrunProof = false;
        burn::burn_drive_info* info = nullptr; // set while grabbed
    };

    ~BurnDrives();

    // Scans the system's drives (this can take seconds) and adds the extra
    // addresses. False when the scan fails.
    bool Scan(const QStringList& extraAddresses);
    int Count() const { return int(m_drives.size()); }
    const Drive* At(int index) const;

    // The grabbed drive; null, with libburn's reason, when it cannot be
    // grabbed. Grabbing loads the tray.
    burn::burn_drive* Grab(int index, QString* error = nullptr);
    void Release(int index, bool eject);
    void ReleaseAll();

private:
    QList<Drive> m_drives;
};

// Grabs a drive by address alone: the ISO file's pseudo-drive.
burn::burn_drive_info* GrabAddress(const QString& address, QString* error);
void ReleaseAddress(burn::burn_drive_info* info, bool eject);
