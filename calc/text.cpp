#include "text.h"

#include <algorithm>
#include <climits>

std::string trimleft(std::string text)
{
    text.erase(0, text.find_first_not_of('0'));
    if (!text.empty() && text[0] == '.')
        text.insert(text.begin(), '0');
    return text;
}

std::string trimright(std::string text)
{
    if (!text.empty()) {
        // The first character stays whatever it is.
        size_t keep = text.find_last_not_of('0');
        text.erase(keep == std::string::npos ? 1 : keep + 1);
    }
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

int StrToNum(const std::string& text)
{
    long long value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            break;
        value = value * 10 + (ch - '0');
        if (value > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(value);
}

std::string GroupedNumber(unsigned long long value)
{
    std::string text = NumToStr(value);
    if (text.size() > 4)
        for (size_t at = text.size() - 3; at > 0; at -= std::min<size_t>(at, 3))
            text.insert(at, 1, ' ');
    return text;
}

std::string reverse(std::string text)
{
    std::reverse(text.begin(), text.end());
    return text;
}

std::string strofchar(const std::string& text, int count)
{
    std::string result;
    if (count > 0) {
        result.reserve(text.size() * static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            result += text;
    }
    return result;
}
