// SPDX-License-Identifier: GPL-2.0-or-later
#include "BurnerTesting.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

int WaitForWriteEnd(DiscEngine& engine, RecordingEvents& events, int seconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!events.Ended() && timer.elapsed() < seconds * 1000) {
        QThread::msleep(20);
        engine.DeliverEvents();
    }
    return events.lastStatus;
}

QByteArray RunTool(const QString& program, const QStringList& arguments, int* exitCode)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000)) return {};
    if (exitCode) *exitCode = process.exitCode();
    return process.readAllStandardOutput();
}

QStringList MakeAwkwardFolder(const QString& root)
{
    QDir dir(root);
    const QString accents = QString::fromUtf8("Démo àccents");
    const QString longName = QString::fromUtf8("Présentation ") + QString(63, QLatin1Char('x')) + ".txt";
    QString deep = "d1";
    for (int level = 2; level <= 10; ++level) deep += QStringLiteral("/d%1").arg(level);
    dir.mkpath(accents);
    dir.mkpath("empty");
    dir.mkpath(deep);
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    };
    QByteArray binary(300000, '\0');
    for (int i = 0; i < binary.size(); ++i) binary[i] = char((i * 7919) >> 3);
    write(accents + QString::fromUtf8("/Résumé ünïcode.txt"), "accents\n");
    write(longName, "eighty characters\n");
    write(deep + "/deep.txt", "ten folders down\n");
    write("velomni.vpj", binary);
    write("autorun.inf", "[autorun]\r\nopen=velomni.exe\r\n");
    return {accents, accents + QString::fromUtf8("/Résumé ünïcode.txt"), longName, "empty", deep + "/deep.txt",
            "velomni.vpj", "autorun.inf"};
}

QStringList TreeDescription(const QString& root)
{
    QStringList lines;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(root).relativeFilePath(path);
        if (it.fileInfo().isDir()) {
            lines << relative;
            continue;
        }
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QCryptographicHash hash(QCryptographicHash::Md5);
        hash.addData(&file);
        lines << relative + " " + hash.result().toHex();
    }
    lines.sort();
    return lines;
}

bool ExtractImage(const QString& image, const QString& into)
{
    int exitCode = -1;
    RunTool("xorriso", {"-osirrox", "on", "-indev", image, "-extract", "/", into}, &exitCode);
    return exitCode == 0;
}

QString DescriptorVolumeId(const QString& image, int type)
{
    QFile file(image);
    if (!file.open(QIODevice::ReadOnly)) return {};
    for (int block = 16; block < 32; ++block) {
        file.seek(qint64(block) * 2048);
        const QByteArray descriptor = file.read(2048);
        if (descriptor.size() < 2048 || descriptor.mid(1, 5) != "CD001") return {};
        if (quint8(descriptor[0]) == 255) return {};
        if (quint8(descriptor[0]) != type) continue;
        const QByteArray id = descriptor.mid(40, 32);
        if (type == 1) return QString::fromLatin1(id).trimmed();
        QString text;
        for (int i = 0; i + 1 < id.size(); i += 2) text += QChar((quint8(id[i]) << 8) | quint8(id[i + 1]));
        return text.trimmed();
    }
    return {};
}
