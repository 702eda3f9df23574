// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/ProjectData.h"
#include "model/ProjectHost.h"

#include <memory>

class QWidget;

// A project without a window, for tools that run without a display. Its
// controls live on a surface that is never shown; a QApplication must
// exist while it does.
class TWindowlessProject final : public TProjectHost {
public:
    TWindowlessProject();
    ~TWindowlessProject() override;
    TWindowlessProject(const TWindowlessProject&) = delete;
    TWindowlessProject& operator=(const TWindowlessProject&) = delete;

    TProjectSettings& Settings() override { return m_data.Settings; }
    TObjectList& ObjectList() override { return m_data.Objects; }
    TVoActions& StartActions() override { return m_data.StartActions; }

    void ResetProject() override { m_data.Reset(); }
    void SetWindowIcon(const TPicture& icon) override { m_data.SetFormIcon(icon); }
    void SetWindowSize(int width, int height) override;
    // No events are bound: nothing here is clicked.
    std::unique_ptr<TVoControl> CreateControl(TVoObject& entry) override;
    void RedrawBackground() override {}
    void PositionWindow() override {}

    // The hidden parent of every control.
    QWidget* Surface() const { return m_surface.get(); }

private:
    // Declared first so the controls on it are freed before it goes.
    std::unique_ptr<QWidget> m_surface;
    TProjectData m_data;
};
