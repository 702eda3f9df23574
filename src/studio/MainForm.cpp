// SPDX-License-Identifier: GPL-2.0-or-later
// The main window's construction: tool bar, menus, sidebar, canvas host,
// and the window events.
#include "studio/MainForm.h"

#include "canvas/EditForm.h"
#include "document/DesignDocument.h"
#include "inspector/Inspector.h"
#include "inspector/PropertyGrid.h"
#include "model/ObjectClipboard.h"
#include "model/ProcessState.h"
#include "player/VelomniForm.h"
#include "studio/ActionListOrder.h"
#include "studio/ObjectSelector.h"
#include "studio/StudioImages.h"
#include "studio/TipsForm.h"
#include "studio/WindowPlace.h"
#include "platform/VersionInfo.h"

#include <QApplication>
#include <QClipboard>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kActionPageHeight = 156;
// The live menu window is parked this far left of the main window, past
// its own width, so that no size brings it back into view.
constexpr int kParkedGap = 1000;
const TColor kDefaultCanvasBackground = RgbColor(236, 236, 236);

QToolButton* MakeToolButton(QToolBar* bar, int image, const QString& hint, bool checkable)
{
    auto* button = new QToolButton(bar);
    button->setIcon(QIcon(ToolImage(image)));
    button->setIconSize(QSize(24, 24));
    button->setFixedSize(31, 31);
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setCheckable(checkable);
    bar->addWidget(button);
    return button;
}

} // namespace

