// Bit strings and the exact conversions of the codes and the floating-point
// formats, on the library's exact whole-number and fraction conversions.
#include "bitstring.h"

#include "converter.h"
#include "fraction.h"
#include "systems.h"
#include "text.h"
#include "texts.h"

namespace {

// How many times 2 divides base.
int TwosIn(int base)
{
    int twos = 0;
    for (; base % 2 == 0; base /= 2)
        ++twos;
    return twos;
}

}  // namespace

std::string FractionDigits(const std::string& digits)
{
    const std::string trimmed = trimright(digits);  // keeps its first character, a "0" when all are
    return trimmed == "0" ? std::string() : trimmed;
}

std::string BinaryOfWhole(const std::string& digits, int base)
{
    return ConvertText(digits, base, 2);
}

std::string BinaryOfFraction(const std::string& digits, int base, int count)
{
    return ConvertFraction(digits, base, 2, count).substr(2);
}

// bits / 2^j with its last bit 1 is, in a base b = 2^a * m, a fraction of
// exactly ceil(j / a) digits when a > 0, and never ends when b is odd; the
// digits, whose last is not 0, must be those.
bool FractionEquals(const std::string& digits, int base, const std::string& bits)
{
    const std::string value = FractionDigits(digits);
    const std::string binary = FractionDigits(bits);
    if (binary.empty() || value.empty())
        return binary.empty() && value.empty();
    const int twos = TwosIn(base);
    if (twos == 0)
        return false;
    const size_t length = (binary.size() + static_cast<size_t>(twos) - 1) / static_cast<size_t>(twos);
    return value.size() == length
        && ConvertFraction(binary, 2, base, static_cast<int>(length)).compare(2, std::string::npos, value) == 0;
}

std::string DecimalOfBinary(const std::string& bits)
{
    return ConvertText(bits, 2, 10);
}

// A binary fraction of k bits has exactly k decimal digits, so converting k
// of them writes it in full.
std::string DecimalOfScaled(const std::string& bits, long long exponent)
{
    if (exponent >= 0)
        return DecimalOfBinary(bits + std::string(static_cast<size_t>(exponent), '0'));
    const size_t point = static_cast<size_t>(-exponent);
    std::string padded = bits;
    if (padded.size() < point + 1)
        padded.insert(0, point + 1 - padded.size(), '0');
    const std::string whole = DecimalOfBinary(padded.substr(0, padded.size() - point));
    const std::string fraction = FractionDigits(
        ConvertFraction(padded.substr(padded.size() - point), 2, 10, static_cast<int>(point)).substr(2));
    return fraction.empty() ? whole : whole + "." + fraction;
}

int BitsPerDigitAtLeast(int base)
{
    int bits = 0;
    for (; base > 1; base /= 2)
        ++bits;
    return bits;
}

std::string GroupedByFour(const std::string& bits)
{
    std::string grouped;
    grouped.reserve(bits.size() + bits.size() / 4);
    for (size_t k = 0; k < bits.size(); ++k) {
        if (k > 0 && (bits.size() - k) % 4 == 0)
            grouped += ' ';
        grouped += bits[k];
    }
    return grouped;
}

std::string HexOfBits(const std::string& bits)
{
    static const char HEX[] = "0123456789ABCDEF";
    const size_t digits = (bits.size() + 3) / 4;
    std::string hex(digits, '0');
    for (size_t k = 0; k < bits.size(); ++k)
        if (bits[bits.size() - 1 - k] == '1')
            hex[digits - 1 - k / 4] = static_cast<char>(hex[digits - 1 - k / 4] + (1 << (k % 4)));
    for (char& digit : hex)
        digit = HEX[digit - '0'];
    return hex;
}

std::string Inverted(std::string bits)
{
    for (char& bit : bits)
        bit = bit == '1' ? '0' : '1';
    return bits;
}

ColumnSum AddInColumn(const std::string& a, const std::string& b)
{
    ColumnSum column;
    column.sum.assign(a.size(), '0');
    column.carries.assign(a.size(), '0');
    int carry = 0;
    for (size_t k = a.size(); k-- > 0;) {
        column.carries[k] = static_cast<char>('0' + carry);
        const int total = (a[k] - '0') + (b[k] - '0') + carry;
        column.sum[k] = static_cast<char>('0' + total % 2);
        carry = total / 2;
    }
    column.carryOut = carry != 0;
    return column;
}

std::string BitsOf(uint64_t value, int width)
{
    std::string bits(static_cast<size_t>(width), '0');
    for (int k = 0; k < width && k < 64; ++k)
        if ((value >> k) & 1)
            bits[static_cast<size_t>(width - 1 - k)] = '1';
    return bits;
}

uint64_t ValueOfBits(const std::string& bits)
{
    uint64_t value = 0;
    for (char bit : bits)
        value = (value << 1) | (bit == '1' ? 1u : 0u);
    return value;
}

bool ReadPositional(const std::string& text, int system, ReadNumber& read, std::string& fault)
{
    if (!IsBase(system)) {
        fault.clear();
        return false;
    }
    return ReadNumberText(text, system, read, fault);
}

// A code has at least as many bits as significant digits, so one longer
// than the register is refused before it is converted.
bool ReadCodeText(const std::string& text, int system, int width, std::string& bits, std::string& fault)
{
    ReadNumber read;
    if (!ReadPositional(text, system, read, fault))
        return false;
    if (read.negative || read.hasSeparator) {
        fault = ERR_WRONGDATA + "\n\nКод записывается цифрами, без знака и без дробной части.";
        return false;
    }
    const std::string digits = trimleft(read.whole);
    std::string binary = digits.size() <= static_cast<size_t>(width) ? BinaryOfWhole(digits, system) : std::string();
    if (binary.empty() || binary.size() > static_cast<size_t>(width)) {
        fault = "Код не помещается в " + NumToStr(width) + "-разрядную сетку:\n\nв нём больше "
            + NumToStr(width) + " двоичных разрядов.";
        return false;
    }
    bits = std::string(static_cast<size_t>(width) - binary.size(), '0') + binary;
    return true;
}
