// SPDX-License-Identifier: GPL-2.0-or-later
// The main window's commands: the project lifecycle, the object selector
// and current entry, the tools settings and the help menu.
#include "studio/MainForm.h"

#include "burner/ShowBurner.h"
#include "model/IniFile.h"
#include "model/Kinds.h"
#include "model/ProcessState.h"
#include "model/ProjectPaths.h"
#include "model/VoObject.h"
#include "platform/Dialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "player/VelomniForm.h"
#include "studio/AboutBox.h"
#include "studio/BuildProject.h"
#include "studio/GridSizeForm.h"
#include "studio/ObjectSelector.h"
#include "studio/SelectColorForm.h"
#include "studio/StudioImages.h"
#include "studio/StudioSettings.h"
#include "studio/StudioState.h"
#include "studio/TipsForm.h"
#include "studio/VendorAddresses.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

namespace {

const QString kSettings = QStringLiteral("SETTINGS");
const QString kHelpDocument = QStringLiteral("VelomniStudio.html");

bool FolderExists(const QString& folder)
{
    return !folder.isEmpty() && QFileInfo(folder).isDir();
}

QString DataFileIn(const QString& folder)
{
    return QDir(folder).filePath(DataFileName);
}

} // namespace

bool TMainForm::CommitPendingEdit()
{
    // Leaving the grid makes it finish the edit of the cell being edited.
    TabSheet1->setFocus(Qt::OtherFocusReason);
    return true;
}

bool TMainForm::ConfirmSaveChanges()
{
    if (!ProjectModified || ProjectFolder.isEmpty()) return true;
    switch (GetMessageBoxes().Show(QStringLiteral("Confirm"), QStringLiteral("Save changes to project?"),
                                   MsgIcon::Question, MsgButtons::YesNoCancel)) {
    case MsgAnswer::Yes: return BuildProject();
    case MsgAnswer::No: return true;
    default: return false;
    }
}

bool TMainForm::BuildProject()
{
    return ::BuildProject(*m_menu, m_playerSource.isEmpty() ? QCoreApplication::applicationFilePath() : m_playerSource);
}

void TMainForm::ClearInspector()
{
    InspectorUpdating = true;
    ValueEdit->setRowCount(0);
    ListView1->clear();
    InspectorUpdating = false;
}

void TMainForm::AfterProjectChange()
{
    StatusPanel0->setText(ProjectFolder);
    RefreshObjectList();
    SyncCanvasWindow();
    CenterCanvas();
}

void TMainForm::Open1Click()
{
    if (!CommitPendingEdit() || !ConfirmSaveChanges()) return;
    const QString folder = GetDialogs().ChooseFolder(this, QStringLiteral("Select Project Folder"),
                                                     FolderExists(ProjectFolder) ? ProjectFolder : QString());
    if (folder.isEmpty()) return;
    OpenProjectFolder(folder);
}

