// Roman numerals taken apart and put together for the worked solution; the
// values and numerals themselves come from the library's reader and writer.
#include "romansteps.h"

#include "roman.h"
#include "steptext.h"
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

std::string ValueOf(const std::string& letters)
{
    return NumToStr(RomanToArab(letters.c_str()));
}

// A letter's value, or a pair's as the difference it stands for: "(1000 - 100)".
std::string PartValue(const std::string& part)
{
    if (part.size() == 1)
        return ValueOf(part);
    return "(" + ValueOf(part.substr(1)) + " - " + ValueOf(part.substr(0, 1)) + ")";
}

std::vector<std::string> PartValues(const std::vector<std::string>& parts)
{
    std::vector<std::string> values;
    for (const std::string& part : parts)
        values.push_back(PartValue(part));
    return values;
}

// How a place's numeral makes its value: "(500 + 100 + 100 + 100)",
// "(1000 - 100)"; nothing for a single letter.
std::string PlaceSum(const std::string& numeral)
{
    const std::vector<std::string> parts = RomanParts(numeral);
    if (parts.size() > 1)
        return "(" + JoinedBy(PartValues(parts), " + ") + ")";
    return parts.front().size() > 1 ? PartValue(parts.front()) : std::string();
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

std::vector<std::string> RomanReadingLines(const std::string& numeral)
{
    const std::vector<std::string> parts = RomanParts(numeral);
    std::vector<std::string> chain;
    if (parts.size() > 1)
        chain.push_back(JoinedBy(parts, " + "));
    std::string values = JoinedBy(PartValues(parts), " + ");
    if (parts.size() == 1 && values.front() == '(')
        values = values.substr(1, values.size() - 2);
    const std::string value = ValueOf(numeral);
    if (values != value)
        chain.push_back(values);
    chain.push_back(value);
    return Chain(numeral, chain);
}

std::vector<std::string> RomanReading(const std::string& numeral)
{
    std::vector<std::string> lines = {
        "Читаем римское число слева направо: цифры складываем, а меньшую цифру, стоящую",
        "перед большей (IV, IX, XL, XC, CD, CM), вычитаем из большей:",
    };
    for (const std::string& line : RomanReadingLines(numeral))
        lines.push_back(line);
    const int value = RomanToArab(numeral.c_str());
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
    const std::vector<int> places = PlaceValues(value);
    std::vector<std::string> lines = {"Раскладываем число на разряды и записываем каждый разряд римскими цифрами:"};
    std::vector<std::string> values;
    StepTable table("RLL");
    for (int place : places) {
        values.push_back(NumToStr(place));
        const std::string numeral = ArabToRoman(static_cast<unsigned short>(place));
        const std::string sum = PlaceSum(numeral);
        table.Add({NumToStr(place), " = " + numeral, sum.empty() ? std::string() : "  " + sum});
    }
    if (places.size() > 1)
        lines.push_back("  " + NumToStr(value) + " = " + JoinedBy(values, " + "));
    for (const std::string& line : table.Lines(places.size()))
        lines.push_back(line);
    if (places.size() > 1)
        lines.push_back("Записываем разряды подряд, от старшего к младшему: " + NumToStr(value) + " = "
                        + ArabToRoman(static_cast<unsigned short>(value)) + ".");
    return lines;
}
