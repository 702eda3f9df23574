// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "burner/BurnerState.h"
#include "burner/DiscEngine.h"

#include <QDialog>
#include <QMetaType>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// What a list entry carries: writers their device index, speeds their
// speed value.
struct TKVPair {
    QString text;
    qint32 value = 0;
};
Q_DECLARE_METATYPE(TKVPair)

// The "Burn CD/DVD" window: writes a project folder to a disc or an ISO
// file through a disc engine, erases rewritable discs, ejects and closes
// the tray. The engine's events arrive through a timer on this thread.
class TCDBurnerForm final : public QDialog, private DiscEngineEvents {
    Q_OBJECT

public:
    explicit TCDBurnerForm(DiscEngine& engine, QWidget* parent = nullptr);
    ~TCDBurnerForm() override;

    // Starts the devices, builds the layout from folder and fills the lists.
    // False, after the message, when the devices cannot be started.
    bool SetUp(const QString& folder, const QString& volumeLabel);

    BurnerMode Mode() const { return m_mode; }
    // The chosen writer's device index; -1 for none.
    int ChosenWriter() const { return m_writer; }

    void ComboBox1Change();
    void Button1Click(); // Write
    void Button2Click(); // Abort
    void Button3Click(); // Quick Erase
    void Button4Click(); // Eject
    void Button5Click(); // Close Tray
    void Button8Click(); // Save ISO File
    // Hands the engine's waiting events to the handlers.
    void Timer1Timer();

    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QLabel* Panel1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button8 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void OnWriteStatus(int status, int progress) override;
    void OnWriteError(const WriteError& error) override;
    bool OnTrackFileWarning(const FileWarning& warning) override;
    void OnEraseStatus(int device, int status, int progress) override;
    void OnEraseError(const DeviceError& error) override;

    void FillDeviceList();
    void FillSpeedList();
    void EnterState(BurnerMode mode);
    void SetStatus(const QString& text);
    void WriteFinished();
    bool HasEnoughSpace();

    DiscEngine& m_engine;
    BurnerMode m_mode = BurnerMode::Idle;
    int m_writer = -1;
    QString m_folder;
    QString m_volumeLabel;
    bool m_toDisc = false;
};

// Shows the burner window modally on a folder with an engine. False,
// without showing it, when the engine's devices cannot be started.
bool ShowBurnerWith(DiscEngine& engine, const QString& folder, const QString& volumeLabel,
                    QWidget* parent = nullptr);
