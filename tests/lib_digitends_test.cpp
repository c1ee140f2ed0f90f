// The ends of long numbers' digits against the whole numbers written out by
// the converter: every base, lengths around where the ends meet and far
// beyond, and the digits a column needs near either end.
#include "digitends.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "converter.h"
#include "systems.h"
#include "test_digits.h"

namespace {

TEST(DigitEnds, AgainstTheWholeNumber)
{
    std::mt19937_64 rng(51);
    for (int base = NSmin; base <= NSmax; ++base) {
        EndsReader reader(base);
        for (size_t length : {1u, 2u, 39u, 40u, 41u, 79u, 80u, 81u, 82u, 83u, 84u, 90u, 100u, 1000u, 9000u}) {
            const std::string text = length == 1 ? std::string("0") : testdigits::RandomDigits(rng, length, base);
            SCOPED_TRACE(std::to_string(base) + ": " + text.substr(0, 30));
            const DigitEnds ends = reader.Read(DigitsToBinary(text, base));
            const std::string digits = text.substr(text.find_first_not_of('0') == std::string::npos
                                                       ? text.size() - 1 : text.find_first_not_of('0'));
            ASSERT_EQ(ends.count, digits.size());
            EXPECT_EQ(ends.head, digits.substr(0, ENDS_KEPT));
            EXPECT_EQ(ends.tail, digits.substr(digits.size() - std::min(digits.size(), ENDS_KEPT)));
            EXPECT_EQ(ends.all, digits.size() <= 2 * ENDS_KEPT ? digits : std::string());
            for (uint64_t k = 0; k < std::min<uint64_t>(ENDS_KEPT, digits.size()); ++k) {
                EXPECT_EQ(ends.At(k), digits[digits.size() - 1 - k]);
                EXPECT_EQ(ends.At(digits.size() - 1 - k), digits[k]);
            }
            EXPECT_EQ(ends.At(digits.size()), '0');
            const uint64_t top = digits.size() > 10 ? digits.size() - 10 : 0;
            EXPECT_EQ(ends.Above(top, base), std::stoull(digits.substr(0, digits.size() - top), nullptr, base));
            // Above a shorter number, as a column of a longer one asks it.
            EXPECT_EQ(ends.Above(digits.size(), base), 0u);
            EXPECT_EQ(ends.Above(digits.size() + 500, base), 0u);
        }
    }
}

}  // namespace
