// SPDX-License-Identifier: GPL-2.0-or-later
#include "document/ActionListCommand.h"

TActionListCommand::TActionListCommand(TDesignDocument& document, const QString& name, TVoActions& list,
                                       const TVoActions& after)
    : TDocumentCommand(document, name, ProjectChanged | EntryChange), m_list(list),
      m_before(CopyActionList(list)), m_after(CopyActionList(after))
{
}

void TActionListCommand::Apply(bool forward)
{
    m_list = CopyActionList(forward ? m_after : m_before);
}
