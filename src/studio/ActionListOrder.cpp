// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/ActionListOrder.h"

#include "document/DesignDocument.h"
#include "studio/ActionListItems.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QTreeWidget>

namespace {

QToolButton* ArrowButton(Qt::ArrowType arrow, const QString& name, const QString& tip, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setToolTip(tip);
    button->setEnabled(false);
    return button;
}

} // namespace

TActionListOrder::TActionListOrder(QTreeWidget& list, TDesignDocument& document,
                                   std::function<TVoActions*()> currentActions, QWidget* buttonParent)
    : QObject(&list), m_list(list), m_document(document), m_currentActions(std::move(currentActions))
{
    UpButton = ArrowButton(Qt::UpArrow, QStringLiteral("MoveActionUp"), tr("Move Up (Ctrl+Up)"), buttonParent);
    DownButton =
        ArrowButton(Qt::DownArrow, QStringLiteral("MoveActionDown"), tr("Move Down (Ctrl+Down)"), buttonParent);
    connect(UpButton, &QToolButton::clicked, this, [this] { Move(true); });
    connect(DownButton, &QToolButton::clicked, this, [this] { Move(false); });
    list.installEventFilter(this);
    // Every step fills the list anew, which clears the selection.
    connect(&list, &QTreeWidget::itemSelectionChanged, this, [this] { UpdateButtons(); });
}

// Ctrl+Up and Ctrl+Down move the action instead of the list's cursor.
bool TActionListOrder::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            Move(key->key() == Qt::Key_Up);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

int TActionListOrder::SelectedIndex() const
{
    const TVoActions* actions = m_currentActions();
    const QList<QTreeWidgetItem*> selected = m_list.selectedItems();
    if (!actions || selected.isEmpty()) return -1;
    const auto index = IndexOfAction(*actions, ActionOfItem(*selected.first()));
    return index ? int(*index) : -1;
}

bool TActionListOrder::Move(bool up)
{
    TVoActions* actions = m_currentActions();
    const int index = SelectedIndex();
    if (!actions || index < 0) return false;
    const TVoAction* moved = (*actions)[size_t(index)].get();
    if (!m_document.MoveAction(*actions, index, up)) return false;
    // The step filled the list anew; the moved action is selected again.
    for (int row = 0; row < m_list.topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_list.topLevelItem(row);
        if (ActionOfItem(*item) == moved) {
            m_list.setCurrentItem(item);
            item->setSelected(true);
        }
    }
    UpdateButtons();
    return true;
}

void TActionListOrder::UpdateButtons()
{
    const TVoActions* actions = m_currentActions();
    const int index = SelectedIndex();
    UpButton->setEnabled(index > 0);
    DownButton->setEnabled(actions && index >= 0 && index + 1 < int(actions->size()));
}
