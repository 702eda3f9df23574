// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// The message boxes through which every failure of file and stream work
// is shown. Each has only an OK button.

// Caption "Error", error icon.
void ShowErrorBox(const QString& text);
// "<system text> (<errno>-<code>)." for the current errno.
void ReportStreamError(int code);
// The file name in double quotes, ", ", then the text of ReportStreamError.
void ReportFileError(int code, const QString& fileName);
// "Invalid data, maybe software version problem." (caption "Data Error").
void ShowDataError();
// Directory "<folder>" not found
void ShowFolderNotFound(const QString& folder);

// The general report of a failure that no command caught, with the
// failure's own text: caption the application title, error icon. The
// command ends; the program goes on.
void ShowFailure(const QString& text);

// The text ReportStreamError shows for an error number and a code.
QString StreamErrorText(int osError, int code);
// The system's message for an error number without trailing blanks, line
// breaks and full stops.
QString OsErrorText(int osError);

// Inside a catch block: sets errno from the failure being handled (a
// StreamError's own number, ENOMEM for an allocation failure) and reports
// it with ReportStreamError(code).
void ReportCaughtFailure(int code);

// Runs body, which returns true on success. A failure raised inside it is
// reported once with the code and gives false; nothing escapes.
template <class Body>
bool RunReported(int code, Body&& body)
{
    try {
        return body();
    } catch (...) {
        ReportCaughtFailure(code);
        return false;
    }
}
