// The systems' names and the base's mark.
#include "notation.h"

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
