// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/ProcessState.h"

#include <tuple>

// Every process-wide variable, as one tuple of references.
inline auto ProcessStateRefs()
{
    return std::tie(IsStudio, ExeFolder, PersonalFolder, ProjectFolder, DataFileName, ExitRequested, StudioVersion,
                    LastImageFolder);
}

// Takes a snapshot of every process-wide variable when made and puts all
// of them back when destroyed, so a test may change any of them freely.
class ProcessStateGuard {
public:
    ProcessStateGuard() = default;
    // The studio-or-player flag and the project folder set for the test.
    ProcessStateGuard(bool studio, const QString& projectFolder)
    {
        IsStudio = studio;
        ProjectFolder = projectFolder;
    }
    ~ProcessStateGuard() { ProcessStateRefs() = m_saved; }
    ProcessStateGuard(const ProcessStateGuard&) = delete;
    ProcessStateGuard& operator=(const ProcessStateGuard&) = delete;

private:
    using Snapshot = std::tuple<bool, QString, QString, QString, QString, bool, QString, QString>;
    Snapshot m_saved = ProcessStateRefs();
};
