// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Color.h"
#include "model/VoAction.h"

#include <QString>

// What "Select..." of the action editor opens for a kind.
enum class ParameterChooser { None, ProjectFile, ProjectFolder };

// How the action editor shows the parameter of a kind: the label's text,
// whether the label and the box take input, and the chooser behind
// "Select..." (disabled for None).
struct ParameterLook {
    QString label;
    bool enabled = false;
    ParameterChooser chooser = ParameterChooser::None;
};

// The look of a kind code; a code outside 0..9 looks like a kind without
// a parameter, so an unknown stored action cannot be given one by accident.
ParameterLook ParameterLookOf(int kind);

// The parameter box of a kind without a parameter is grey; one with a
// parameter keeps the system's window colour (system colour 5).
constexpr TColor kEnabledParameterColor = clSystemColor + 5;
constexpr TColor kDisabledParameterColor = RgbColor(192, 192, 192);

// The filter "Select..." offers the project file chooser.
inline const QString kActionFileFilter = QStringLiteral("All (*.*)|*.*");

// Stores an edited kind and parameter in the action. True when either
// differs from what it held (the text compared exactly); otherwise the
// action is left untouched and the edit counts as none.
bool StoreEditedAction(TVoAction& action, int kind, const QString& parameter);

// Where the folder chooser of BrowseCD starts: the project folder joined
// with the trimmed parameter when that folder exists, else the project
// folder itself.
QString ActionFolderStart(const QString& projectFolder, const QString& parameter);
