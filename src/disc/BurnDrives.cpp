// SPDX-License-Identifier: GPL-2.0-or-later
#include "disc/BurnDrives.h"

#include <unistd.h>

namespace {

// libburn refuses to scan or grab while one of its worker threads is still
// winding down after a job (a fifo, a writer); they end within moments.
constexpr int kWorkerPatienceSteps = 300;

// The call's answer; when it failed, failure receives libburn's reason.
template <typename Call>
int WhenWorkersEnded(Call call, QString& failure)
{
    int result = call();
    for (int step = 0; result <= 0 && step < kWorkerPatienceSteps; ++step) {
        bool busy = false;
        for (const BurnMessage& m : TakeBurnMessages("SORRY")) {
            busy = busy || m.text.contains(QStringLiteral("still going on"));
            failure = m.text;
        }
        if (!busy) break;
        usleep(100000);
        result = call();
    }
    return result;
}

} // namespace

BurnDrives::~BurnDrives()
{
    ReleaseAll();
}

bool BurnDrives::Scan(const QStringList& extraAddresses)
{
    ReleaseAll();
    m_drives.clear();
    burn::burn_drive_info* infos = nullptr;
    unsigned int count = 0;
    int result = 0;
    // The scan runs in a libburn thread; it has ended when the call
    // answers non-zero.
    TakeBurnMessages("ALL");
    const auto scan = [&] {
        int answer = 0;
        while ((answer = burn::burn_drive_scan(&infos, &count)) == 0) usleep(20000);
        return answer;
    };
    QString failure;
    result = WhenWorkersEnded(scan, failure);
    if (result < 0) return false;
    for (unsigned int i = 0; i < count; ++i) {
        const burn::burn_drive_info& info = infos[i];
        char address[BURN_DRIVE_ADR_LEN] = {};
        if (burn::burn_drive_get_adr(&infos[i], address) <= 0) continue;
        Drive drive;
        drive.address = QString::fromUtf8(address);
        drive.name = (QString::fromLatin1(info.vendor).trimmed() + QLatin1Char(' ') +
                      QString::fromLatin1(info.product).trimmed())
                         .trimmed();
        drive.writer = info.write_dvdram || info.write_dvdr || info.write_cdr || info.write_cdrw;
        drive.underrunProof = info.buffer_size > 0 && (info.write_cdr || info.write_cdrw);
        m_drives.append(drive);
    }
    // Each drive is grabbed later by its address.
    for (unsigned int i = 0; i < count; ++i) burn::burn_drive_info_forget(&infos[i], 0);
    burn::burn_drive_info_free(infos);
    for (const QString& address : extraAddresses) {
        Drive drive;
        drive.address = address;
        drive.name = address;
        drive.writer = true;
        m_drives.append(drive);
    }
    return true;
}

const BurnDrives::Drive* BurnDrives::At(int index) const
{
    return index >= 0 && index < m_drives.size() ? &m_drives[index] : nullptr;
}

burn::burn_drive* BurnDrives::Grab(int index, QString* error)
{
    if (index < 0 || index >= m_drives.size()) return nullptr;
    Drive& drive = m_drives[index];
    if (!drive.info) drive.info = GrabAddress(drive.address, error);
    return drive.info ? drive.info->drive : nullptr;
}

void BurnDrives::Release(int index, bool eject)
{
    if (index < 0 || index >= m_drives.size()) return;
    Drive& drive = m_drives[index];
    ReleaseAddress(drive.info, eject);
    drive.info = nullptr;
}

void BurnDrives::ReleaseAll()
{
    for (int i = 0; i < m_drives.size(); ++i) Release(i, false);
}

burn::burn_drive_info* GrabAddress(const QString& address, QString* error)
{
    QByteArray bytes = address.toUtf8();
    if (bytes.size() >= BURN_DRIVE_ADR_LEN) {
        if (error) *error = QStringLiteral("the drive address is too long");
        return nullptr;
    }
    TakeBurnMessages("ALL");
    burn::burn_drive_info* info = nullptr;
    const auto grab = [&] { return burn::burn_drive_scan_and_grab(&info, bytes.data(), 1); };
    QString failure = QStringLiteral("the drive cannot be used");
    if (WhenWorkersEnded(grab, failure) <= 0 || !info) {
        if (error) *error = failure;
        return nullptr;
    }
    return info;
}

void ReleaseAddress(burn::burn_drive_info* info, bool eject)
{
    if (!info) return;
    burn::burn_drive_release(info->drive, eject ? 1 : 0);
    // Forgotten, libburn drops the drive from its table: a later scan
    // refuses to run while any drive is left there.
       burn::burn_drive_info_forget(info, 0);
    burn::burn_drive_info_free(info);
}
