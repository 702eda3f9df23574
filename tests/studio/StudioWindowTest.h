// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/ProcessState.h"
#include "player/VelomniForm.h"
#include "studio/MainForm.h"
#include "support/ProcessStateGuard.h"
#include "support/RecordingMessageBoxes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

// The studio's main window with an executable folder (for its settings
// file) and a project folder of its own, message boxes recorded and
// dialogs scripted.
class StudioWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        IsStudio = true;
        ExeFolder = exe.Path();
        ProjectFolder = project.Path();
        form = NewForm();
    }
    void TearDown() override { form.reset(); }

    // Another window, as the next start of the studio makes it.
    static std::unique_ptr<TMainForm> NewForm()
    {
        return std::make_unique<TMainForm>(std::make_unique<TVelomniForm>());
    }

    ProcessStateGuard state;
    TempDir exe, project;
    RecordingMessageBoxes boxes;
    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;
};
