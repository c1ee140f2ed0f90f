#include "input.h"

#include "systems.h"

uint8_t FuzzInput::Byte()
{
    return at_ < size_ ? data_[at_++] : 0;
}

std::string FuzzInput::Text(char delimiter)
{
    std::string text;
    while (at_ < size_ && data_[at_] != static_cast<uint8_t>(delimiter))
        text += static_cast<char>(data_[at_++]);
    if (at_ < size_)
        ++at_;
    return text;
}

std::string FuzzInput::Rest()
{
    std::string text(reinterpret_cast<const char*>(data_ + at_), size_ - at_);
    at_ = size_;
    return text;
}

int SystemOfByte(uint8_t byte)
{
    static const int STRANGE[] = {0, 1, 17, -2, 20, 36, 100, -1000, 2147483647, -2147483647 - 1};
    if (byte >= 0xF0)
        return STRANGE[(byte - 0xF0) % (sizeof STRANGE / sizeof STRANGE[0])];
    const int k = byte % 16;
    return k == 0 ? ROMAN : k + 1;
}
