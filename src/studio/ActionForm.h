// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/VoAction.h"

#include <QDialog>

#include <memory>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TActionKindSelector;

// The "Action" editor: one action's kind and parameter. Changing the kind
// empties the parameter and sets up the label, the box and "Select..."
// for the new kind.
class TActionForm final : public QDialog {
public:
    explicit TActionForm(QWidget* parent = nullptr);

    // Prepares a new action: OpenRunFile with an empty parameter.
    void OpenForAdd();
    // Prepares the action's kind and parameter.
    void OpenForEdit(const TVoAction& action);
    // The kind of the current selector entry; the kind the editor was
    // opened with while no entry is current (a code the selector lacks).
    int Kind() const;
    QString Parameter() const;
    // Set only by "&OK"; cleared whenever the editor opens.
    bool Accepted() const { return m_accepted; }

    void ComboBox1Change();
    void Button1Click();
    void Button2Click();

    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    TActionKindSelector* ComboBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

private:
    void FillKinds(int current);

    bool m_accepted = false;
    int m_openedKind = 0;
};

// Asks for a new action; nothing when the user cancelled.
std::unique_ptr<TVoAction> AddAction(QWidget* parent = nullptr);
// Edits the action; true when it was accepted with a different kind or
// parameter, which are then stored in it.
bool EditAction(TVoAction& action, QWidget* parent = nullptr);
