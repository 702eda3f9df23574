// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/LoaderView.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace {

// The program interpreter of this machine's programs.
QString Loader()
{
    for (const char* candidate : {"/lib64/ld-linux-x86-64.so.2", "/lib/ld-linux-aarch64.so.1", "/lib/ld-linux.so.2"})
        if (QFileInfo(QString::fromLatin1(candidate)).isExecutable()) return QString::fromLatin1(candidate);
    return {};
}

constexpr int kListingTimeoutMs = 30000;

} // namespace

bool ResolveWithLoader(const QString& file, QMap<QByteArray, QString>& resolved, QString* error)
{
    const QString loader = Loader();
    if (loader.isEmpty()) {
        *error = QStringLiteral("this system's dynamic loader was not found");
        return false;
    }
    QProcess listing;
    listing.setProgram(loader);
    listing.setArguments({QStringLiteral("--list"), file});
    // The listing must follow the system's rules, not the caller's.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LD_LIBRARY_PATH", "LD_PRELOAD", "LD_AUDIT"}) environment.remove(QString::fromLatin1(name));
    listing.setProcessEnvironment(environment);
    listing.start();
    if (!listing.waitForFinished(kListingTimeoutMs) || listing.exitStatus() != QProcess::NormalExit
        || listing.exitCode() != 0) {
        listing.kill();
        *error = QStringLiteral("the dynamic loader could not list the libraries of \"%1\"").arg(file);
        return false;
    }
    // "\tlibQt6Core.so.6 => /usr/lib/x86_64-linux-gnu/libQt6Core.so.6 (0x...)"
    static const QRegularExpression line(QStringLiteral("^\\s*(\\S+)\\s+=>\\s+(/\\S+)\\s+\\(0x[0-9a-f]+\\)\\s*$"));
    for (const QByteArray& text : listing.readAllStandardOutput().split('\n')) {
        const QRegularExpressionMatch match = line.match(QString::fromLocal8Bit(text));
        if (match.hasMatch()) resolved.insert(match.captured(1).toLocal8Bit(), match.captured(2));
    }
    return true;
}
