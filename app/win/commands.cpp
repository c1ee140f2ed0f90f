// The window's side of the commands.
#include "commands.h"

#include "arith_window.h"

#include "controls.h"
#include "convert.h"
#include "keys.h"
#include "memory.h"
#include "messages.h"
#include "solution.h"
#include "solution_window.h"

namespace {

SolvedCommand LastShownCommand;  // the command that last wrote the output field; from then to the next one

// Writes the outcome of a command into the window.
void Apply(const Outcome& outcome, HWND owner)
{
    if (outcome.kind == Outcome::OUTPUT)
        SetWindowTextA(hEditOut, outcome.text.c_str());
    else if (outcome.kind == Outcome::MESSAGE)
        ShowError(owner, outcome.text, MB_ICONEXCLAMATION);
}

}  // namespace

void StartConvert(char* text, int size, char* precision, int precisionSize, int source, int target, HWND owner)
{
    const std::string number(text, size > 1 ? static_cast<size_t>(size - 1) : 0);
    const std::string digits(precision, precisionSize > 1 ? static_cast<size_t>(precisionSize - 1) : 0);
    if (size > 1 && text[0] == '-')
        text[0] = '0';
    ConversionParts parts;
    const Outcome outcome = ConvertRequest(number, digits, source, target, parts);
    if (outcome.kind == Outcome::OUTPUT)  // an outcome that wrote nothing leaves the last command
        LastShownCommand = ConversionCommand(parts, outcome);
    Apply(outcome, owner);
    ChangeM();
}

void ReadMemory(int target, HWND owner)
{
    const std::string precision = WindowText(hEditT);
    ConversionParts parts;
    const Outcome outcome = MemoryRecall(target, precision, parts);
    if (outcome.kind == Outcome::OUTPUT)
        LastShownCommand = RecallCommand(parts, outcome);
    Apply(outcome, owner);
    ChangeM();
}

void ShowSolution(HWND owner)
{
    ShowSolutionWindow(owner, SolveCommand(LastShownCommand).text);
}

void ShowArithmetic(HWND owner)
{
    ShowArithmeticWindow(owner, WindowText(hEditT));
}

void RunMemoryCommand(int id, HWND owner)
{
    switch (id) {
    case CMD_MC: Apply(MemoryClear(), owner); break;
    case CMD_MADD: Apply(MemoryAdd(), owner); break;
    case CMD_MSUB: Apply(MemorySubtract(), owner); break;
    case CMD_MMUL: Apply(MemoryMultiply(), owner); break;
    case CMD_MDIV: Apply(MemoryDivide(), owner); break;
    }
    ChangeM();
}

void ChangeM()
{
    ShowWindow(hStaticM, MemoryIndicatorShown() ? SW_SHOW : SW_HIDE);
}