void TMainForm::OpenProjectFolder(const QString& chosen)
{
    const QString folder = WithoutTrailingSeparator(chosen);
    const QString dataFile = DataFileIn(folder);
    const bool load = QFileInfo::exists(dataFile);
    if (!load && GetMessageBoxes().Show(QStringLiteral("Information"),
                                        QStringLiteral("Project file does not exist, create a new one?"),
                                        MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    ProjectFolder = folder;
    ClearInspector();
    if (!load) {
        m_menu->ResetProject();
        ProjectModified = true;
    } else {
        // A failed load keeps the flag as it was; the loader has said why.
        const bool wasModified = ProjectModified;
        if (!m_menu->Load(dataFile)) {
            m_menu->ResetProject();
            ProjectModified = wasModified;
        }
    }
    AfterProjectChange();
}

void TMainForm::NewProject1Click()
{
    if (!CommitPendingEdit() || !ConfirmSaveChanges()) return;
    const QString folder = GetDialogs().ChooseFolder(this, QStringLiteral("Select Project Folder"), ProjectFolder);
    if (folder.isEmpty()) return;
    if (!FolderExists(folder)) {
        GetMessageBoxes().Show(QStringLiteral("Project Folder"), QStringLiteral("Project folder does not exist."),
                               MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    if (QFileInfo::exists(DataFileIn(folder)) &&
        GetMessageBoxes().Show(QStringLiteral("Project File"), QStringLiteral("The project file exists, overwrite?"),
                               MsgIcon::Information, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    ProjectFolder = WithoutTrailingSeparator(folder);
    ClearInspector();
    m_menu->ResetProject();
    ProjectModified = true;
    AfterProjectChange();
}

void TMainForm::Save1Click()
{
    if (CommitPendingEdit()) BuildProject();
}

void TMainForm::SaveandTest1Click()
{
    if (!CommitPendingEdit() || !BuildProject()) return;
    GetShell().StartProgram(QDir(ProjectFolder).filePath(QStringLiteral("velomni.exe")));
}

void TMainForm::BurnCDDVD1Click()
{
    if (CommitPendingEdit() && BuildProject()) ShowBurner(ProjectFolder, m_menu->Settings().CDLabel, this);
}

int TMainForm::CurrentEntry() const
{
    return ComboBox1->currentIndex();
}

void TMainForm::SetCurrentEntry(int index)
{
    ComboBox1->setCurrentIndex(index);
    ComboBox1Change();
}

void TMainForm::RefreshObjectList()
{
    const TObjectList& objects = m_menu->ObjectList();
    ComboBox1->clear();
    ComboBox1->AddEntry({-1, m_menu->Settings().ApplicationTitle});
    int selected = 0;
    int last = -1;
    for (size_t i = 0; i < objects.size(); ++i) {
        const TVoObject* entry = objects[i];
        ComboBox1->AddEntry({entry->ObjectType, entry->Name});
        if (entry->Selected) {
            ++selected;
            last = int(i);
        }
    }
    ComboBox1->setCurrentIndex(selected == 0 ? 0 : selected == 1 ? last + 1 : -1);
    ComboBox1Change();
}

void TMainForm::ComboBox1Change()
{
    const int current = CurrentEntry();
    TObjectList& objects = m_menu->ObjectList();
    for (TVoObject* entry : objects) entry->Selected = false;
    if (current >= 1 && current <= int(objects.size())) objects[current - 1]->Selected = true;
    ShowCurrentEntry();
    RedrawCanvas();
}

void TMainForm::ListActions(const TVoActions* actions)
{
    ListView1->clear();
    if (!actions) return;
    const QIcon image(SidebarImage(kSidebarActionImage));
    for (const auto& action : *actions) {
        auto* item = new QTreeWidgetItem(ListView1, {ActionKindText(action->ActionType), action->Parameter});
        item->setIcon(0, image);
    }
}

void TMainForm::ShowCurrentEntry()
{
    const int current = CurrentEntry();
    PageControl1->setTabText(0, current < 1 ? QStringLiteral("Start Actions") : QStringLiteral("Click Actions"));
    InspectorUpdating = true;
    ValueEdit->hide();
    ValueEdit->setRowCount(0);
    ValueEdit->insertRow(0);

    const TObjectList& objects = m_menu->ObjectList();
    bool actionsEditable = true;
    if (current == 0) {
        ListActions(&m_menu->StartActions());
    } else if (current >= 1 && current <= int(objects.size())) {
        const TVoObject& entry = *objects[current - 1];
        actionsEditable = entry.ObjectType != okExplorer;
        ListActions(actionsEditable ? &entry.Actions : nullptr);
    } else {
        ListView1->clear();
    }
    for (QPushButton* button : {Button1, Button2, Button3}) button->setEnabled(actionsEditable);

    InspectorUpdating = false;
    ValueEdit->show();
}

void TMainForm::LoadSettings()
{
    const TIniFile ini(StudioSettingsFile());
    // Grid sizes are held to the dialog's range: a size below 1 would break
    // the snapping arithmetic.
    DisplayGrid = ini.ReadBool(kSettings, QStringLiteral("DISPLAYGRID"), true);
    SnapToGrid = ini.ReadBool(kSettings, QStringLiteral("SNAPTOGRID"), true);
    GridSizeX = ClampGridSize(ini.ReadInteger(kSettings, QStringLiteral("GRIDSIZEX"), 8));
    GridSizeY = ClampGridSize(ini.ReadInteger(kSettings, QStringLiteral("GRIDSIZEY"), 8));
    SetCanvasBackground(
        TColor(ini.ReadInteger(kSettings, QStringLiteral("BACKGROUNDCOLOR"), int(m_canvasBackground))));
    m_menu->SetGridDisplay({DisplayGrid, GridSizeX, GridSizeY});
}

void TMainForm::SaveSettings()
{
    // Failures are ignored: the values in use stay as they are.
    TIniFile ini(StudioSettingsFile());
    ini.WriteBool(kSettings, QStringLiteral("DISPLAYGRID"), DisplayGrid);
    ini.WriteBool(kSettings, QStringLiteral("SNAPTOGRID"), SnapToGrid);
    ini.WriteInteger(kSettings, QStringLiteral("GRIDSIZEX"), GridSizeX);
    ini.WriteInteger(kSettings, QStringLiteral("GRIDSIZEY"), GridSizeY);
    ini.WriteInteger(kSettings, QStringLiteral("BACKGROUNDCOLOR"), int(m_canvasBackground));
}

void TMainForm::DisplayGrid1Click()
{
    DisplayGrid = !DisplayGrid;
    SaveSettings();
    DisplayGrid1->setChecked(DisplayGrid);
    m_menu->SetGridDisplay({DisplayGrid, GridSizeX, GridSizeY});
    RedrawCanvas();
}

void TMainForm::SnaptoGrid1Click()
{
    SnapToGrid = !SnapToGrid;
    SaveSettings();
    SnaptoGrid1->setChecked(SnapToGrid);
}

void TMainForm::GridSize1Click()
{
    if (!EditGridSize(GridSizeX, GridSizeY, this)) return;
    SaveSettings();
    m_menu->SetGridDisplay({DisplayGrid, GridSizeX, GridSizeY});
    if (DisplayGrid) RedrawCanvas();
}

void TMainForm::BackgroundColor1Click()
{
    TColor color = m_canvasBackground;
    if (!SelectColor(color, this)) return;
    SetCanvasBackground(color);
    SaveSettings();
}

void TMainForm::HelpDocument1Click()
{
    GetShell().Execute(kShellVerbOpen, QDir(ExeFolder).filePath(kHelpDocument));
}

void TMainForm::echnicalSupport1Click()
{
    GetShell().Execute(kShellVerbOpen, kVendorSupportMail);
}

void TMainForm::VisitHomePage1Click()
{
    GetShell().Execute(kShellVerbOpen, kVendorHomePage);
}

void TMainForm::WhatsNew1Click()
{
    ShowVersionHistory(false, this);
}

void TMainForm::About1Click()
{
    ShowAboutBox(this);
}

void TMainForm::Timer1Timer()
{
    Timer1->stop();
    RedrawCanvas();
    ShowVersionHistory(true, this);
}
