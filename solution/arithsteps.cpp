// The steps of an arithmetic request.
#include "arithsteps.h"

#include "notation.h"
#include "steptext.h"

namespace {

const char NO_RESULT[] = "Решения нет: действие не выполнено.";

}  // namespace

Solution SolveArithmetic(const ArithmeticRequest& request, const ArithmeticOutcome& outcome)
{
    Solution solution;
    if (outcome.kind != ArithmeticOutcome::RESULT) {
        solution.text = Joined({NO_RESULT});
        return solution;
    }
    solution.solved = true;
    solution.exact = outcome.exact;
    solution.exactWritten = outcome.exactWritten;
    solution.exactValue = outcome.exactValue;
    solution.text = Joined({"Ответ: " + Based(request.first, request.firstSystem) + " " + OperationSign(request.operation)
                            + " " + Based(request.second, request.secondSystem) + " = "
                            + Based(outcome.result, request.target) + "."});
    return solution;
}
