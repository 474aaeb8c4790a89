// SPDX-License-Identifier: MIT
#include "vectorstate.h"

namespace velmora {

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))

namespace {

__attribute__((target("avx"))) void zeroUpper()
{
    __builtin_ia32_vzeroupper();
}

} // namespace

void clearVectorUpperState()
{
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        zeroUpper();
}

#else

void clearVectorUpperState()
{
}

#endif

} // namespace velmora
