// The fields of numbers in memory.
#include "bitfields.h"

#include "bitnames.h"
#include "bitstring.h"
#include "notation.h"

namespace {

// The first letter a capital (Windows-1251: а-я are 0xE0 to 0xFF).
std::string Capitalised(std::string name)
{
    unsigned char& first = reinterpret_cast<unsigned char&>(name[0]);
    if (first >= 0xE0)
        first = static_cast<unsigned char>(first - 0x20);
    return name;
}

const char HEX_LABEL[] = "Шестнадцатеричная запись";

}  // namespace

BitFields CodeFields(const IntegerCodes& c)
{
    const std::string none = "нет: модуль не помещается в " + CountOf(static_cast<uint64_t>(c.width - 1), "разряд", "разряда", "разрядов");
    auto code = [&none](const std::string& bits) { return bits.empty() ? none : GroupedByFour(bits); };
    return {{"Число", c.decimal},
            {"Разрядная сетка", BitCount(c.width)},
            {Capitalised(CodeName(CodeKind::DIRECT)), code(c.signMagnitude)},
            {Capitalised(CodeName(CodeKind::ONES)), code(c.onesComplement)},
            {Capitalised(CodeName(CodeKind::TWOS)), code(c.twosComplement)},
            {HEX_LABEL, c.hex}};
}

BitFields CodeReadingFields(const CodeReading& r)
{
    return {{"Код", GroupedByFour(r.code) + " (" + BitCount(r.width) + ")"},
            {"Без знака", r.unsignedValue},
            {Capitalised(CodeName(CodeKind::DIRECT)), r.signMagnitude},
            {Capitalised(CodeName(CodeKind::ONES)), r.onesComplement},
            {Capitalised(CodeName(CodeKind::TWOS)), r.twosComplement}};
}

BitFields FloatFields(const FloatValue& v)
{
    const FloatFormat& f = v.format;
    return {{"Формат", FormatName(f)},
            {Capitalised(SignFieldName()), v.signField},
            {Capitalised(ExponentFieldName(f)), GroupedByFour(v.exponentField)},
            {Capitalised(MantissaFieldName(f)), GroupedByFour(v.mantissaField)},
            {HEX_LABEL, v.hex},
            {"Класс", ClassName(v.kind, v.negative)},
            {"Хранимое значение", v.stored.empty() ? "нет" : v.stored}};
}

BitFields FloatEncodingFields(const FloatEncoding& e)
{
    BitFields fields = FloatFields(e.value);
    if (e.value.kind != FloatClass::INFINITE_VALUE)
        fields.back().second += e.rounding.exact ? " (точно)" : " (с округлением)";
    return fields;
}
