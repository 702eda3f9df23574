// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/ErrorReports.h"

#include "model/StreamError.h"
#include "platform/MessageBoxes.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <new>

void ShowErrorBox(const QString& text)
{
    GetMessageBoxes().Show(QStringLiteral("Error"), text, MsgIcon::Error, MsgButtons::Ok);
}

QString OsErrorText(int osError)
{
    QString text = QString::fromLocal8Bit(std::strerror(osError));
    while (!text.isEmpty()) {
        const QChar last = text.back();
        if (last != QLatin1Char('.') && last != QLatin1Char('\r') && last != QLatin1Char('\n') &&
            !last.isSpace())
            break;
        text.chop(1);
    }
    return text;
}

QString StreamErrorText(int osError, int code)
{
    return QStringLiteral("%1 (%2-%3).").arg(OsErrorText(osError)).arg(osError).arg(code);
}

void ReportStreamError(int code)
{
    ShowErrorBox(StreamErrorText(errno, code));
}

void ReportFileError(int code, const QString& fileName)
{
    const int osError = errno;
    ShowErrorBox(QLatin1Char('"') + fileName + QStringLiteral("\", ") +
                 StreamErrorText(osError, code));
}

void ShowDataError()
{
    GetMessageBoxes().Show(QStringLiteral("Data Error"),
                           QStringLiteral("Invalid data, maybe software version problem."),
                           MsgIcon::Information, MsgButtons::Ok);
}

void ShowFolderNotFound(const QString& folder)
{
    ShowErrorBox(QStringLiteral("Directory \"") + folder + QStringLiteral("\" not found"));
}

void ReportCaughtFailure(int code)
{
    try {
        throw;
    } catch (const StreamError& e) {
        errno = e.OsError();
    } catch (const std::bad_alloc&) {
        errno = ENOMEM;
    } catch (...) {
        if (errno == 0) errno = EIO;
    }
    ReportStreamError(code);
}

void ShowFailure(const QString& text)
{
    GetMessageBoxes().Show(QCoreApplication::applicationName(), text, MsgIcon::Error, MsgButtons::Ok);
}
