// A base as a constant of the code that writes in it.
#ifndef KALVORIX_LIB_CONSTANTBASE_H
#define KALVORIX_LIB_CONSTANTBASE_H

#include <type_traits>

namespace radix {

// write(base) with the base as a constant of the call (an
// std::integral_constant), so that code made for it divides by a constant:
// for the bases 2 to 16, 16 for any other.
template <typename Write>
auto WithConstantBase(int base, Write&& write)
{
    switch (base) {
    case 2: return write(std::integral_constant<int, 2>());
    case 3: return write(std::integral_constant<int, 3>());
    case 4: return write(std::integral_constant<int, 4>());
    case 5: return write(std::integral_constant<int, 5>());
    case 6: return write(std::integral_constant<int, 6>());
    case 7: return write(std::integral_constant<int, 7>());
    case 8: return write(std::integral_constant<int, 8>());
    case 9: return write(std::integral_constant<int, 9>());
    case 10: return write(std::integral_constant<int, 10>());
    case 11: return write(std::integral_constant<int, 11>());
    case 12: return write(std::integral_constant<int, 12>());
    case 13: return write(std::integral_constant<int, 13>());
    case 14: return write(std::integral_constant<int, 14>());
    case 15: return write(std::integral_constant<int, 15>());
    default: return write(std::integral_constant<int, 16>());
    }
}

}  // namespace radix

#endif
