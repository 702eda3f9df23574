// SPDX-License-Identifier: GPL-2.0-or-later
// The main window's commands: the project lifecycle, the object selector
// and current entry, the tools settings and the help menu.
#include "studio/MainForm.h"

#include "burner/ShowBurner.h"
#include "canvas/EditForm.h"
#include "document/DesignDocument.h"
#include "document/Entries.h"
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
#include "studio/DamagedDataFile.h"
#include "studio/EditCommands.h"
#include "studio/GridSizeForm.h"
#include "studio/ObjectSelector.h"
#include "studio/ProgramFiles.h"
#include "studio/SelectColorForm.h"
#include "studio/StudioImages.h"
#include "studio/StudioSettings.h"
#include "studio/TipsForm.h"
#include "studio/VendorAddresses.h"
#include "studio/WindowsPlayer.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace {

const QString kHelpDocument = QStringLiteral("VelomniStudio.html");
// A message then gives the status bar back to the project folder.
constexpr int kStatusMessageMs = 5000;

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
    // Only a focus in the grid is moved: the canvas keeps its keys.
    const QWidget* focus = QApplication::focusWidget();
    if (focus && (focus == ValueEdit || ValueEdit->isAncestorOf(focus))) TabSheet1->setFocus(Qt::OtherFocusReason);
    return accepted;
}

bool TMainForm::ConfirmSaveChanges()
{
    if (!m_document->Modified() || ProjectFolder.isEmpty()) return true;
    switch (GetMessageBoxes().Show(QStringLiteral("Confirm"), QStringLiteral("Save changes to project?"),
                                   MsgIcon::Question, MsgButtons::YesNoCancel)) {
    case MsgAnswer::Yes: return BuildProject();
    case MsgAnswer::No: return true;
    default: return false;
    }
}

bool TMainForm::BuildProject()
{
    bool unsaved = m_document->Modified();
    const bool built = ::BuildProject(
        *m_menu, m_playerSource.isEmpty() ? QCoreApplication::applicationFilePath() : m_playerSource, unsaved);
    if (!unsaved) m_document->MarkSaved();
    if (built) {
        StatusBar1->showMessage(QStringLiteral("Project saved and built."), kStatusMessageMs);
        NoteRecentProject();
    }
    return built;
}

void TMainForm::ClearInspector()
{
    const TPropertyGrid::Updating updating(*ValueEdit);
    ValueEdit->ClearRows();
    ListView1->clear();
}

void TMainForm::StartProject(bool modified)
{
    m_document->Restart(modified);
    UpdateTitle();
}

void TMainForm::AfterProjectChange()
{
    StatusPanel0->setText(ProjectFolder);
    RefreshObjectList();
    SyncCanvasWindow();
    CenterCanvas();
    UpdateTitle();
}

// The project folder's name and, with unsaved changes, a mark.
void TMainForm::UpdateTitle()
{
    const QString project = QDir(ProjectFolder).dirName();
    setWindowTitle(ProjectFolder.isEmpty() || project.isEmpty()
                       ? QStringLiteral("Velomni Studio[*]")
                       : project + QStringLiteral("[*] - Velomni Studio"));
    setWindowModified(m_document->Modified());
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
    // The steps go before the objects they name.
    const bool wasModified = m_document->Modified();
    StartProject(false);
    if (!load) {
        m_menu->ResetProject();
        StartProject(true);
    } else if (!m_menu->Load(dataFile)) {
        // A failed load keeps the flag as it was; the loader has said why.
        // The damaged file is set aside before a save can replace it.
        m_menu->ResetProject();
        StartProject(wasModified);
        GetMessageBoxes().Show(QStringLiteral("Project File"),
                               DamagedFileMessage(dataFile, SetDamagedFileAside(dataFile)), MsgIcon::Warning,
                               MsgButtons::Ok);
    }
    AfterProjectChange();
    NoteRecentProject();
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
    StartProject(true);
    m_menu->ResetProject();
    AfterProjectChange();
}

void TMainForm::Save1Click()
{
    if (CommitPendingEdit()) BuildProject();
}

void TMainForm::SaveandTest1Click()
{
    if (!CommitPendingEdit() || !BuildProject()) return;
    GetShell().StartProgram(PlayerToTest(ProjectFolder));
}

void TMainForm::BurnCDDVD1Click()
{
    if (!CommitPendingEdit() || !BuildProject()) return;
    const QString imageFolder = LastImageFolder;
    ShowBurner(ProjectFolder, m_menu->Settings().CDLabel, this);
    // The folder of the last image saved is where the next run starts too.
    if (LastImageFolder != imageFolder)
        TIniFile(StudioSettingsFile()).WriteString(SettingsKey::BurnerSection, SettingsKey::ImageFolder, LastImageFolder);
}

int TMainForm::CurrentEntry() const
{
    return m_document->CurrentEntry();
}

void TMainForm::SetCurrentEntry(int index)
{
    m_document->PickEntry(index);
}

void TMainForm::ListObjectsInSelector()
{
    ComboBox1->clear();
    ComboBox1->AddEntry({-1, m_menu->Settings().ApplicationTitle});
    for (const TVoObject* entry : m_menu->ObjectList()) ComboBox1->AddEntry({entry->ObjectType, entry->Name});
    const int current = m_document->CurrentEntry();
    ComboBox1->setCurrentIndex(current < ComboBox1->count() ? current : kNoEntry);
}

