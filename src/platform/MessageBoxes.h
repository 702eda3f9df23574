// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

class QWidget;

// Every message box of the system goes through this one service, so tests
// can record what a user would see and script the answers.
enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MsgAnswer Show(const QString& caption, const QString& text, MsgIcon icon,
                           MsgButtons buttons) = 0;
    // The window boxes are shown over; none by default.
    virtual void SetAnchor(QWidget*) {}
};

// The service in use. Until one is installed, boxes go to standard error.
MessageBoxes& GetMessageBoxes();
// Installs a service (not owned); nullptr goes back to standard error.
void SetMessageBoxes(MessageBoxes* service);

// Writes each box as one line "Caption: text" on standard error and answers
// with the first button (Ok or Yes). Used without a display.
class StderrMessageBoxes final : public MessageBoxes {
public:
    MsgAnswer Show(const QString& caption, const QString& text, MsgIcon icon,
                   MsgButtons buttons) override;
};
