// Roman numerals taken apart and put together for the worked solution; the
// values and numerals themselves come from the library's reader and writer.
#include "romansteps.h"

#include "roman.h"
#include "text.h"

namespace {

// Whether text holds one of the six subtractive pairs at pos.
bool PairAt(const std::string& text, size_t pos)
{
    if (pos + 1 >= text.size())
        return false;
    for (int k = 1; k < 13; k += 2)
        if (text.compare(pos, 2, romanar[k]) == 0)
            return true;
    return false;
}

std::string JoinedBy(const std::vector<std::string>& items, const char* separator)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : separator) + item;
    return text;
}

}  // namespace

// A numeral that the greedy reading takes whole never passes over a pair: a
// pair's larger letter could not be read after its smaller one. So the parts
// are the pairs where they stand and single letters elsewhere.
std::vector<std::string> RomanParts(const std::string& numeral)
{
    std::vector<std::string> parts;
    for (size_t pos = 0; pos < numeral.size();) {
        const size_t length = PairAt(numeral, pos) ? 2 : 1;
        parts.push_back(numeral.substr(pos, length));
        pos += length;
    }
    return parts;
}

std::vector<std::string> RomanReading(const std::string& numeral)
{
    const std::vector<std::string> parts = RomanParts(numeral);
    std::vector<std::string> values;
    for (const std::string& part : parts)
        values.push_back(NumToStr(RomanToArab(part.c_str())));
    const int value = RomanToArab(numeral.c_str());
    std::vector<std::string> lines = {
        "Римские цифры читаются слева направо и складываются; меньшая цифра перед",
        "большей (IV, IX, XL, XC, CD, CM) вычитается из неё:",
        "  " + numeral + " = " + JoinedBy(parts, " + ") + " = " + JoinedBy(values, " + ") + " = " + NumToStr(value),
    };
    const std::string standard = ArabToRoman(static_cast<unsigned short>(value));
    if (standard != numeral)
        lines.push_back("Запись " + numeral + " нестандартная, но программа её принимает; стандартная запись числа "
                        + NumToStr(value) + " — " + standard + ".");
    return lines;
}

std::vector<int> PlaceValues(int value)
{
    std::vector<int> places;
    for (int unit = 1000; unit > 0; unit /= 10)
        if (value / unit % 10 != 0)
            places.push_back(value / unit % 10 * unit);
    return places;
}

std::vector<std::string> RomanWriting(int value)
{
    if (value == 0)
        return {"Нуля в римской системе нет: ответ — пустая строка."};
    std::vector<std::string> values, numerals;
    for (int place : PlaceValues(value)) {
        values.push_back(NumToStr(place));
        numerals.push_back(ArabToRoman(static_cast<unsigned short>(place)));
    }
    return {
        "Раскладываем число по разрядам и записываем каждый разряд римскими цифрами:",
        "  " + NumToStr(value) + " = " + JoinedBy(values, " + ") + " = " + JoinedBy(numerals, " + "),
    };
}
