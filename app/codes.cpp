// The codes of signed whole numbers, built and read bit by bit as a textbook
// does: the sign bit, the magnitude, the inversion, the added 1.
#include "codes.h"

#include "bitstring.h"
#include "text.h"

namespace {

const char ERR_CODEWIDTH[] = "Неверно указана разрядность сетки:\n\nот 2 до 1024 разрядов.";
const char ERR_CODEFRACTION[] = "Операция невозможна:\n\nкод строится только для целого числа.";

// The range of the two's complement in width bits, in decimal while it is
// short, else in powers of two.
std::string RangeText(int width)
{
    const std::string top = NumToStr(width - 1);
    if (width > 64)
        return "от -2^" + top + " до 2^" + top + "-1";
    const std::string power = DecimalOfBinary("1" + std::string(static_cast<size_t>(width - 1), '0'));
    return "от -" + power + " до " + DecimalOfBinary(std::string(static_cast<size_t>(width - 1), '1'));
}

std::string OutOfRange(int width)
{
    return "Число не помещается в " + NumToStr(width) + "-разрядную сетку:\n\nв дополнительном коде "
        + NumToStr(width) + " разрядов записываются числа " + RangeText(width) + ".";
}

std::string Signed(bool negative, const std::string& value)
{
    return negative ? "-" + value : value;
}

}  // namespace

bool ReadCodeWidth(const std::string& text, int& width, std::string& fault)
{
    const int value = StrToNum(text);
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos
        || value < CODE_WIDTH_MIN || value > CODE_WIDTH_MAX) {
        fault = ERR_CODEWIDTH;
        return false;
    }
    width = value;
    return true;
}

bool EncodeInteger(const std::string& number, int system, int width, IntegerCodes& codes, std::string& fault)
{
    if (width < CODE_WIDTH_MIN || width > CODE_WIDTH_MAX) {
        fault = ERR_CODEWIDTH;
        return false;
    }
    ReadNumber read;
    if (!ReadPositional(number, system, read, fault))
        return false;
    if (!FractionDigits(read.fraction).empty()) {
        fault = ERR_CODEFRACTION;
        return false;
    }
    const size_t bits = static_cast<size_t>(width);
    // A number of k digits has at least k bits: one longer than the register
    // cannot fit it, whatever it is.
    const std::string digits = trimleft(read.whole);
    const std::string magnitude = digits.size() <= bits ? BinaryOfWhole(digits, system) : std::string(bits + 1, '1');
    const bool lowest = read.negative && magnitude.size() == bits && magnitude.find('1', 1) == std::string::npos;
    if (magnitude.size() > bits - 1 && !lowest) {
        fault = OutOfRange(width);
        return false;
    }
    codes = IntegerCodes();
    codes.width = width;
    codes.system = system;
    codes.digits = digits.empty() ? "0" : digits;
    codes.negative = read.negative;
    codes.magnitude = magnitude;
    codes.decimal = Signed(read.negative, DecimalOfBinary(magnitude));
    codes.hasDirect = !lowest;
    if (lowest) {
        codes.twosComplement = magnitude;
    } else {
        const std::string body = std::string(bits - 1 - magnitude.size(), '0') + magnitude;
        const std::string positive = "0" + body;
        codes.signMagnitude = read.negative ? "1" + body : positive;
        codes.onesComplement = read.negative ? Inverted(positive) : positive;
        codes.twosComplement = read.negative
            ? AddInColumn(codes.onesComplement, BitsOf(1, width)).sum : positive;
    }
    codes.hex = HexOfBits(codes.twosComplement);
    return true;
}

CodeReading ReadingOf(const std::string& bits)
{
    CodeReading reading;
    reading.width = static_cast<int>(bits.size());
    reading.code = bits;
    reading.unsignedValue = DecimalOfBinary(bits);
    const bool negative = bits[0] == '1';
    const std::string rest = bits.substr(1);
    if (!negative) {
        const std::string value = DecimalOfBinary(rest);
        reading.signMagnitude = reading.onesComplement = reading.twosComplement = value;
        return reading;
    }
    reading.signMagnitude = Signed(true, DecimalOfBinary(rest));
    reading.onesComplement = Signed(true, DecimalOfBinary(Inverted(rest)));
    const ColumnSum magnitude = AddInColumn(Inverted(bits), BitsOf(1, reading.width));
    reading.twosComplement = Signed(true, DecimalOfBinary(magnitude.sum));
    return reading;
}

bool DecodeInteger(const std::string& code, int system, int width, CodeReading& reading, std::string& fault)
{
    if (width < CODE_WIDTH_MIN || width > CODE_WIDTH_MAX) {
        fault = ERR_CODEWIDTH;
        return false;
    }
    std::string bits;
    if (!ReadCodeText(code, system, width, bits, fault))
        return false;
    reading = ReadingOf(bits);
    return true;
}
