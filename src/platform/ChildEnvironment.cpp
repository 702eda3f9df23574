// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/ChildEnvironment.h"

#include <QRegularExpression>

namespace {
const QString kNames = QStringLiteral("VELOMNI_RUNTIME_VARIABLES");
const QString kSavedPrefix = QStringLiteral("VELOMNI_SAVED_");
} // namespace

QProcessEnvironment EnvironmentForOtherPrograms(const QProcessEnvironment& own)
{
    if (!own.contains(kNames)) return own;
    QProcessEnvironment environment = own;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString& name : own.value(kNames).split(blanks, Qt::SkipEmptyParts)) {
        const QString saved = kSavedPrefix + name;
        if (own.contains(saved))
            environment.insert(name, own.value(saved));
        else
            environment.remove(name);
        environment.remove(saved);
    }
    environment.remove(kNames);
    return environment;
}
