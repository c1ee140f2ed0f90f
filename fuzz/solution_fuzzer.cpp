// The worked solution of a conversion and then of MR, from any request the
// window can make: whatever is typed, a successful command's solution is
// one text of whole lines that states the command's own result, every check
// it writes comes out right, and an exact result is its own exact value.
#include <cstddef>
#include <cstdint>
#include <string>

#include "convert.h"
#include "input.h"
#include "memory.h"
#include "notation.h"
#include "solution.h"
#include "state.h"

namespace {

void CheckSolution(const SolvedCommand& command, const Outcome& outcome, int target)
{
    const Solution solution = SolveCommand(command);
    if (outcome.kind != Outcome::OUTPUT) {
        FUZZ_CHECK(!solution.solved);
        return;
    }
    const std::string& text = solution.text;
    FUZZ_CHECK(solution.solved && !text.empty() && text.back() == '\n');
    FUZZ_CHECK(text.find("\nОтвет: ") != std::string::npos);
    FUZZ_CHECK(text.find("не сходится") == std::string::npos);
    if (!outcome.text.empty())
        FUZZ_CHECK(text.find(" = " + Stated(outcome.text, target) + ".") != std::string::npos);
    if (solution.exact)
        FUZZ_CHECK(solution.exactWritten && solution.exactValue == outcome.text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    ResetAppState();
    FuzzInput input(data, size);
    const int source = SystemOfByte(input.Byte());
    const int target = SystemOfByte(input.Byte());
    const bool recall = (input.Byte() & 1) != 0;
    const std::string precision = input.Text('\n');
    const std::string number = RemoveSpaces(input.Rest());

    ConversionParts parts;
    const Outcome outcome = ConvertRequest(number, precision, source, target, parts);
    CheckSolution(ConversionCommand(parts, outcome), outcome, target);
    if (recall && IsSystem(target)) {
        MemoryAdd();
        const Outcome recalled = MemoryRecall(target, precision, parts);
        CheckSolution(RecallCommand(parts, recalled), recalled, target);
    }
    return 0;
}
