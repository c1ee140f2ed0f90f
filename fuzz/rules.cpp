#include "rules.h"

#include <cstddef>

#include "validate.h"

int PrecisionOfText(const std::string& text)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    const std::size_t first = text.find_first_not_of('0');
    if (first == std::string::npos || text.size() - first > 4)
        return 0;
    const int value = std::stoi(text.substr(first));
    return value <= PREC_MAX ? value : 0;
}
