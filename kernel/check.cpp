#include "check.h"

#include <cstdio>
#include <cstdlib>

namespace check {

void Fail(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: kernel precondition failed: %s\n", file, line, condition);
    std::abort();
}

}  // namespace check
