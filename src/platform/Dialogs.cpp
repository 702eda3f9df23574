// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/Dialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>

namespace {
QtDialogs g_qtDialogs;
Dialogs* g_service = nullptr;
} // namespace

Dialogs& GetDialogs()
{
    return g_service ? *g_service : g_qtDialogs;
}

void SetDialogs(Dialogs* service)
{
    g_service = service;
}

QString QtDialogs::ChooseFolder(QWidget* parent, const QString& title, const QString& start)
{
    const QString from = QDir(start).exists() ? start : QString();
    const QString chosen =
        QFileDialog::getExistingDirectory(parent, title, from, QFileDialog::ShowDirsOnly);
    return chosen.isEmpty() ? QString() : QDir::toNativeSeparators(chosen);
}

std::optional<QRgb> QtDialogs::ChooseColor(QWidget* parent, QRgb start)
{
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(start), parent);
    if (!chosen.isValid()) return std::nullopt;
    return chosen.rgb() & 0xFFFFFF;
}

QString QtDialogs::ChooseSaveFile(QWidget* parent, const QString& filter)
{
    const QString chosen = QFileDialog::getSaveFileName(parent, QString(), QString(), filter);
    return chosen.isEmpty() ? QString() : QDir::toNativeSeparators(chosen);
}
