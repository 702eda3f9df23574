// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// Where the Help menu sends users.
inline const QString kVendorHomePage = QStringLiteral("https://www.velomni.example/");
inline const QString kVendorSupportMail = QStringLiteral("mailto:support@velomni.example");
