// A tiny test harness: GoogleTest cannot be built with the win32 thread
// model of this mingw. Each test is a function registered by name; CTest
// runs one of them per process.
#ifndef KALVORIX_TESTS_WIN_HARNESS_H
#define KALVORIX_TESTS_WIN_HARNESS_H

#include <cstdio>
#include <sstream>
#include <string>

extern int g_failures;

// Thrown by REQUIRE: the rest of the test makes no sense without it.
struct TestAbort {};

// Texts are CP1251 byte strings; line breaks are shown escaped.
inline std::string Show(const std::string& s)
{
    std::string out = "\"";
    for (char c : s)
        out += c == '\n' ? std::string("\\n") : c == '\r' ? std::string("\\r") : std::string(1, c);
    return out + "\"";
}
inline std::string Show(const char* s) { return s ? Show(std::string(s)) : "(null)"; }
template <class T> std::string Show(const T& v)
{
    std::ostringstream os;
    os << v;
    return os.str();
}

inline void Fail(const char* file, int line, const std::string& what)
{
    ++g_failures;
    std::printf("%s:%d: FAILED %s\n", file, line, what.c_str());
    std::fflush(stdout);
}

// Context printed with every failure inside a table loop.
extern std::string g_context;

#define EXPECT(cond)                                                                    \
    ((cond) ? true : (Fail(__FILE__, __LINE__, std::string(#cond) + g_context), false))
#define EXPECT_EQ(a, b)                                                                 \
    do {                                                                                \
        const auto& va_ = (a);                                                          \
        const auto& vb_ = (b);                                                          \
        if (!(va_ == vb_))                                                              \
            Fail(__FILE__, __LINE__, std::string(#a " == " #b ": ") + Show(va_) + " vs " \
                                         + Show(vb_) + g_context);                     \
    } while (0)
#define REQUIRE(cond)                \
    do {                             \
        if (!EXPECT(cond))           \
            throw TestAbort();       \
    } while (0)

struct TestCase {
    const char* name;
    void (*run)();
};

// Defined by the tests; main runs the one named on the command line.
extern const TestCase TESTS[];
extern const int TEST_COUNT;

#endif
