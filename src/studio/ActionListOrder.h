// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/VoAction.h"

#include <QObject>

#include <functional>

class QToolButton;
class QTreeWidget;
class TDesignDocument;

// Moves the selected action of the action list up or down, that is
// earlier or later in the order the actions run: the two arrow buttons,
// and Ctrl+Up / Ctrl+Down in the list. Each move is one step of the
// design document, the moved action stays selected, and a button is
// disabled where its move is not possible.
class TActionListOrder final : public QObject {
public:
    // currentActions gives the list the action list shows; none when it
    // may not be edited.
    TActionListOrder(QTreeWidget& list, TDesignDocument& document, std::function<TVoActions*()> currentActions,
                     QWidget* buttonParent);

    // False, with nothing done, when no action is selected or it is at
    // that end.
    bool Move(bool up);
    // Enables each button when its move is possible.
    void UpdateButtons();

    QToolButton* UpButton = nullptr;
    QToolButton* DownButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The place of the selected action in the current list; -1 for none.
    int SelectedIndex() const;

    QTreeWidget& m_list;
    TDesignDocument& m_document;
    std::function<TVoActions*()> m_currentActions;
};
