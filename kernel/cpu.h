// The loops that long products spend their time in (the schoolbook product's
// columns, the transforms' butterflies) come in two copies: plain, and
// compiled for AVX2, whose 256-bit registers hold four 32-by-32-bit products
// at a time. The copy is chosen once per process, by the processor. A build
// without the AVX2 copies (the Windows program, or one configured with
// -DKALVORIX_AVX2=OFF such as the 32-bit test build) runs the plain ones, and
// so does any build run with KALVORIX_PLAIN_LOOPS=1 in the environment, which
// lets a 64-bit test run check the loops that the Windows program ships.
#ifndef KALVORIX_KERNEL_CPU_H
#define KALVORIX_KERNEL_CPU_H

// A loop body written once and inlined into both copies.
#if defined(__GNUC__)
#define KALVORIX_INLINE inline __attribute__((always_inline))
#else
#define KALVORIX_INLINE inline
#endif

// KALVORIX_CPU_COPIES(Name, Body, (parameters), (arguments)) defines the void
// function Name: Body compiled plainly and, where the AVX2 copies are built,
// compiled for AVX2, the copy to run chosen on the first call.
#ifdef KALVORIX_AVX2
#define KALVORIX_CPU_COPIES(Name, Body, Parameters, Arguments)                                      \
    static void Name##Plain Parameters { Body Arguments; }                                          \
    __attribute__((target("avx2"))) static void Name##Avx2 Parameters { Body Arguments; }           \
    void Name Parameters                                                                            \
    {                                                                                               \
        static void (*const copy) Parameters = cpu::UseAvx2() ? Name##Avx2 : Name##Plain;           \
        copy Arguments;                                                                             \
    }
#else
#define KALVORIX_CPU_COPIES(Name, Body, Parameters, Arguments) \
    void Name Parameters { Body Arguments; }
#endif

namespace cpu {

// Whether a process whose environment holds `plainLoops` as
// KALVORIX_PLAIN_LOOPS (null when unset) wants the AVX2 copies: unless it
// is set to anything but "" or "0".
bool Avx2Wanted(const char* plainLoops);

// True when the AVX2 copies run: built with them, wanted (Avx2Wanted), and
// the processor (and the system, which must save their registers) supports
// AVX2. Decided on the first call.
bool UseAvx2();

}  // namespace cpu

#endif
