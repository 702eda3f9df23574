// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/ExeFile.h"

EFileError::EFileError(int code) : EFileError(code, FileErrorText(code)) {}

EFileError::EFileError(int code, const QString& message)
    : std::runtime_error(message.toStdString()), m_code(code)
{
}

void TFile::ReadExact(void* buffer, qint64 count)
{
    if (Read(buffer, count) != count) throw EFileError::ShortRead();
}
