// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "platform/MessageBoxes.h"

#include <QList>

// Records every box a test triggers and answers from a script. Installs
// itself as the message-box service for its lifetime.
class RecordingMessageBoxes final : public MessageBoxes {
public:
    struct Box {
        QString caption;
        QString text;
        MsgIcon icon;
        MsgButtons buttons;
    };

    RecordingMessageBoxes();
    ~RecordingMessageBoxes() override;

    MsgAnswer Show(const QString& caption, const QString& text, MsgIcon icon,
                   MsgButtons buttons) override;

    // Answers given to the next boxes in turn; when used up, Ok or Yes.
    void Script(QList<MsgAnswer> answers) { m_answers = std::move(answers); }
    const QList<Box>& Boxes() const { return m_boxes; }
    void Clear() { m_boxes.clear(); }

private:
    QList<Box> m_boxes;
    QList<MsgAnswer> m_answers;
};
