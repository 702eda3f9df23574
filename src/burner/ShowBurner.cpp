// SPDX-License-Identifier: GPL-2.0-or-later
#include "burner/ShowBurner.h"

#include "burner/CDBurnerForm.h"
#include "burner/LibburnEngine.h"
#include "platform/MessageBoxes.h"

QStringList ExtraDrivesFromEnvironment()
{
    return qEnvironmentVariable("VELOMNI_EXTRA_DRIVES").split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

bool ShowBurner(const QString& folder, const QString& volumeLabel, QWidget* parent)
{
    const std::unique_ptr<LibburnEngine> engine = NewLibburnEngine(ExtraDrivesFromEnvironment());
    if (!engine || !engine->IsUsable()) {
        GetMessageBoxes().Show(QStringLiteral("Error"), QStringLiteral("Create DVDEngine failed."), MsgIcon::Error,
                               MsgButtons::Ok);
        return false;
    }
    return ShowBurnerWith(*engine, folder, volumeLabel, parent);
}
