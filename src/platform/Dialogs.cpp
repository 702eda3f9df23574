// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/Dialogs.h"

#include "platform/FontStyleName.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>

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

QString QtFileFilter(const QString& storedFilter)
{
    const QStringList parts = storedFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i];
        const int open = name.indexOf(QLatin1Char('('));
        if (open >= 0) name = name.left(open);
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        filters << name.trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

bool IsInsideFolder(const QString& path, const QString& folder)
{
    const QString inner = QDir::cleanPath(QDir::fromNativeSeparators(path));
    const QString outer = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    if (outer.isEmpty()) return false;
    return inner == outer || inner.startsWith(outer.endsWith(QLatin1Char('/')) ? outer : outer + QLatin1Char('/'));
}

QString QtDialogs::ChooseFolderUnder(QWidget* parent, const QString& title, const QString& root,
                                     const QString& start)
{
    const bool startInside = !start.isEmpty() && QFileInfo(start).isDir() && IsInsideFolder(start, root);
    QFileDialog dialog(parent, title, startInside ? start : root);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    // The browser is held inside the root: leaving it brings it back.
    QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog, [&dialog, root](const QString& folder) {
        if (!IsInsideFolder(folder, root)) dialog.setDirectory(root);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    const QString chosen = dialog.selectedFiles().first();
    return IsInsideFolder(chosen, root) ? QDir::toNativeSeparators(chosen) : QString();
}

QString QtDialogs::OpenFile(QWidget* parent, const QString& filter, const QString& startFile,
                            const QString& startFolder, const QString& title)
{
    const QString start = startFile.isEmpty() ? startFolder : startFile;
    const QString chosen = QFileDialog::getOpenFileName(parent, title, start, QtFileFilter(filter));
    return chosen.isEmpty() ? QString() : QDir::toNativeSeparators(chosen);
}

QString QtDialogs::SaveFile(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                            const QString& startFolder)
{
    QFileDialog dialog(parent);
    if (!startFolder.isEmpty()) dialog.setDirectory(startFolder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QtFileFilter(filter));
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

std::optional<QFont> QtDialogs::ChooseFont(QWidget* parent, const QFont& start)
{
    bool ok = false;
    QFont shown = start;
    const QString style = MatchingStyleName(start);
    if (!style.isEmpty()) shown.setStyleName(style);
    const QFont chosen = QFontDialog::getFont(&ok, shown, parent);
    if (!ok) return std::nullopt;
    return chosen;
}
