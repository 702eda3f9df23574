// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/RecordingMessageBoxes.h"

RecordingMessageBoxes::RecordingMessageBoxes()
{
    SetMessageBoxes(this);
}

RecordingMessageBoxes::~RecordingMessageBoxes()
{
    SetMessageBoxes(nullptr);
}

MsgAnswer RecordingMessageBoxes::Show(const QString& caption, const QString& text, MsgIcon icon,
                                      MsgButtons buttons)
{
    m_boxes.append({caption, text, icon, buttons});
    if (!m_answers.isEmpty()) return m_answers.takeFirst();
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes
                                                                              : MsgAnswer::Ok;
}
