// SPDX-License-Identifier: GPL-2.0-or-later
// Undo and redo of a paste of 200 objects against the paste itself, and
// the memory that 1,000 undo steps of moves hold against a copy of the
// project, the most a step could hold.
#include "BenchCanvasHost.h"
#include "BenchTiming.h"

#include "document/DesignDocument.h"
#include "model/ProcessState.h"
#include "model/ProjectFile.h"
#include "model/VoStream.h"
#include "player/VelomniForm.h"
#include "studio/EditCommands.h"

#include <QApplication>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>

namespace {

size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 15;
    IsStudio = true;

    QWidget holder;
    auto* menu = new TVelomniForm(&holder);
    menu->SetWindowSize(1280, 800);
    TDesignDocument document(*menu);
    BenchCanvasHost host;
    for (int i = 0; i < 200; ++i) {
        TVoObject* entry = menu->AddObject(i % 5, 0, 0);
        entry->Control->SetBounds({12 + (i % 20) * 62, 12 + (i / 20) * 74, 56, 64});
    }
    menu->SortObjectList();
    document.SelectAll();
    document.SetCurrentEntry(1);
    if (!CopyObjects(document, host)) return 1;

    // Each run pastes, undoes and redoes; the redone paste is undone
    // outside the time so every run starts from the same 200 objects.
    std::vector<double> pastes, undos, redos;
    for (int run = 0; run < runs; ++run) {
        pastes.push_back(MedianMs(1, [&] { PasteObjects(document, host); }));
        undos.push_back(MedianMs(1, [&] { document.Undo(); }));
        redos.push_back(MedianMs(1, [&] { document.Redo(); }));
        document.Undo();
    }
    if (menu->ObjectList().size() != 200) return 1;
    const double paste = Median(pastes), undo = Median(undos), redo = Median(redos);

    // 1,000 moves of ten objects each, one step apiece.
    TMemoryStream project;
    if (!WriteProjectBody(*menu, project)) return 1;
    document.UndoStack().clear();
    std::vector<TVoObject*> moved(menu->ObjectList().begin(), menu->ObjectList().begin() + 10);
    const size_t heapBefore = HeapInUse();
    for (int step = 0; step < 1000; ++step) {
        std::vector<QRect> before, after;
        for (TVoObject* entry : moved) {
            before.push_back(entry->Control->Bounds());
            after.push_back(before.back().translated(step % 2 ? -3 : 3, 1));
        }
        document.SetBounds(QStringLiteral("Move"), moved, before, after);
    }
    const double held = double(HeapInUse() - heapBefore);
    const double copy = double(project.Size());

    std::printf("paste of 200 objects, %d runs, platform %s\n", runs, qPrintable(QGuiApplication::platformName()));
    std::printf("paste:                 %8.2f ms (baseline)\n", paste);
    std::printf("undo of the paste:     %8.2f ms  ratio %.3f (target <= 2)\n", undo, undo / paste);
    std::printf("redo of the paste:     %8.2f ms  ratio %.3f (target <= 2)\n", redo, redo / paste);
    std::printf("1,000 move steps hold: %8.1f KB  (target <= 1024 KB)\n", held / 1024.0);
    std::printf("  per step: %.0f bytes, against a project copy of %.0f bytes: ratio %.4f\n", held / 1000.0, copy,
                held / 1000.0 / copy);
    return 0;
}
