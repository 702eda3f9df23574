// SPDX-License-Identifier: GPL-2.0-or-later
#include "burner/LibburnEngine.h"

#include "platform/EmbeddedModule.h"

// Made by the build from the module's file.
QByteArrayView DiscModuleImage();

std::unique_ptr<LibburnEngine> NewLibburnEngine(const QStringList& extraDrives)
{
    static const auto create = [] {
        void* handle = LoadEmbeddedModule("velomni-disc", DiscModuleImage());
        return reinterpret_cast<NewLibburnEngineFunction>(ModuleFunction(handle, kNewLibburnEngineName));
    }();
    if (!create) return nullptr;
    return std::unique_ptr<LibburnEngine>(create(&extraDrives));
}
