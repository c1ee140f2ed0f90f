// The systems' names, the marks of bases and powers, counts and shortening.
#include "notation.h"

#include <algorithm>

#include "charset.h"
#include "systems.h"

namespace {

// The stems of the adjectives, base 2 to 16; every one, and "римск", takes
// the endings of a hard feminine adjective.
const char* const STEMS[NSmax - NSmin + 1] = {
    "двоичн", "троичн", "четверичн", "пятеричн", "шестеричн", "семеричн", "восьмеричн", "девятеричн",
    "десятичн", "одиннадцатеричн", "двенадцатеричн", "тринадцатеричн", "четырнадцатеричн",
    "пятнадцатеричн", "шестнадцатеричн",
};

const char* AdjectiveEnding(Case c)
{
    switch (c) {
    case Case::NOMINATIVE:
        return "ая";
    case Case::ACCUSATIVE:
        return "ую";
    default:
        return "ой";
    }
}

const char* Noun(Case c)
{
    switch (c) {
    case Case::NOMINATIVE:
        return "система";
    case Case::GENITIVE:
        return "системы";
    case Case::ACCUSATIVE:
        return "систему";
    case Case::INSTRUMENTAL:
        return "системой";
    default:
        return "системе";
    }
}

}  // namespace

std::string SystemAdjective(int system, Case c)
{
    const std::string stem = system == ROMAN ? "римск" : STEMS[system - NSmin];
    return stem + AdjectiveEnding(c);
}

std::string SystemName(int system, Case c)
{
    return SystemAdjective(system, c) + " " + Noun(c) + " счисления";
}

std::string Based(const std::string& number, int system)
{
    return system == ROMAN ? number : number + Subscript(static_cast<unsigned>(system));
}

std::string CountOf(uint64_t n, const char* one, const char* few, const char* many)
{
    const std::string count = std::to_string(n);
    return count + " " + WordOf(count, one, few, many);
}

std::string DigitCount(uint64_t n)
{
    return CountOf(n, "цифра", "цифры", "цифр");
}

// Russian counts: 1, 21, 31... take "one"; 2-4, 22-24... "few"; the rest,
// 11-14 among them, "many".
const char* WordOf(const std::string& count, const char* one, const char* few, const char* many)
{
    if (count.empty() || count.find_first_not_of("0123456789") != std::string::npos)
        return many;
    const int last = count.back() - '0';
    const int tens = count.size() > 1 ? count[count.size() - 2] - '0' : 0;
    if (tens == 1)
        return many;
    if (last == 1)
        return one;
    return last >= 2 && last <= 4 ? few : many;
}

uint64_t DigitsOf(const std::string& text)
{
    uint64_t digits = 0;
    for (char ch : text)
        digits += DigitValue(ch, NSmax) >= 0;
    return digits;
}

std::string Shortened(const std::string& number, size_t longest)
{
    if (number.size() <= longest)
        return number;
    return ShortenedEnds(number.substr(0, NUMBER_END), number.substr(number.size() - NUMBER_END), DigitsOf(number));
}

std::string ShortenedEnds(const std::string& head, const std::string& tail, uint64_t digits)
{
    return head.substr(0, NUMBER_END) + "…" + tail.substr(tail.size() - std::min(tail.size(), NUMBER_END)) + " ("
        + DigitCount(digits) + ")";
}

std::string Stated(const std::string& number, int system, size_t longest)
{
    if (number.size() <= longest)
        return Based(number, system);
    return Based(number.substr(0, NUMBER_END) + "…" + number.substr(number.size() - NUMBER_END), system) + " ("
        + DigitCount(DigitsOf(number)) + ")";
}

std::string PowerText(uint64_t base, long long exponent)
{
    return std::to_string(base) + Superscript(exponent);
}

std::string DigitWithValue(uint32_t value)
{
    const std::string number = std::to_string(value);
    return value < 10 ? number : number + " (" + std::string(1, DigitChar(static_cast<int>(value))) + ")";
}

std::string PowersText(const PrimePowers& powers)
{
    uint64_t value;
    if (powers.Fits(value))
        return std::to_string(value);
    std::string text;
    for (int k = 0; k < PRIME_COUNT; ++k) {
        if (powers.exponent[k] == 0)
            continue;
        text += (text.empty() ? "" : "·") + std::to_string(SMALL_PRIMES[k]);
        if (powers.exponent[k] > 1)
            text += Superscript(static_cast<long long>(powers.exponent[k]));
    }
    return text;
}
