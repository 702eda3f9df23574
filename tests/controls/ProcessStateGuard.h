// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/ProcessState.h"

// Sets the studio-or-player flag and the project folder for one test and
// puts the previous values back afterwards.
class TProcessStateGuard {
public:
    TProcessStateGuard(bool studio, const QString& projectFolder)
        : m_studio(IsStudio), m_projectFolder(ProjectFolder)
    {
        IsStudio = studio;
        ProjectFolder = projectFolder;
    }
    ~TProcessStateGuard()
    {
        IsStudio = m_studio;
        ProjectFolder = m_projectFolder;
    }
    TProcessStateGuard(const TProcessStateGuard&) = delete;
    TProcessStateGuard& operator=(const TProcessStateGuard&) = delete;

private:
    bool m_studio;
    QString m_projectFolder;
};
