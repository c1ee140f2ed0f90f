// The words of numbers in memory.
#include "bitnames.h"

#include "notation.h"
#include "text.h"

std::string CodeName(CodeKind kind)
{
    switch (kind) {
    case CodeKind::DIRECT: return "прямой код";
    case CodeKind::ONES: return "обратный код";
    default: return "дополнительный код";
    }
}

std::string BitCount(int count)
{
    return CountOf(static_cast<uint64_t>(count), "бит", "бита", "бит");
}

std::string GridIn(int width)
{
    return NumToStr(width) + "-разрядной сетке";
}

std::string FormatName(const FloatFormat& format)
{
    const char* precision = format.width == 16 ? "половинная" : format.width == 32 ? "одинарная" : "двойная";
    return std::string(format.name) + " (" + precision + " точность)";
}

std::string SignFieldName()
{
    return "знак (" + BitCount(1) + ")";
}

std::string ExponentFieldName(const FloatFormat& format)
{
    return "порядок (" + BitCount(format.exponentBits) + ")";
}

std::string MantissaFieldName(const FloatFormat& format)
{
    return "мантисса (" + BitCount(format.mantissaBits) + ")";
}

std::string ClassName(FloatClass kind, bool negative)
{
    switch (kind) {
    case FloatClass::ZERO: return "нуль";
    case FloatClass::SUBNORMAL: return "денормализованное (субнормальное) число";
    case FloatClass::NORMAL: return "нормализованное число";
    case FloatClass::INFINITE_VALUE: return negative ? "минус бесконечность" : "плюс бесконечность";
    default: return "не число (NaN)";
    }
}