TMainForm::TMainForm(std::unique_ptr<TVelomniForm> menuWindow, QWidget* parent)
    : QMainWindow(parent), m_menu(menuWindow.release()), m_document(std::make_unique<TDesignDocument>(*m_menu))
{
    CreateToolBar();
    CreateMenus();

    StatusBar1 = new QStatusBar(this);
    StatusPanel0 = new QLabel(StatusBar1);
    StatusBar1->addWidget(StatusPanel0, 1);
    setStatusBar(StatusBar1);

    // Centre: the canvas host on the left, the sidebar on the right.
    auto* scrollBox1 = new QWidget(this);
    auto* centre = new QHBoxLayout(scrollBox1);
    centre->setContentsMargins(0, 0, 0, 0);
    Splitter1 = new QSplitter(Qt::Horizontal, scrollBox1);
    Splitter1->setHandleWidth(5);
    Splitter1->setOpaqueResize(true);
    Splitter1->setChildrenCollapsible(false);
    ScrollBox3 = new QScrollArea(Splitter1);
    ScrollBox3->setFrameShape(QFrame::NoFrame);
    ScrollBox3->setWidgetResizable(false);
    m_canvasHost = new QWidget;
    m_canvasHost->setAutoFillBackground(true);
    ScrollBox3->setWidget(m_canvasHost);
    EditForm = new TEditForm(*this, *m_document, m_canvasHost);
    CreateSidebar();
    Splitter1->addWidget(ScrollBox3);
    Splitter1->addWidget(ScrollBox2);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    centre->addWidget(Splitter1);
    setCentralWidget(scrollBox1);

    // The live menu window, out of sight: the canvas shows its picture.
    ScrollBox5 = new QWidget(this);
    ScrollBox5->hide();
    m_menu->setParent(ScrollBox5);

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::CreateToolBar()
{
    CoolBar1 = new QToolBar(this);
    CoolBar1->setObjectName(QStringLiteral("ToolBar1"));
    CoolBar1->setMovable(false);
    CoolBar1->setIconSize(QSize(24, 24));
    addToolBar(Qt::TopToolBarArea, CoolBar1);

    connect(MakeToolButton(CoolBar1, 0, QStringLiteral("New Project"), false), &QToolButton::clicked, this,
            [this] { NewProject1Click(); });
    connect(MakeToolButton(CoolBar1, 1, QStringLiteral("Open"), false), &QToolButton::clicked, this,
            [this] { Open1Click(); });
    connect(MakeToolButton(CoolBar1, 2, QStringLiteral("Save"), false), &QToolButton::clicked, this,
            [this] { Save1Click(); });
    CoolBar1->addSeparator();
    connect(MakeToolButton(CoolBar1, 3, QStringLiteral("Save and Test"), false), &QToolButton::clicked, this,
            [this] { SaveandTest1Click(); });
    connect(MakeToolButton(CoolBar1, 4, QStringLiteral("Save and Burn CD/DVD"), false), &QToolButton::clicked,
            this, [this] { BurnCDDVD1Click(); });
    CoolBar1->addSeparator();

    // Select and the six "Add" buttons: exactly one is down.
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    ToolButton_Select = MakeToolButton(CoolBar1, 5, QString(), true);
    ToolButton_ImageButton = MakeToolButton(CoolBar1, 6, QStringLiteral("Add Button"), true);
    ToolButton_Image = MakeToolButton(CoolBar1, 7, QStringLiteral("Add Image"), true);
    ToolButton_SimpleText = MakeToolButton(CoolBar1, 8, QStringLiteral("Add Text"), true);
    ToolButton_TextBox = MakeToolButton(CoolBar1, 9, QStringLiteral("Add TextBox"), true);
    ToolButton_RichText = MakeToolButton(CoolBar1, 10, QStringLiteral("Add RichText"), true);
    ToolButton_Browser = MakeToolButton(CoolBar1, 11, QStringLiteral("Add Explorer"), true);
    for (QToolButton* button : {ToolButton_Select, ToolButton_ImageButton, ToolButton_Image, ToolButton_SimpleText,
                                ToolButton_TextBox, ToolButton_RichText, ToolButton_Browser})
        group->addButton(button);
    ToolButton_Select->setChecked(true);
}

void TMainForm::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    NewProject1 = file->addAction(QStringLiteral("New Project..."), this, [this] { NewProject1Click(); });
    Open1 = file->addAction(QStringLiteral("Open..."), QKeySequence(Qt::CTRL | Qt::Key_O), this,
                            [this] { Open1Click(); });
    RecentProjects1 = file->addMenu(QStringLiteral("Recent Projects"));
    // Another studio may have changed the list since.
    connect(file, &QMenu::aboutToShow, this, [this] { RefreshRecentMenu(); });
    Save1 = file->addAction(QStringLiteral("Save"), QKeySequence(Qt::CTRL | Qt::Key_S), this,
                            [this] { Save1Click(); });
    SaveandTest1 = file->addAction(QStringLiteral("Save and Test..."), QKeySequence(Qt::CTRL | Qt::Key_T), this,
                                   [this] { SaveandTest1Click(); });
    BurnCDDVD1 = file->addAction(QStringLiteral("Save and Burn CD/DVD..."), QKeySequence(Qt::CTRL | Qt::Key_B),
                                 this, [this] { BurnCDDVD1Click(); });
    file->addSeparator();
    Exit1 = file->addAction(QStringLiteral("Exit"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E), this,
                            [this] { Exit1Click(); });

    Edit1 = menuBar()->addMenu(QStringLiteral("&Edit"));
    EditItems = FillEditMenu(*Edit1, [this](EditCommand command) { RunEditCommand(command); }, true);
    connect(Edit1, &QMenu::aboutToShow, this, [this] { Edit1Click(); });

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    oolBar1 = view->addAction(QStringLiteral("Toolbar"));
    StatusBar2 = view->addAction(QStringLiteral("Status Bar"));
    Sidebar1 = view->addAction(QStringLiteral("Sidebar"));
    for (QAction* toggle : {oolBar1, StatusBar2, Sidebar1}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    connect(oolBar1, &QAction::triggered, this, [this](bool on) { CoolBar1->setVisible(on); });
    connect(StatusBar2, &QAction::triggered, this, [this](bool on) { StatusBar1->setVisible(on); });
    connect(Sidebar1, &QAction::triggered, this, [this](bool on) { ScrollBox2->setVisible(on); });

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    DisplayGrid1 = tools->addAction(QStringLiteral("Display Grid"), this, [this] { DisplayGrid1Click(); });
    SnaptoGrid1 = tools->addAction(QStringLiteral("Snap to Grid"), this, [this] { SnaptoGrid1Click(); });
    DisplayGrid1->setCheckable(true);
    SnaptoGrid1->setCheckable(true);
    GridSize1 = tools->addAction(QStringLiteral("Grid Size..."), this, [this] { GridSize1Click(); });
    BackgroundColor1 =
        tools->addAction(QStringLiteral("Background Color..."), this, [this] { BackgroundColor1Click(); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    HelpDocument1 = help->addAction(QStringLiteral("Help Document..."), QKeySequence(Qt::Key_F1), this,
                                    [this] { HelpDocument1Click(); });
    help->addAction(QStringLiteral("Technical Support..."), this, [this] { echnicalSupport1Click(); });
    help->addAction(QStringLiteral("Visit Home Page..."), this, [this] { VisitHomePage1Click(); });
    WhatsNewSeparator = help->addSeparator();
    WhatsNew1 = help->addAction(QStringLiteral("Version History..."), this, [this] { WhatsNew1Click(); });
    About1 = help->addAction(QStringLiteral("About..."), this, [this] { About1Click(); });
}

void TMainForm::CreateSidebar()
{
    // The sidebar is at least as wide as the property grid asks, so the
    // splitter never cuts a key.
    ScrollBox2 = new QWidget(Splitter1);
    auto* column = new QVBoxLayout(ScrollBox2);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* scrollBox4 = new QWidget(ScrollBox2);
    scrollBox4->setFixedHeight(31);
    auto* selectorRow = new QHBoxLayout(scrollBox4);
    selectorRow->setContentsMargins(0, 3, 1, 3);
    ComboBox1 = new TObjectSelector(scrollBox4);
    selectorRow->addWidget(ComboBox1);
    connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    column->addWidget(scrollBox4);

    auto* splitter2 = new QSplitter(Qt::Vertical, ScrollBox2);
    splitter2->setHandleWidth(4);
    splitter2->setChildrenCollapsible(false);

    PageControl2 = new QTabWidget(splitter2);
    TabSheet1 = new QWidget;
    TabSheet1->setFocusPolicy(Qt::StrongFocus);
    auto* properties = new QVBoxLayout(TabSheet1);
    properties->setContentsMargins(0, 0, 0, 0);
    ValueEdit = new TPropertyGrid(TabSheet1);
    ValueEdit->ImageOf = [](int image) { return SidebarImage(image); };
    m_inspector = std::make_unique<TInspector>(*ValueEdit, *this, *m_document);
    properties->addWidget(ValueEdit);
    PageControl2->addTab(TabSheet1, QIcon(SidebarImage(kSidebarPropertiesImage)), QStringLiteral("Properties"));

    PageControl1 = new QTabWidget(splitter2);
    TabSheet2 = new QWidget;
    auto* actions = new QVBoxLayout(TabSheet2);
    actions->setContentsMargins(0, 0, 0, 0);
    ListView1 = new QTreeWidget(TabSheet2);
    ListView1->setColumnCount(2);
    ListView1->setHeaderLabels({QStringLiteral("Action"), QStringLiteral("Parameter")});
    ListView1->setColumnWidth(0, 100);
    ListView1->setColumnWidth(1, 100);
    ListView1->setRootIsDecorated(false);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->header()->setSectionsClickable(false);
    actions->addWidget(ListView1);
    auto* buttons = new QHBoxLayout;
    Button1 = new QPushButton(QStringLiteral("Add..."), TabSheet2);
    Button2 = new QPushButton(QStringLiteral("Edit..."), TabSheet2);
    Button3 = new QPushButton(QStringLiteral("Delete"), TabSheet2);
    for (QPushButton* button : {Button1, Button2, Button3}) buttons->addWidget(button);
    auto* order = new TActionListOrder(*ListView1, *m_document, [this] { return CurrentActions(); }, TabSheet2);
    buttons->addWidget(order->UpButton);
    buttons->addWidget(order->DownButton);
    actions->addLayout(buttons);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { Button2Click(); });
    PageControl1->addTab(TabSheet2, QIcon(SidebarImage(kSidebarActionImage)), QStringLiteral("Start Actions"));

    splitter2->addWidget(PageControl2);
    splitter2->addWidget(PageControl1);
    splitter2->setStretchFactor(0, 1);
    splitter2->setStretchFactor(1, 0);
    splitter2->setSizes({400, kActionPageHeight});
    column->addWidget(splitter2, 1);
    ScrollBox2->resize(kDefaultSidebarWidth, ScrollBox2->height());
}

void TMainForm::FormCreate()
{
    // The window fills the work area maximised, so a window manager keeps
    // its frame and title bar on screen; un-maximised it keeps that size.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) resize(screen->availableGeometry().size());
    setWindowState(windowState() | Qt::WindowMaximized);
    const bool history = QFileInfo(VersionHistoryFile()).isFile();
    WhatsNewSeparator->setVisible(history);
    WhatsNew1->setVisible(history);
    SetCanvasBackground(kDefaultCanvasBackground);
    // The clipboard format is a fixed MIME type (ObjectClipboard); nothing
    // needs registering on this platform.
    StudioVersion = ReadFileVersion(QCoreApplication::applicationFilePath());
    connect(m_document.get(), &TDesignDocument::changed, this, [this](EditEffects what) { DocumentChanged(what); });
    connect(m_document.get(), &TDesignDocument::modifiedChanged, this, [this] { UpdateTitle(); });
    connect(&m_document->UndoStack(), &QUndoStack::indexChanged, this, [this] { RefreshEditItems(); });
    UpdateTitle();
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] { Edit1Click(); });
    Edit1Click();
    RestoreWindowPlace();
    RefreshRecentMenu();
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shown) return;
    m_shown = true;
    FormShow();
}

