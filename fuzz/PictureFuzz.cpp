// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzz target: any bytes as a stored picture of one graphic class (the
// build names it). A load must fail with a stream error or give a graphic
// whose pixels decode, or fail to, without a crash.
#include "FuzzSetup.h"

#include "model/Graphic.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SetUpFuzzing();
    std::unique_ptr<TGraphic> graphic = NewGraphic(GraphicKind::VELOMNI_FUZZ_GRAPHIC);
    try {
        graphic->LoadFromBytes(FuzzBytes(data, size));
    } catch (...) {
        return 0;
    }
    graphic->ToImage();
    return 0;
}
