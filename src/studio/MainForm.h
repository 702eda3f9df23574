// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "canvas/CanvasHost.h"
#include "canvas/EditMenu.h"
#include "inspector/InspectorHost.h"
#include "model/Color.h"
#include "model/EditEffects.h"
#include "model/VoAction.h"

#include <QMainWindow>
#include <QString>

#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QSplitter;
class QTabWidget;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TDesignDocument;
class TEditForm;
class TInspector;
class TPropertyGrid;
class TObjectSelector;
class TVelomniForm;

// The studio's main window: it shows a design document, with tool bar,
// object selector, property grid and action list around the canvas, and
// runs the project lifecycle (new, open, save, save and test, closing
// with a prompt for unsaved changes).
class TMainForm final : public QMainWindow, public TCanvasHost, public TInspectorHost {
public:
    // Takes the menu window, which it parks out of sight as the project's
    // live container.
    explicit TMainForm(std::unique_ptr<TVelomniForm> menuWindow, QWidget* parent = nullptr);
    ~TMainForm() override;

    TVelomniForm& MenuWindow() const { return *m_menu; }
    TDesignDocument& Document() const { return *m_document; }

    // Operations other parts of the studio call.
    bool CommitPendingEdit() override;
    bool ConfirmSaveChanges();
    void OpenProjectFolder(const QString& folder);
    // File > Recent Projects: opens a listed folder as Open does, or takes
    // a folder that is gone off the list after saying so.
    void OpenRecentProject(const QString& folder);
    // Lists the recent folders the settings file keeps in the submenu.
    void RefreshRecentMenu();
    // Lists the objects in the selector anew and takes the current entry
    // from the selection (see TDesignDocument::EntryFromSelection).
    void RefreshObjectList();
    // Refills the property grid and the action list for the current entry.
    void ShowCurrentEntry();
    void CenterCanvas();
    void LoadSettings();
    void SaveSettings();
    void RedrawCanvas();
    void SyncCanvasWindow();
    // Saves the project and writes the autorun folder.
    bool BuildProject();
    // The executable copied into the project as its player: the running
    // studio unless another is named.
    void SetPlayerSource(const QString& file) { m_playerSource = file; }

    TColor CanvasBackground() const { return m_canvasBackground; }
    void SetCanvasBackground(TColor color);
    // The selector's current entry: 0 the project, i + 1 object i, -1 none.
    int CurrentEntry() const;
    // Makes an entry current as picking it in the selector does.
    void SetCurrentEntry(int index);
    // Lists the objects in the selector, keeping the current entry.
    void ListObjectsInSelector();

    // TCanvasHost
    int AddToolKind() const override;
    void PressSelectTool() override;
    // TInspectorHost: the editor dialogs.
    bool SelectColor(TColor& color) override;
    bool EditPicture(TPicture& picture, bool iconOnly) override;
    bool EditText(QString& text) override;
    QWidget* DialogParent() override { return this; }
    TInspector& Inspector() const { return *m_inspector; }
    void UpdateEditMenu() override { Edit1Click(); }
    bool EditCommandEnabled(EditCommand command) const override;
    void RunEditCommand(EditCommand command) override;
    void CanvasWindowMoved() override { PlaceCanvasHost(); }

    // Menu and tool bar commands.
    void NewProject1Click();
    void Open1Click();
    void Save1Click();
    void SaveandTest1Click();
    void BurnCDDVD1Click();
    void Exit1Click();
    void ComboBox1Change();
    void DisplayGrid1Click();
    void SnaptoGrid1Click();
    void GridSize1Click();
    void BackgroundColor1Click();
    void HelpDocument1Click();
    void echnicalSupport1Click();
    void VisitHomePage1Click();
    void WhatsNew1Click();
    void About1Click();
    // The action list: "Add...", "Edit..." (also a double click on the
    // list) and "Delete".
    void Button1Click();
    void Button2Click();
    void Button3Click();
    // The Edit menu brings its items up to date when it opens.
    void Edit1Click();
    void Undo1Click() { RunEditCommand(EditCommand::Undo); }
    void Redo1Click() { RunEditCommand(EditCommand::Redo); }
    void Cut1Click() { RunEditCommand(EditCommand::Cut); }
    void Copy1Click() { RunEditCommand(EditCommand::Copy); }
    void Paste1Click() { RunEditCommand(EditCommand::Paste); }
    void Delete1Click() { RunEditCommand(EditCommand::Delete); }
    void AligntoGrid1Click() { RunEditCommand(EditCommand::AlignToGrid); }
    void AlignLeft1Click() { RunEditCommand(EditCommand::AlignLeft); }
    void AlignCenter1Click() { RunEditCommand(EditCommand::AlignCenter); }
    void AlignRight1Click() { RunEditCommand(EditCommand::AlignRight); }
    void AlignTop1Click() { RunEditCommand(EditCommand::AlignTop); }
    void AlignCenter2Click() { RunEditCommand(EditCommand::AlignMiddle); }
    void AlignBottom1Click() { RunEditCommand(EditCommand::AlignBottom); }
    void BringtoFront1Click() { RunEditCommand(EditCommand::BringToFront); }
    void SendtoBack1Click() { RunEditCommand(EditCommand::SendToBack); }

