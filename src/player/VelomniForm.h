// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/ProjectData.h"
#include "model/ProjectHost.h"
#include "player/PlayerState.h"

#include <QWidget>

class TBackgroundImage;
class TObjectEventHandler;

// The menu window: holds a whole project and shows it. In the player it
// is the main window; in the studio it lives inside the studio window as
// the container the design canvas edits.
class TVelomniForm final : public QWidget, public TProjectHost {
public:
    explicit TVelomniForm(QWidget* parent = nullptr);
    ~TVelomniForm() override;

    // TProjectHost
    TProjectSettings& Settings() override { return m_data.Settings; }
    TObjectList& ObjectList() override { return m_data.Objects; }
    TVoActions& StartActions() override { return m_data.StartActions; }
    void ResetProject() override;
    void SetWindowIcon(const TPicture& icon) override;
    void SetWindowSize(int width, int height) override;
    std::unique_ptr<TVoControl> CreateControl(TVoObject& entry) override;
    void RedrawBackground() override;
    void PositionWindow() override;

    // Applies the caption, frame, border icons, cursor, hint and colour
    // key of the settings to the window (after they were edited or loaded).
    void ApplySettings();

    // Loads a data file; the loader reports its own failures.
    bool Load(const QString& path);

    TVoObject* AddObject(int kind, int x, int y);
    void DeleteObject(int index);
    bool BringObjectToFront(int index);
    bool SendObjectToBack(int index);
    void SortObjectList();
    // Puts these objects in this painting order. Objects left out are no
    // longer the window's to free: the caller keeps them.
    void SetObjectList(const TObjectList& objects);
    QString MakeUniqueName(int kind) const;
    void EnsureUniqueName(int index);

    void OnObjectClick(TVoObject& entry);
    void OnObjectEnter(TVoObject& entry);
    void SetEventHandler(TObjectEventHandler* handler) { m_events = handler; }

    void SetGridDisplay(const TGridDisplay& grid);
    // In the studio the menu window is a child without a frame of its
    // own; the canvas draws one of this extra size around the client area,
    // which is what the stored outer size leaves inside it.
    void SetDesignFrame(QSize extra);
    // The surface that parents every object control.
    QWidget* ScrollBox1() const { return m_scrollBox; }
    TBackgroundImage* Image1() const { return m_image; }
    // The client area as the player shows it, objects included.
    QImage RenderClientArea();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void LayoutSurface();
    void RestackControls();
    void UpdateColorKey();
    void ClearButtonHover();
    void ApplyWindowIcon();
    QSize FrameExtra() const;

    TProjectData m_data;
    TGridDisplay m_grid;
    QWidget* m_scrollBox = nullptr;
    TBackgroundImage* m_image = nullptr;
    TObjectEventHandler* m_events = nullptr;
    QSize m_frameExtra;
    QSize m_designFrame{0, 0};
    bool m_updatingColorKey = false;
    bool m_iconPending = false;
};
