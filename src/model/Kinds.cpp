// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/Kinds.h"

namespace {

const char* const kObjectKindTexts[kObjectKindCount] = {
    "Button", "Image", "Text", "TextBox", "RichText", "Explorer",
};

const char* const kActionKindTexts[kActionKindCount] = {
    "OpenRunFile", "VisitWebsite", "SendEmail",     "PrintDocument", "PlaySound",
    "PlayBackSound (Loop)", "StopSound", "StopBackSound", "BrowseCD", "Exit",
};

} // namespace

QString ObjectKindText(int code)
{
    if (code < 0 || code >= kObjectKindCount) return QString();
    return QString::fromLatin1(kObjectKindTexts[code]);
}

QString ActionKindText(int code)
{
    if (code < 0 || code >= kActionKindCount) return QString();
    return QString::fromLatin1(kActionKindTexts[code]);
}

int ActionKindFromText(const QString& text)
{
    for (int code = 0; code < kActionKindCount; ++code)
        if (text == QLatin1String(kActionKindTexts[code])) return code;
    return akOpenRunFile;
}
