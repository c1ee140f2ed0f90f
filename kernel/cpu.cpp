#include "cpu.h"

namespace cpu {

bool UseAvx2()
{
#ifdef KALVORIX_AVX2
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

}  // namespace cpu
