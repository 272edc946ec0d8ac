#pragma once
// Runs a test on each instruction set the engine is built for and this processor runs, as the
// program would pick it on an older processor.

#include <hwy/targets.h>

#include <cstdint>

namespace abat::prueba {

template <typename Prueba>
void en_cada_conjunto(Prueba prueba) {
    for (const int64_t conjunto : hwy::SupportedAndGeneratedTargets()) {
        hwy::SetSupportedTargetsForTest(conjunto);
        prueba(hwy::TargetName(conjunto));
    }
    hwy::SetSupportedTargetsForTest(0);
}

}  // namespace abat::prueba
