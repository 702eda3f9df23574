// SPDX-License-Identifier: GPL-2.0-or-later
#include "document/ActionListCommand.h"

#include <utility>

TActionListCommand::TActionListCommand(TDesignDocument& document, const QString& name, TVoActions& list, int index,
                                       Change change, std::unique_ptr<TVoAction> action)
    : TDocumentCommand(document, name, ProjectChanged | EntryChange), m_list(list), m_index(index),
      m_change(change), m_held(std::move(action))
{
}

void TActionListCommand::Apply(bool forward)
{
    const auto at = m_list.begin() + m_index;
    if (m_change == Change::SwapWithNext) {
        std::swap(*at, *(at + 1));
    } else if (m_change == Change::Edit) {
        std::swap(**at, *m_held);
    } else if ((m_change == Change::Insert) == forward) {
        m_list.insert(at, std::move(m_held));
    } else {
        m_held = std::move(*at);
        m_list.erase(at);
    }
}
