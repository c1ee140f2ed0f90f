// The readers of numbers in memory on any bytes: a number brought to the
// integer codes or a floating-point format, and bits read back as either.
// Whatever is accepted must read back to itself: every code of a number
// decodes to the number, and a float's stored value, brought to its format
// again, gives the same bits exactly.
#include <cstddef>
#include <cstdint>
#include <string>

#include "bitstring.h"
#include "codes.h"
#include "floats.h"
#include "input.h"

namespace {

void CheckIntegerCodes(const std::string& text, int system, int width)
{
    IntegerCodes codes;
    std::string fault;
    if (!EncodeInteger(text, system, width, codes, fault))
        return;
    const size_t bits = static_cast<size_t>(width);
    FUZZ_CHECK(codes.twosComplement.size() == bits && codes.hex.size() == (bits + 3) / 4);
    FUZZ_CHECK(ReadingOf(codes.twosComplement).twosComplement == (codes.decimal == "-0" ? "0" : codes.decimal));
    if (codes.hasDirect) {
        FUZZ_CHECK(ReadingOf(codes.signMagnitude).signMagnitude == codes.decimal);
        FUZZ_CHECK(ReadingOf(codes.onesComplement).onesComplement == codes.decimal);
    }
}

void CheckCodeReading(const std::string& text, int system, int width)
{
    CodeReading reading;
    std::string fault;
    if (!DecodeInteger(text, system, width, reading, fault))
        return;
    FUZZ_CHECK(reading.code.size() == static_cast<size_t>(width));
    IntegerCodes codes;
    FUZZ_CHECK(EncodeInteger(reading.twosComplement, 10, width, codes, fault));
    FUZZ_CHECK(codes.twosComplement == reading.code);
}

// A finite value, brought to its format again, is those bits exactly.
void CheckStored(const FloatValue& value)
{
    if (value.kind == FloatClass::INFINITE_VALUE || value.kind == FloatClass::NOT_A_NUMBER) {
        FUZZ_CHECK(value.stored.empty());
        return;
    }
    FloatEncoding again;
    std::string fault;
    FUZZ_CHECK(EncodeFloat(value.stored, 10, value.format, again, fault));
    FUZZ_CHECK(again.value.bits == value.bits && again.rounding.exact);
}

void CheckFloat(const std::string& text, int system, const FloatFormat& format)
{
    FloatEncoding encoding;
    std::string fault;
    if (EncodeFloat(text, system, format, encoding, fault)) {
        FUZZ_CHECK(encoding.value.Bits().size() == static_cast<size_t>(format.width));
        FloatValue back;
        FUZZ_CHECK(DecodeFloat(encoding.value.hex, 16, format, back, fault));
        FUZZ_CHECK(back.bits == encoding.value.bits && back.stored == encoding.value.stored);
        CheckStored(encoding.value);
    }
    FloatValue value;
    if (DecodeFloat(text, system, format, value, fault))
        CheckStored(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const uint8_t choice = input.Byte();
    const int system = SystemOfByte(input.Byte());
    const int width = static_cast<int>(input.Byte()) * 4 + (choice >> 2) % 4;  // 0 to 1023, beyond both ends
    const std::string text = input.Rest();
    if (choice % 2 == 0) {
        CheckIntegerCodes(text, system, width + 1);
        CheckCodeReading(text, system, width + 1);
    } else {
        FloatFormat format;
        FloatFormatOf(16 << ((choice >> 1) % 3), format);
        CheckFloat(text, system, format);
    }
    return 0;
}