void TMainForm::RefreshObjectList()
{
    ListObjectsInSelector();
    m_document->EntryFromSelection();
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

void TMainForm::DocumentChanged(EditEffects what)
{
    // The canvas follows the document by itself; the frame it syncs may
    // have resized the menu window, whose holder follows here.
    if (what & FrameSync) {
        ParkMenuWindow();
        PlaceCanvasHost();
    }
    if (what & (ObjectListChange | SelectorRepaint)) ListObjectsInSelector();
    if (what & (EntryChange | ObjectListChange)) {
        ComboBox1->setCurrentIndex(m_document->CurrentEntry() < ComboBox1->count() ? m_document->CurrentEntry()
                                                                                    : kNoEntry);
        ShowCurrentEntry();
    }
    RefreshEditItems();
}

void TMainForm::Edit1Click()
{
    m_clipboardHasObjects = ClipboardHasFormat(ClipboardFormat);
    RefreshEditItems();
}

void TMainForm::RefreshEditItems()
{
    const auto states = EditCommandStates(*m_document, m_clipboardHasObjects);
    for (int i = 0; i < kEditCommandCount; ++i) EditItems[size_t(i)]->setEnabled(states[size_t(i)]);
    ActionOf(EditItems, EditCommand::Undo)->setText(m_document->UndoText());
    ActionOf(EditItems, EditCommand::Redo)->setText(m_document->RedoText());
}

bool TMainForm::EditCommandEnabled(EditCommand command) const
{
    return ActionOf(EditItems, command)->isEnabled();
}

void TMainForm::RunEditCommand(EditCommand command)
{
    // A step undone under a drag would be dropped by the step the drag
    // makes, and with it objects the drag still holds.
    const bool history = command == EditCommand::Undo || command == EditCommand::Redo;
    if (history && EditForm->Interaction().State() != DragState::Idle) return;
    ::RunEditCommand(*m_document, *this, command);
}

void TMainForm::ComboBox1Change()
{
    m_document->PickEntry(ComboBox1->currentIndex());
}

void TMainForm::ShowCurrentEntry()
{
    const int current = CurrentEntry();
    PageControl1->setTabText(0, m_document->CurrentObject() < 0 ? QStringLiteral("Start Actions")
                                                                  : QStringLiteral("Click Actions"));
    const TPropertyGrid::Updating updating(*ValueEdit);
    ValueEdit->hide();
    m_inspector->Fill(current);

    const TObjectList& objects = m_menu->ObjectList();
    const int object = ObjectOfEntry(current, objects);
    bool actionsEditable = true;
    if (current == kProjectEntry) {
        ListActions(&m_menu->StartActions());
    } else if (object >= 0) {
        const TVoObject& entry = *objects[size_t(object)];
        actionsEditable = entry.ObjectType != okExplorer;
        ListActions(actionsEditable ? &entry.Actions : nullptr);
    } else {
        // With no current entry nothing may be edited, and the list must
        // not keep items of an entry that is gone.
        actionsEditable = false;
        ListView1->clear();
    }
    for (QPushButton* button : {Button1, Button2, Button3}) button->setEnabled(actionsEditable);

    ValueEdit->show();
    RefreshEditItems();
}

void TMainForm::LoadSettings()
{
    const TIniFile ini(StudioSettingsFile());
    // Grid sizes are held to the dialog's range: a size below 1 would break
    // the snapping arithmetic.
    TGridSettings grid;
    grid.Display = ini.ReadBool(SettingsKey::SettingsSection, SettingsKey::DisplayGrid, true);
    grid.Snap = ini.ReadBool(SettingsKey::SettingsSection, SettingsKey::SnapToGrid, true);
    grid.X = ClampGridSize(ini.ReadInteger(SettingsKey::SettingsSection, SettingsKey::GridSizeX, 8));
    grid.Y = ClampGridSize(ini.ReadInteger(SettingsKey::SettingsSection, SettingsKey::GridSizeY, 8));
    SetCanvasBackground(
        TColor(ini.ReadInteger(SettingsKey::SettingsSection, SettingsKey::BackgroundColor, int(m_canvasBackground))));
    m_document->SetGrid(grid);
    if (LastImageFolder.isEmpty())
        LastImageFolder = ini.ReadString(SettingsKey::BurnerSection, SettingsKey::ImageFolder, QString());
}

void TMainForm::SaveSettings()
{
    // Failures are ignored: the values in use stay as they are.
    TIniFile ini(StudioSettingsFile());
    const TGridSettings& grid = m_document->Grid();
    ini.WriteBool(SettingsKey::SettingsSection, SettingsKey::DisplayGrid, grid.Display);
    ini.WriteBool(SettingsKey::SettingsSection, SettingsKey::SnapToGrid, grid.Snap);
    ini.WriteInteger(SettingsKey::SettingsSection, SettingsKey::GridSizeX, grid.X);
    ini.WriteInteger(SettingsKey::SettingsSection, SettingsKey::GridSizeY, grid.Y);
    ini.WriteInteger(SettingsKey::SettingsSection, SettingsKey::BackgroundColor, int(m_canvasBackground));
}

void TMainForm::DisplayGrid1Click()
{
    TGridSettings grid = m_document->Grid();
    grid.Display = !grid.Display;
    m_document->SetGrid(grid);
    SaveSettings();
    DisplayGrid1->setChecked(grid.Display);
}

void TMainForm::SnaptoGrid1Click()
{
    TGridSettings grid = m_document->Grid();
    grid.Snap = !grid.Snap;
    m_document->SetGrid(grid);
    SaveSettings();
    SnaptoGrid1->setChecked(grid.Snap);
}

void TMainForm::GridSize1Click()
{
    TGridSettings grid = m_document->Grid();
    if (!EditGridSize(grid.X, grid.Y, this)) return;
    m_document->SetGrid(grid);
    SaveSettings();
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
