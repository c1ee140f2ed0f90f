// Reading a fuzz input as the parameters of a request: single bytes for
// choices, and texts cut at a delimiter.
#ifndef KALVORIX_FUZZ_INPUT_H
#define KALVORIX_FUZZ_INPUT_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // The next byte, 0 once the input is used up.
    uint8_t Byte();

    // The bytes up to the next delimiter (consumed, not returned) or the end.
    std::string Text(char delimiter);

    // Everything not read yet.
    std::string Rest();

private:
    const uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// A numeral system from one byte: mostly one of the program's (-1 Roman,
// 2 to 16); bytes from 0xF0 give systems the program never offers.
int SystemOfByte(uint8_t byte);

// Stops the run with a report when an invariant fails; libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (0)

#endif
