// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;
class QTextEdit;

// The version history file of the running studio (ProgramFile); empty when
// the executable's folder is unknown.
QString VersionHistoryFile();

// The "Version History" window: the history of the running studio version
// from "whatsnew.rtf", with "Show this on startup" until the user
// acknowledges the version.
class TTipsForm final : public QDialog {
    Q_OBJECT

public:
    explicit TTipsForm(QWidget* parent = nullptr);

    // Fills the window for start-up or menu use. False, silently, when
    // it is not to be shown: at start-up once this version was
    // acknowledged, and whenever the history file is missing or unreadable.
    bool Prepare(bool startup);
    // After closing: an unticked "Show this on startup" acknowledges the
    // running version in the settings file.
    void Finish();

    QFrame* Panel1 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QLabel* Image1 = nullptr;        // the application icon
    QLabel* Label1 = nullptr;        // the title
    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QTextEdit* RichEdit1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* OkButton = nullptr;
};

// Shows the version history: at start-up (startup true) only for a
// version not yet acknowledged, from the Help menu always, both only when
// the history file exists.
void ShowVersionHistory(bool startup, QWidget* parent = nullptr);