void TMainForm::FormShow()
{
    LoadSettings();
    ParkMenuWindow();
    ScrollBox5->show();
    m_menu->show();
    EditForm->SetCloseAllowed(false);
    EditForm->show();
    StatusPanel0->setText(ProjectFolder);
    DisplayGrid1->setChecked(m_document->Grid().Display);
    SnaptoGrid1->setChecked(m_document->Grid().Snap);
    RefreshObjectList();
    SyncCanvasWindow();
    CenterCanvas();
    NoteRecentProject();
    Timer1->start();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (!CommitPendingEdit() || !ConfirmSaveChanges()) {
        event->ignore();
        return;
    }
    EditForm->SetCloseAllowed(true);
    SaveWindowPlace();
    event->accept();
}

void TMainForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    PlaceCanvasHost();
}

void TMainForm::SetCanvasBackground(TColor color)
{
    m_canvasBackground = color;
    QPalette colours = m_canvasHost->palette();
    colours.setColor(QPalette::Window, ColorToQColor(color, QApplication::palette()));
    m_canvasHost->setPalette(colours);
    ScrollBox3->viewport()->setPalette(colours);
    ScrollBox3->viewport()->setAutoFillBackground(true);
}

void TMainForm::CenterCanvas()
{
    const QSize host = ScrollBox3->viewport()->size();
    const int left = (host.width() - EditForm->width()) / 2;
    const int top = (host.height() - EditForm->height()) / 2;
    EditForm->move(qMax(0, left), qMax(0, top));
    PlaceCanvasHost();
}

// The host reaches at least to the edges of the visible area and far
// enough to hold the canvas, so the scroll bars appear only when needed.
void TMainForm::PlaceCanvasHost()
{
    if (!m_canvasHost) return;
    const QSize visible = ScrollBox3->viewport()->size();
    const QRect canvas = EditForm->geometry();
    m_canvasHost->resize(qMax(visible.width(), canvas.right() + 1), qMax(visible.height(), canvas.bottom() + 1));
}

void TMainForm::ParkMenuWindow()
{
    ScrollBox5->resize(m_menu->size());
    ScrollBox5->move(-ScrollBox5->width() - kParkedGap, 0);
}

void TMainForm::RedrawCanvas()
{
    EditForm->RedrawCanvas();
}

void TMainForm::SyncCanvasWindow()
{
    EditForm->SyncCanvasWindow();
    ParkMenuWindow();
    PlaceCanvasHost();
}

void TMainForm::Exit1Click()
{
    close();
}