    // Components, named as the window's design names them.
    QToolBar* CoolBar1 = nullptr;
    QToolButton* ToolButton_Select = nullptr;
    QToolButton* ToolButton_ImageButton = nullptr;
    QToolButton* ToolButton_Image = nullptr;
    QToolButton* ToolButton_SimpleText = nullptr;
    QToolButton* ToolButton_TextBox = nullptr;
    QToolButton* ToolButton_RichText = nullptr;
    QToolButton* ToolButton_Browser = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel0 = nullptr;
    QWidget* ScrollBox2 = nullptr;
    QSplitter* Splitter1 = nullptr;
    TObjectSelector* ComboBox1 = nullptr;
    QTabWidget* PageControl2 = nullptr;
    QWidget* TabSheet1 = nullptr;
    TPropertyGrid* ValueEdit = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QScrollArea* ScrollBox3 = nullptr;
    QWidget* ScrollBox5 = nullptr;
    TEditForm* EditForm = nullptr;
    QTimer* Timer1 = nullptr;

    QAction* NewProject1 = nullptr;
    QAction* Open1 = nullptr;
    QMenu* RecentProjects1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* SaveandTest1 = nullptr;
    QAction* BurnCDDVD1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Edit1 = nullptr;
    EditActions EditItems{};
    QAction* oolBar1 = nullptr;
    QAction* StatusBar2 = nullptr;
    QAction* Sidebar1 = nullptr;
    QAction* DisplayGrid1 = nullptr;
    QAction* SnaptoGrid1 = nullptr;
    QAction* GridSize1 = nullptr;
    QAction* BackgroundColor1 = nullptr;
    QAction* HelpDocument1 = nullptr;
    QAction* WhatsNewSeparator = nullptr;
    QAction* WhatsNew1 = nullptr;
    QAction* About1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void Timer1Timer();
    void CreateToolBar();
    void CreateMenus();
    void CreateSidebar();
    void ClearInspector();
    void AfterProjectChange();
    void ListActions(const TVoActions* actions);
    // The list the action list edits: the start actions for the project,
    // the click actions of an object; none for an Explorer or no entry.
    TVoActions* CurrentActions() const;
    QTreeWidgetItem* SelectedActionItem() const;
    void PlaceCanvasHost();
    // The live menu window's holder takes its size and stays out of view.
    void ParkMenuWindow();
    void RefreshEditItems();
    // What the document said changed, shown where it shows.
    void DocumentChanged(EditEffects what);
    void UpdateTitle();
    // A fresh project in the document: nothing to undo, the project entry
    // current; modified when it was never saved.
    void StartProject(bool modified);
    // Puts the current project folder first in the recent list.
    void NoteRecentProject();
    // The window's place, sidebar and grid columns from the last run, and
    // kept for the next one when the window closes.
    void RestoreWindowPlace();
    void SaveWindowPlace();

    TVelomniForm* m_menu = nullptr;
    // Freed with the members, before the menu window, a child widget.
    std::unique_ptr<TDesignDocument> m_document;
    std::unique_ptr<TInspector> m_inspector;
    QWidget* m_canvasHost = nullptr;
    TColor m_canvasBackground = 0;
    QString m_playerSource;
    bool m_shown = false;
    bool m_clipboardHasObjects = false;
};
