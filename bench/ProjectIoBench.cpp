// SPDX-License-Identifier: GPL-2.0-or-later
// Load and save of a large project in the same run as their baselines:
// 1,000 objects of every kind and about 20 MB of pictures. Saving is set
// against writing the same bytes; loading against reading them and
// creating as many plain widgets as there are objects, which is the least
// any load that puts each object on a widget has to do. Prints each time
// and its ratio to the baseline.
#include "controls/WindowlessProject.h"
#include "controls/VoImage.h"
#include "model/GraphicClasses.h"
#include "model/ProcessState.h"
#include "model/ProjectFile.h"
#include "platform/MessageBoxes.h"
#include "BenchTiming.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// A noisy PNG that does not compress: about 4 bytes a pixel.
QByteArray NoisePng(int side, quint32 seed)
{
    QImage image(side, side, QImage::Format_ARGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < side; ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < side; ++x) line[x] = random.generate();
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

TPicture PngPicture(const QByteArray& bytes)
{
    auto png = NewGraphic(GraphicKind::Png);
    png->LoadFromBytes(bytes);
    TPicture picture;
    picture.SetGraphic(std::move(png));
    return picture;
}

constexpr int kObjects = 1000;

// Where BuildProject places object i.
QPoint ObjectPlace(int i)
{
    return {(i % 20) * 30, (i / 20) * 8};
}

void BuildProject(TWindowlessProject& document)
{
    // 167 distinct pictures of ~120 KB, one on each image object: ~20 MB.
    std::vector<QByteArray> pictures;
    for (int i = 0; i < 167; ++i) pictures.push_back(NoisePng(172, quint32(i + 1)));
    for (int i = 0; i < kObjects; ++i) {
        TVoObject* entry = NewObjectEntry();
        entry->ObjectType = quint8(i % 6);
        entry->Name = QStringLiteral("Object%1").arg(i + 1);
        entry->ClickSound = QStringLiteral("\\sounds\\click.wav");
        entry->Actions.push_back(std::make_unique<TVoAction>(TVoAction{0, "\\docs\\guide.txt"}));
        document.ObjectList().push_back(entry);
        CreateObjectControl(entry, &document, nullptr, ObjectPlace(i).y(), ObjectPlace(i).x());
        if (entry->ObjectType == 1)
            static_cast<TVoImage*>(entry->Control.get())->SetPicture(PngPicture(pictures[size_t(i / 6)]));
    }
}

QByteArray ReadAll(const QString& path)
{
    std::FILE* f = std::fopen(QFile::encodeName(path).constData(), "rb");
    std::fseek(f, 0, SEEK_END);
    const long size = std::ftell(f);
    std::fseek(f, 0, SEEK_SET);
    QByteArray bytes(size, Qt::Uninitialized);
    const size_t got = std::fread(bytes.data(), 1, size_t(size), f);
    std::fclose(f);
    bytes.truncate(qsizetype(got));
    return bytes;
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    std::FILE* f = std::fopen(QFile::encodeName(path).constData(), "wb");
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f);
    std::fflush(f);
#ifndef _WIN32
    fsync(fileno(f));
#endif
    std::fclose(f);
}

// The least a load does besides reading: a parent with one plain widget
// for each object, placed and sized like the controls.
std::unique_ptr<QWidget> PlainWidgets()
{
    auto parent = std::make_unique<QWidget>();
    for (int i = 0; i < kObjects; ++i) {
        auto* widget = new QWidget(parent.get());
        widget->setMinimumSize(1, 1);
        widget->setGeometry(QRect(ObjectPlace(i), QSize(177, 177)));
    }
    return parent;
}

} // namespace

int main(int argc, char** argv)
{
#ifdef __GLIBC__
    // Both sides reuse the heap memory their last run freed. Left to
    // itself the allocator hands a freed 20 MB block back to the system
    // when it was made of many pictures but keeps it when it was one
    // buffer, so only the load would fault in fresh pages every run.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
#endif
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    StderrMessageBoxes boxes;
    SetMessageBoxes(&boxes);
    IsStudio = true;
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    QTemporaryDir dir;
    const QString path = dir.filePath("velomni.vpj");
    const QString raw = dir.filePath("raw.bin");
    TWindowlessProject document;
    BuildProject(document);
    if (!SaveProject(document, path)) return 1;
    const QByteArray bytes = ReadAll(path);

    const double save = MedianMs(runs, [&] { SaveProject(document, path); });
    const double write = MedianMs(runs, [&] { WriteAll(raw, bytes); });
    // Freeing what the last run made is no part of either side: it happens
    // before the next run, untimed, so both sides reuse the memory it held.
    // The events a run posts are handled by the event loop afterwards; left
    // queued they would slow the next run.
    std::unique_ptr<TWindowlessProject> loaded;
    const double load = MedianMs(
        runs,
        [&] {
            loaded = std::make_unique<TWindowlessProject>();
            LoadProject(*loaded, path);
        },
        [&] {
            loaded.reset();
            QCoreApplication::processEvents();
        });
    loaded.reset();
    QByteArray readBytes;
    std::unique_ptr<QWidget> widgets;
    const double baseline = MedianMs(
        runs,
        [&] {
            // The project file itself: how the system cached a file depends
            // on how it was written, so a copy written at once reads faster.
            readBytes = ReadAll(path);
            widgets = PlainWidgets();
        },
        [&] {
            readBytes = QByteArray();
            widgets.reset();
            QCoreApplication::processEvents();
        });

    std::printf("project: %zu objects, %.1f MB\n", document.ObjectList().size(), bytes.size() / 1e6);
    std::printf("save  %8.2f ms   write bytes %8.2f ms   ratio %.2f (target 2.0)\n", save, write,
                save / write);
    std::printf("load  %8.2f ms   baseline (read bytes + %d QWidgets) %8.2f ms   ratio %.2f (target 1.5)\n", load,
                kObjects, baseline, load / baseline);
    return 0;
}
