// SPDX-License-Identifier: GPL-2.0-or-later
// The main window's commands: the project lifecycle, the object selector
// and current entry, the tools settings and the help menu.
#include "studio/MainForm.h"

#include "burner/ShowBurner.h"
#include "canvas/EditForm.h"
#include "inspector/Inspector.h"
#include "inspector/PropertyGrid.h"
#include "model/IniFile.h"
#include "model/ObjectClipboard.h"
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
#include "studio/EditCommands.h"
#include "studio/GridSizeForm.h"
#include "studio/ObjectSelector.h"
#include "studio/ProgramFiles.h"
#include "studio/SelectColorForm.h"
#include "studio/StudioImages.h"
#include "studio/StudioSettings.h"
#include "model/StudioState.h"
#include "studio/TipsForm.h"
#include "studio/VendorAddresses.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace {

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
    // A value typed into the grid is validated before any command; leaving
    // the grid then finds nothing left to validate.
    const bool accepted = ValueEdit->FinishEdit();
    TabSheet1->setFocus(Qt::OtherFocusReason);
    return accepted;
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
    ValueEdit->ClearRows();
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
        ApplyEdit(ProjectChanged);
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
    ApplyEdit(ProjectChanged);
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

void TMainForm::SetSelectorEntry(int index)
{
    ComboBox1->setCurrentIndex(index);
}

void TMainForm::ListObjectsInSelector()
{
    const int current = CurrentEntry();
    ComboBox1->clear();
    ComboBox1->AddEntry({-1, m_menu->Settings().ApplicationTitle});
    for (const TVoObject* entry : m_menu->ObjectList()) ComboBox1->AddEntry({entry->ObjectType, entry->Name});
    ComboBox1->setCurrentIndex(current < ComboBox1->count() ? current : -1);
}

void TMainForm::RefreshObjectList()
{
    ListObjectsInSelector();
    const TObjectList& objects = m_menu->ObjectList();
    int selected = 0;
    int last = -1;
    for (size_t i = 0; i < objects.size(); ++i) {
        if (objects[i]->Selected) {
            ++selected;
            last = int(i);
        }
    }
    ComboBox1->setCurrentIndex(selected == 0 ? 0 : selected == 1 ? last + 1 : -1);
    ComboBox1Change();
}

int TMainForm::AddToolKind() const
{
    const QToolButton* tools[] = {ToolButton_ImageButton, ToolButton_Image,    ToolButton_SimpleText,
                                  ToolButton_TextBox,     ToolButton_RichText, ToolButton_Browser};
    for (int kind = 0; kind < int(std::size(tools)); ++kind)
        if (tools[kind]->isChecked()) return kind;
    return -1;
}

void TMainForm::PressSelectTool()
{
    ToolButton_Select->setChecked(true);
}

void TMainForm::ApplyEdit(EditEffects effects)
{
    if (effects & ProjectChanged) ProjectModified = true;
    if (effects & BackgroundRedraw) m_menu->RedrawBackground();
    if (effects & SelectorRepaint) ListObjectsInSelector();
    if (effects & FrameSync)
        SyncCanvasWindow();
    else if (effects & CanvasRedraw)
        RedrawCanvas();
    RefreshEditItems();
}

void TMainForm::Edit1Click()
{
    m_clipboardHasObjects = ClipboardHasFormat(ClipboardFormat);
    RefreshEditItems();
}

void TMainForm::RefreshEditItems()
{
    const auto states = EditCommandStates(m_menu->ObjectList(), CurrentEntry(), m_clipboardHasObjects);
    for (int i = 0; i < kEditCommandCount; ++i) EditItems[size_t(i)]->setEnabled(states[size_t(i)]);
}

bool TMainForm::EditCommandEnabled(EditCommand command) const
{
    return ActionOf(EditItems, command)->isEnabled();
}

void TMainForm::RunEditCommand(EditCommand command)
{
    ::RunEditCommand(EditForm->Interaction(), command);
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

void TMainForm::ShowCurrentEntry()
{
    const int current = CurrentEntry();
    PageControl1->setTabText(0, current < 1 ? QStringLiteral("Start Actions") : QStringLiteral("Click Actions"));
    InspectorUpdating = true;
    ValueEdit->hide();
    m_inspector->Fill(current);

    const TObjectList& objects = m_menu->ObjectList();
    bool actionsEditable = true;
    if (current == 0) {
        ListActions(&m_menu->StartActions());
    } else if (current >= 1 && current <= int(objects.size())) {
        const TVoObject& entry = *objects[current - 1];
        actionsEditable = entry.ObjectType != okExplorer;
        ListActions(actionsEditable ? &entry.Actions : nullptr);
    } else {
        // With no current entry nothing may be edited, and the list must
        // not keep items of an entry that is gone.
        actionsEditable = false;
        ListView1->clear();
    }
    for (QPushButton* button : {Button1, Button2, Button3}) button->setEnabled(actionsEditable);

    InspectorUpdating = false;
    ValueEdit->show();
    RefreshEditItems();
}

void TMainForm::LoadSettings()
{
    const TIniFile ini(StudioSettingsFile());
    // Grid sizes are held to the dialog's range: a size below 1 would break
    // the snapping arithmetic.
    DisplayGrid = ini.ReadBool(SettingsKey::SettingsSection, SettingsKey::DisplayGrid, true);
    SnapToGrid = ini.ReadBool(SettingsKey::SettingsSection, SettingsKey::SnapToGrid, true);
    GridSizeX = ClampGridSize(ini.ReadInteger(SettingsKey::SettingsSection, SettingsKey::GridSizeX, 8));
    GridSizeY = ClampGridSize(ini.ReadInteger(SettingsKey::SettingsSection, SettingsKey::GridSizeY, 8));
    SetCanvasBackground(
        TColor(ini.ReadInteger(SettingsKey::SettingsSection, SettingsKey::BackgroundColor, int(m_canvasBackground))));
    m_menu->SetGridDisplay({DisplayGrid, GridSizeX, GridSizeY});
}

void TMainForm::SaveSettings()
{
    // Failures are ignored: the values in use stay as they are.
    TIniFile ini(StudioSettingsFile());
    ini.WriteBool(SettingsKey::SettingsSection, SettingsKey::DisplayGrid, DisplayGrid);
    ini.WriteBool(SettingsKey::SettingsSection, SettingsKey::SnapToGrid, SnapToGrid);
    ini.WriteInteger(SettingsKey::SettingsSection, SettingsKey::GridSizeX, GridSizeX);
    ini.WriteInteger(SettingsKey::SettingsSection, SettingsKey::GridSizeY, GridSizeY);
    ini.WriteInteger(SettingsKey::SettingsSection, SettingsKey::BackgroundColor, int(m_canvasBackground));
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

bool TMainForm::SelectColor(TColor& color)
{
    return ::SelectColor(color, this);
}

void TMainForm::BackgroundColor1Click()
{
    TColor color = m_canvasBackground;
    if (!SelectColor(color)) return;
    SetCanvasBackground(color);
    SaveSettings();
}

void TMainForm::HelpDocument1Click()
{
    GetShell().Execute(kShellVerbOpen, ProgramFile(kHelpDocument));
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
