// SPDX-License-Identifier: GPL-2.0-or-later
#include "burner/CDBurnerForm.h"

#include "burner/WriteCheck.h"

#include "burner/BurnerTexts.h"
#include "burner/DriveListDelegate.h"
#include "burner/IsoFilePlace.h"
#include "burner/LayoutBuilder.h"
#include "platform/Dialogs.h"
#include "platform/MessageBoxes.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int kPollMilliseconds = 100;

void Information(const QString& text)
{
    GetMessageBoxes().Show(QStringLiteral("Information"), text, MsgIcon::Information, MsgButtons::Ok);
}

void Error(const QString& text)
{
    GetMessageBoxes().Show(QStringLiteral("Error"), text, MsgIcon::Error, MsgButtons::Ok);
}

QPushButton* NewButton(const QString& caption, int top, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(352, top, 120, 27);
    return button;
}

} // namespace

TCDBurnerForm::TCDBurnerForm(DiscEngine& engine, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)
    , m_engine(engine)
{
    setWindowTitle(QStringLiteral("Burn CD/DVD"));
    setFixedSize(482, 250);

    Label1 = new QLabel(QStringLiteral("Device:"), this);
    Label1->setGeometry(12, 10, 320, 18);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setGeometry(12, 30, 320, 26);
    ComboBox1->setItemDelegate(new DriveListDelegate(ComboBox1));
    Label1->setBuddy(ComboBox1);

    Label3 = new QLabel(QStringLiteral("Write Speed:"), this);
    Label3->setGeometry(12, 66, 320, 18);
    ComboBox2 = new QComboBox(this);
    ComboBox2->setGeometry(12, 86, 150, 26);
    Label3->setBuddy(ComboBox2);

    Panel1 = new QLabel(this);
    Panel1->setGeometry(12, 176, 320, 24);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setTextFormat(Qt::PlainText);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setGeometry(12, 210, 320, 20);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(0);

    Button1 = NewButton(QStringLiteral("&Write"), 10, this);
    Button1->setDefault(true);
    Button2 = NewButton(QStringLiteral("&Abort"), 42, this);
    Button8 = NewButton(QStringLiteral("&Save ISO File..."), 74, this);
    Button3 = NewButton(QStringLiteral("&Quick Erase"), 106, this);
    Button4 = NewButton(QStringLiteral("&Eject"), 138, this);
    Button5 = NewButton(QStringLiteral("Close &Tray"), 170, this);
    Button6 = NewButton(QStringLiteral("&Close"), 212, this);

    connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button8, &QPushButton::clicked, this, [this] { Button8Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    connect(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
    connect(Button6, &QPushButton::clicked, this, &QDialog::reject);

    Timer1 = new QTimer(this);
    Timer1->setInterval(kPollMilliseconds);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    EnterState(BurnerMode::Idle);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

TCDBurnerForm::~TCDBurnerForm()
{
    m_engine.SetEvents(nullptr);
}

bool TCDBurnerForm::SetUp(const QString& folder, const QString& volumeLabel)
{
    m_engine.SetEvents(this);
    if (!m_engine.InitializeDevices()) {
        Error(QStringLiteral("Devices cannot be initialized!"));
        return false;
    }
    BuildLayout(m_engine, folder, [this](const QString& text) { SetStatus(text); });
    SetStatus(QString());
    m_folder = folder;
    m_volumeLabel = volumeLabel;
    FillDeviceList();
    Timer1->start();
    return true;
}

void TCDBurnerForm::FillDeviceList()
{
    ComboBox1->clear();
    const int count = m_engine.DeviceCount();
    for (int device = 0; device < count; ++device) {
        if (!m_engine.IsWriter(device)) continue;
        const TKVPair pair{m_engine.DisplayName(device), device};
        // The picture shows in the closed list too; the open list is drawn
        // by the delegate.
        ComboBox1->addItem(QIcon(DriveIcon()), pair.text, QVariant::fromValue(pair));
    }
    m_writer = -1;
    if (ComboBox1->count() == 0) {
        ComboBox2->clear();
        GetMessageBoxes().Show(QStringLiteral("Information"), QStringLiteral("There is no compatible device!"),
                               MsgIcon::Information, MsgButtons::Ok);
    } else {
        ComboBox1->setCurrentIndex(0);
        ComboBox1Change();
    }
    EnterState(BurnerMode::Idle);
}

void TCDBurnerForm::ComboBox1Change()
{
    m_writer = -1;
    if (ComboBox1->currentIndex() < 0) return;
    m_writer = ComboBox1->currentData().value<TKVPair>().value;
    FillSpeedList();
    EnterState(m_mode);
}

void TCDBurnerForm::FillSpeedList()
{
    ComboBox2->clear();
    const QList<int> speeds = m_engine.WriteSpeeds(m_writer);
    if (speeds.isEmpty()) {
        // The drive's fastest speed.
        ComboBox2->addItem(QStringLiteral("MAX"), QVariant::fromValue(TKVPair{QStringLiteral("MAX"), 0}));
    }
    for (const int speed : speeds) {
        const TKVPair pair{SpeedText(m_engine.SpeedFactor(m_writer, speed)), speed};
        ComboBox2->addItem(pair.text, QVariant::fromValue(pair));
    }
    ComboBox2->setCurrentIndex(0);
}

void TCDBurnerForm::EnterState(BurnerMode mode)
{
    m_mode = mode;
    const BurnerButtonStates states = ButtonStatesFor(mode, m_writer >= 0, ComboBox1->count() > 0);
    Button1->setEnabled(states.write);
    Button2->setEnabled(states.abort);
    Button8->setEnabled(states.saveIso);
    Button3->setEnabled(states.quickErase);
    Button4->setEnabled(states.eject);
    Button5->setEnabled(states.closeTray);
    Button6->setEnabled(states.close);
    ComboBox1->setEnabled(states.deviceList);
    ComboBox2->setEnabled(states.speedList);
}

void TCDBurnerForm::SetStatus(const QString& text)
{
    Panel1->setText(text);
}

bool TCDBurnerForm::HasEnoughSpace()
{
    const WriteCheck check = CheckWrite(m_engine, m_writer);
    switch (check.readiness) {
    case WriteReadiness::Ready: return true;
    case WriteReadiness::NoWritableMedia:
        Information(QStringLiteral("Please insert writable media before continuing!"));
        return false;
    case WriteReadiness::NoImage:
        Error(QStringLiteral("Disc write can not be started!"));
        return false;
    case WriteReadiness::TooLittleSpace:
        Information(FreeSpaceMessage(check.freeBytes, check.requiredBytes));
        return false;
    }
    return false;
}

void TCDBurnerForm::Button1Click()
{
    if (m_writer < 0 || !HasEnoughSpace()) return;
    m_engine.SetVolumeLabel(m_volumeLabel);
    WriteSettings settings;
    settings.speed = ComboBox2->currentData().value<TKVPair>().value;
    settings.underrunProof = m_engine.HasCapability(m_writer, kCapUnderrunProof);
    SetStatus(QStringLiteral("========== WRITE DATA TO CD/DVD ... "));
    ProgressBar1->setValue(0);
    if (!m_engine.StartWrite(m_writer, settings)) {
        Error(QStringLiteral("Disc write can not be started!"));
        return;
    }
    m_toDisc = true;
    EnterState(BurnerMode::Busy);
}

void TCDBurnerForm::Button8Click()
{
    const QString fileName = GetDialogs().SaveFile(this, QStringLiteral("ISO File (*.iso)|*.iso"),
                                                   QStringLiteral("iso"), IsoStartFolder(m_folder));
    if (fileName.isEmpty()) return;
    if (IsoInsideProject(fileName, m_folder) &&
        GetMessageBoxes().Show(QStringLiteral("Confirm"),
                               QStringLiteral("The image file is inside the project folder, so it would go onto "
                                              "the next disc made from it. Save it there anyway?"),
                               MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    RememberIsoFolder(fileName);
    m_engine.SetVolumeLabel(m_volumeLabel);
    SetStatus(QStringLiteral("========== SAVE IMAGE AS ISO FILE ... "));
    SetStatus(QStringLiteral("File name: ") + fileName);
    ProgressBar1->setValue(0);
    if (!m_engine.StartSaveIso(fileName)) {
        Error(QStringLiteral("Error creating ISO File."));
        return;
    }
    m_toDisc = false;
    EnterState(BurnerMode::Busy);
}

void TCDBurnerForm::Button2Click()
{
    m_engine.Abort();
    SetStatus(QStringLiteral("Aborting write..."));
}

void TCDBurnerForm::Button3Click()
{
    if (m_writer < 0) return;
    const MediaInfo media = m_engine.RefreshMedia(m_writer);
    if (media.type == kMediaNone) {
        Information(QStringLiteral("No media loaded!"));
        return;
    }
    if (!media.rewritable) {
        Information(QStringLiteral("The current media is not re-writable!"));
        return;
    }
    const int capability = EraseCapabilityFor(media.type);
    if (capability == 0 || !m_engine.HasCapability(m_writer, capability)) {
        Error(QStringLiteral("Selected drive does not support re-writable discs of this format."));
        return;
    }
    SetStatus(QStringLiteral("========== ERASE DISC ... "));
    if (!m_engine.StartQuickErase(m_writer)) Error(QStringLiteral("Can not start erase operation!"));
}

void TCDBurnerForm::Button4Click()
{
    if (m_writer >= 0) m_engine.Eject(m_writer);
}

void TCDBurnerForm::Button5Click()
{
    if (m_writer >= 0) m_engine.CloseTray(m_writer);
}

void TCDBurnerForm::Timer1Timer()
{
    m_engine.DeliverEvents();
    if (m_engine.SignalledToEnd()) {
        // A signal asked the program to end; the engine has cancelled its
        // work, the ending is ours.
        Timer1->stop();
        done(QDialog::Rejected);
        QCoreApplication::exit(1);
    }
}

void TCDBurnerForm::closeEvent(QCloseEvent* event)
{
    // The operation must end first (Abort); closing would leave a drive
    // or a file half-written.
    if (m_mode == BurnerMode::Busy) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TCDBurnerForm::reject()
{
    if (m_mode == BurnerMode::Busy && !m_engine.SignalledToEnd()) return;
    QDialog::reject();
}

void TCDBurnerForm::OnWriteStatus(int status, int progress)
{
    switch (status) {
    case kWriteProgressImage:
    case kWriteProgressData:
    case kWriteProgressVerify: ProgressBar1->setValue(progress); return;
    case kWriteOther: return;
    case kWriteFinished:
        ProgressBar1->setValue(progress);
        WriteFinished();
        return;
    case kWriteCancelled:
    case kWriteFailed:
        SetStatus(WriteStatusText(status));
        EnterState(BurnerMode::Idle);
        return;
    default: SetStatus(WriteStatusText(status)); return;
    }
}

void TCDBurnerForm::WriteFinished()
{
    if (m_toDisc) {
        SetStatus(QStringLiteral("Write completed!"));
        EnterState(BurnerMode::Idle);
        m_engine.Eject(m_writer);
        Information(m_engine.Verified() ? QStringLiteral("Write and verify complete!")
                                        : QStringLiteral("Write complete!"));
    } else {
        SetStatus(QStringLiteral("Save ISO image file completed!"));
        EnterState(BurnerMode::Idle);
        Information(QStringLiteral("Save ISO image completed!"));
    }
}

void TCDBurnerForm::OnWriteError(const WriteError& error)
{
    Error(WriteErrorText(error));
}

bool TCDBurnerForm::OnTrackFileWarning(const FileWarning& warning)
{
    SetStatus(FileWarningText(warning));
    return true;
}

void TCDBurnerForm::OnEraseStatus(int, int status, int progress)
{
    switch (status) {
    case kEraseStarted:
        EnterState(BurnerMode::Busy);
        SetStatus(QStringLiteral("Erasing disc, please wait..."));
        return;
    case kEraseProgress: ProgressBar1->setValue(progress); return;
    case kEraseComplete:
        ProgressBar1->setValue(progress);
        SetStatus(QStringLiteral("Erase operation complete!"));
        EnterState(BurnerMode::Idle);
        Information(QStringLiteral("Erase operation complete."));
        return;
    case kEraseFailed:
        SetStatus(QStringLiteral("Error erasing disc!"));
        EnterState(BurnerMode::Idle);
        return;
    default: return;
    }
}

void TCDBurnerForm::OnEraseError(const DeviceError& error)
{
    const QString text = DeviceErrorText(error);
    SetStatus(text);
    EnterState(BurnerMode::Idle);
    Error(text);
}

bool ShowBurnerWith(DiscEngine& engine, const QString& folder, const QString& volumeLabel, QWidget* parent)
{
    TCDBurnerForm form(engine, parent);
    if (!form.SetUp(folder, volumeLabel)) return false;
    form.exec();
    return true;
}
