// The loops that long products spend their time in (the schoolbook product's
// columns, the transforms' butterflies) come in two copies: plain, and
// compiled for AVX2, whose 256-bit registers hold four 32-by-32-bit products
// at a time. The copy is chosen at run time by the processor. A build
// without the AVX2 copies (the Windows program, or one configured with
// -DKALVORIX_AVX2=OFF such as the 32-bit test build) runs the plain ones.
#ifndef KALVORIX_KERNEL_CPU_H
#define KALVORIX_KERNEL_CPU_H

// A loop body written once and inlined into both copies.
#if defined(__GNUC__)
#define KALVORIX_INLINE inline __attribute__((always_inline))
#else
#define KALVORIX_INLINE inline
#endif

#ifdef KALVORIX_AVX2
#define KALVORIX_TARGET_AVX2 __attribute__((target("avx2")))
#endif

namespace cpu {

// True when the AVX2 copies may run: built with them, and the processor
// (and the system, which must save their registers) supports AVX2.
bool UseAvx2();

}  // namespace cpu

#endif
