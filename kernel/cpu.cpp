#include "cpu.h"

#include <cstdlib>
#include <cstring>

namespace cpu {

bool Avx2Wanted(const char* plainLoops)
{
    return plainLoops == nullptr || plainLoops[0] == '\0' || std::strcmp(plainLoops, "0") == 0;
}

bool UseAvx2()
{
#ifdef KALVORIX_AVX2
    static const bool use = Avx2Wanted(std::getenv("KALVORIX_PLAIN_LOOPS")) && __builtin_cpu_supports("avx2");
    return use;
#else
    return false;
#endif
}

}  // namespace cpu
