// SPDX-License-Identifier: GPL-2.0-or-later
#include "canvas/EditMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace {

struct ItemText {
    EditCommand command;
    const char* caption;
    QKeyCombination shortcut;
};

constexpr QKeyCombination kNoKey{};

QAction* AddItem(QMenu& menu, const ItemText& item, const std::function<void(EditCommand)>& run,
                 bool activeShortcuts)
{
    QAction* action = menu.addAction(QString::fromLatin1(item.caption));
    if (item.shortcut != kNoKey) {
        action->setShortcut(QKeySequence(item.shortcut));
        if (!activeShortcuts) action->setShortcutContext(Qt::WidgetShortcut);
    }
    const EditCommand command = item.command;
    QObject::connect(action, &QAction::triggered, &menu, [run, command] { run(command); });
    return action;
}

} // namespace

EditActions FillEditMenu(QMenu& menu, const std::function<void(EditCommand)>& run, bool activeShortcuts)
{
    EditActions actions{};
    auto add = [&](QMenu& into, const ItemText& item) {
        actions[size_t(item.command)] = AddItem(into, item, run, activeShortcuts);
    };
    add(menu, {EditCommand::Undo, "Undo", Qt::CTRL | Qt::Key_Z});
    add(menu, {EditCommand::Redo, "Redo", Qt::CTRL | Qt::Key_Y});
    // Redo answers both usual keys; the menu shows the first.
    QAction* redo = ActionOf(actions, EditCommand::Redo);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    menu.addSeparator();
    add(menu, {EditCommand::Cut, "Cut", Qt::CTRL | Qt::Key_X});
    add(menu, {EditCommand::Copy, "Copy", Qt::CTRL | Qt::Key_C});
    add(menu, {EditCommand::Paste, "Paste", Qt::CTRL | Qt::Key_V});
    add(menu, {EditCommand::Duplicate, "Duplicate", Qt::CTRL | Qt::Key_D});
    add(menu, {EditCommand::Delete, "Delete", Qt::CTRL | Qt::Key_Delete});
    menu.addSeparator();
    QMenu* align = menu.addMenu(QStringLiteral("Align"));
    add(*align, {EditCommand::AlignToGrid, "Align to Grid", kNoKey});
    align->addSeparator();
    add(*align, {EditCommand::AlignLeft, "Align Left", kNoKey});
    add(*align, {EditCommand::AlignCenter, "Align Center Horizontally", kNoKey});
    add(*align, {EditCommand::AlignRight, "Align Right", kNoKey});
    align->addSeparator();
    add(*align, {EditCommand::AlignTop, "Align Top", kNoKey});
    add(*align, {EditCommand::AlignMiddle, "Align Center Vertically", kNoKey});
    add(*align, {EditCommand::AlignBottom, "Align Bottom", kNoKey});
    align->addSeparator();
    add(*align, {EditCommand::DistributeHorizontally, "Distribute Horizontally", kNoKey});
    add(*align, {EditCommand::DistributeVertically, "Distribute Vertically", kNoKey});
    align->addSeparator();
    add(*align, {EditCommand::SameWidth, "Make Same Width", kNoKey});
    add(*align, {EditCommand::SameHeight, "Make Same Height", kNoKey});
    add(*align, {EditCommand::SameSize, "Make Same Size", kNoKey});
    menu.addSeparator();
    add(menu, {EditCommand::BringToFront, "Bring to Front", kNoKey});
    add(menu, {EditCommand::SendToBack, "Send to Back", kNoKey});
    return actions;
}
