// Whether a result is exact, and how a worked solution says so: the answer,
// "Результат точный." or what was cut, and the exact value of a cut fraction
// (its period in parentheses) with the kind and lengths of its expansion.
// The sentences are for every solution that cuts a fraction to a precision,
// and "Проверка" for every solution that checks its answer.
#ifndef KALVORIX_SOLUTION_EXACTNESS_H
#define KALVORIX_SOLUTION_EXACTNESS_H

#include <cstdint>
#include <string>
#include <vector>

#include "fractionsteps.h"
#include "period.h"

struct Exactness {
    bool exact = true;       // the cut result holds every digit of the fraction
    Expansion expansion;     // the fraction's expansion in the target base
    bool written = true;     // digits holds the exact fraction
    std::string digits;      // its digits after the point, the period in parentheses
};

// The facts of the fraction whose digits (after the point, in base from)
// have the value fraction, written in base to and cut to precision digits.
// The exact digits come from the library's exact fraction conversion.
Exactness ExactnessOf(const std::string& digits, int from, int to, const Fraction& fraction, int precision);

// whole, and the point and the digits when there are any.
std::string ExactValue(const Exactness& facts, const std::string& whole);

// The digits of an expansion before its period and in it, when they can be
// counted in a machine word: its whole length.
bool LengthOf(const Expansion& expansion, uint64_t& length);

// "конечная дробь", "чистая периодическая дробь", "смешанная периодическая дробь".
std::string ExpansionKind(const Expansion& expansion);

// "40 цифр в дробной части"; "147 цифр в периоде"; "1 цифра до периода, 4
// цифры в периоде"; a period too long for a machine word as a product of powers.
std::string ExpansionLengths(const Expansion& expansion);

// "Ответ: " + statement + ".": the line every solution ends its work with.
std::string AnswerLine(const std::string& statement);

extern const char EXACT_RESULT[];  // "Результат точный."

// The lines of a fraction cut to precision digits, kept the digits it kept
// (as many as precision): that the rest were dropped, not rounded, and, when
// kept ends in zeros, that those are not written.
std::vector<std::string> CutLines(int precision, const std::string& kept);

// The exact value of a cut number, whole its whole part with its sign, in
// base to: "Точное значение: 0.0(0011)₂.", its kind and lengths when it is
// shortened, or why it is not written.
std::string ExactValueSentence(const Exactness& facts, const std::string& whole, int to);

// An exact answer of at most this many digits is checked, as a textbook
// checks one it could do by hand.
constexpr uint64_t CHECK_DIGITS = 64;

// The check of an answer: "Проверка — " + how + ":", the work, and its last
// line ended by " — верно." when agrees, else by " — не сходится.".
std::vector<std::string> CheckLines(const std::string& how, std::vector<std::string> work, bool agrees);

#endif
