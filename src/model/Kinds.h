// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// Object kind codes.
enum ObjectKind : quint8 {
    okButton = 0,
    okImage = 1,
    okText = 2,
    okTextBox = 3,
    okRichText = 4,
    okExplorer = 5,
};
constexpr int kObjectKindCount = 6;

// Action kind codes.
enum ActionKind : quint8 {
    akOpenRunFile = 0,
    akVisitWebsite = 1,
    akSendEmail = 2,
    akPrintDocument = 3,
    akPlaySound = 4,
    akPlayBackSound = 5,
    akStopSound = 6,
    akStopBackSound = 7,
    akBrowseCD = 8,
    akExit = 9,
};
constexpr int kActionKindCount = 10;

// The text of a kind code; empty for a code outside the table.
QString ObjectKindText(int code);
QString ActionKindText(int code);
// The action code whose text equals the text exactly; 0 when none does.
int ActionKindFromText(const QString& text);
// Kinds 0 to 2 are painted on their parent's surface; 3 to 5 are windows
// of their own and always lie above them.
constexpr bool IsWindowedKind(int code) { return code >= okTextBox; }
