// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/MessageBoxes.h"

#include <cstdio>

namespace {
StderrMessageBoxes g_stderrBoxes;
MessageBoxes* g_service = nullptr;
} // namespace

MessageBoxes& GetMessageBoxes()
{
    return g_service ? *g_service : g_stderrBoxes;
}

void SetMessageBoxes(MessageBoxes* service)
{
    g_service = service;
}

MsgAnswer StderrMessageBoxes::Show(const QString& caption, const QString& text, MsgIcon,
                                   MsgButtons buttons)
{
    const QByteArray line = (caption + QStringLiteral(": ") + text).toUtf8();
    std::fprintf(stderr, "%s\n", line.constData());
    std::fflush(stderr);
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes
                                                                              : MsgAnswer::Ok;
}
