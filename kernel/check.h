// The kernel's preconditions (no overlap, lengths within bounds, a non-zero
// divisor), asserted in builds configured with checks (Debug, and the
// sanitizer and fuzz builds); in the others they cost nothing.
#ifndef KALVORIX_KERNEL_CHECK_H
#define KALVORIX_KERNEL_CHECK_H

#include <cstddef>
#include <cstdint>

#ifdef KALVORIX_CHECKS
#define KERNEL_ASSERT(condition) ((condition) ? (void)0 : check::Fail(#condition, __FILE__, __LINE__))
#else
#define KERNEL_ASSERT(condition) ((void)0)
#endif

namespace check {

// Names the broken precondition on standard error and aborts: a caller's
// fault, which no input of the user can cause.
[[noreturn]] void Fail(const char* condition, const char* file, int line);

// Whether the words a[0, na) and b[0, nb) share no memory.
inline bool Apart(const uint32_t* a, size_t na, const uint32_t* b, size_t nb)
{
    const uintptr_t x = reinterpret_cast<uintptr_t>(a), y = reinterpret_cast<uintptr_t>(b);
    return x + na * sizeof(uint32_t) <= y || y + nb * sizeof(uint32_t) <= x;
}

// Whether r[0, n) may receive a result computed from x[0, n): the same
// words, or none of them.
inline bool SameOrApart(const uint32_t* r, const uint32_t* x, size_t n)
{
    return r == x || Apart(r, n, x, n);
}

}  // namespace check

#endif
