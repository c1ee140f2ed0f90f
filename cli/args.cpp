// Options, numeral-system names and the usage text of kalvorix-cli.
#include "args.h"

#include "codes.h"
#include "exactness.h"
#include "floats.h"
#include "systems.h"
#include "text.h"
#include "utf8.h"
#include "version.h"

#include <cctype>

namespace {

bool EqualsIgnoringCase(const std::string& text, const char* lower)
{
    std::size_t k = 0;
    for (; k < text.size() && lower[k] != '\0'; ++k)
        if (std::tolower(static_cast<unsigned char>(text[k])) != lower[k])
            return false;
    return k == text.size() && lower[k] == '\0';
}

// Only these are options, and "--" followed by anything. Any other argument,
// even one that begins with "-", is a number: "-FF" and "-10.5" are negative.
bool IsOption(const std::string& arg)
{
    return arg == "-f" || arg == "-t" || arg == "-p" || arg == "-h" || arg.compare(0, 2, "--") == 0;
}

// The mode an option names; CONVERT for any other argument.
CliMode ModeOfOption(const std::string& arg)
{
    if (arg == "--code")
        return CliMode::CODE;
    if (arg == "--decode")
        return CliMode::DECODE;
    if (arg == "--float")
        return CliMode::FLOAT;
    return arg == "--decode-float" ? CliMode::DECODE_FLOAT : CliMode::CONVERT;
}

// Reads a mode's width: 2 to 1024 bits for the codes, 16, 32 or 64 for the
// floating-point formats.
bool ReadModeWidth(const std::string& option, const std::string& value, CliOptions& options, std::string& error)
{
    const CliMode mode = ModeOfOption(option);
    if (options.mode != CliMode::CONVERT && options.mode != mode) {
        error = "--code, --decode, --float и --decode-float вместе не используются";
        return false;
    }
    options.mode = mode;
    std::string fault;
    FloatFormat format;
    const bool codes = mode == CliMode::CODE || mode == CliMode::DECODE;
    // Only the plain decimal form, as for the systems' names.
    const bool plain = NumToStr(StrToNum(value)) == value;
    if (!plain || (codes ? !ReadCodeWidth(value, options.width, fault) : !FloatFormatOf(StrToNum(value), format))) {
        error = option + ": разрядность " + (codes ? "от 2 до 1024" : "16, 32 или 64") + ", а не «"
            + Utf8ToAscii(value, '?') + "»";
        return false;
    }
    if (!codes)
        options.width = format.width;
    return true;
}

// The modes of numbers in memory take the numbers of a positional system
// and nothing of a conversion's target or precision.
bool CheckMode(CliOptions& options, bool sourceGiven, bool conversionGiven, std::string& error)
{
    if (options.mode == CliMode::CONVERT)
        return true;
    if (conversionGiven) {
        error = "-t и -p не используются с --code, --decode, --float и --decode-float";
        return false;
    }
    if (options.source == ROMAN) {
        error = "римская система не используется с --code, --decode, --float и --decode-float";
        return false;
    }
    if (!sourceGiven && (options.mode == CliMode::DECODE || options.mode == CliMode::DECODE_FLOAT))
        options.source = 2;
    return true;
}

}  // namespace

int SystemOfName(const std::string& name)
{
    if (EqualsIgnoringCase(name, "roman"))
        return ROMAN;
    const int base = StrToNum(name);
    // The round trip admits exactly the plain decimal form: no sign, no leading zero.
    if (NumToStr(base) != name || !IsBase(base))
        return 0;
    return base;
}

bool ParseArguments(const std::vector<std::string>& args, CliOptions& options, std::string& error)
{
    bool optionsEnded = false;
    bool sourceGiven = false, conversionGiven = false, targetGiven = false;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (optionsEnded || !IsOption(arg)) {
            options.numbers.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--steps") {
            options.steps = true;
        } else if (arg == "--arith") {
            options.arithmetic = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (ModeOfOption(arg) != CliMode::CONVERT) {
            if (k + 1 == args.size()) {
                error = "параметру " + arg + " нужно значение";
                return false;
            }
            if (!ReadModeWidth(arg, args[++k], options, error))
                return false;
        } else if (arg == "-f" || arg == "-t" || arg == "-p") {
            if (k + 1 == args.size()) {
                error = "параметру " + arg + " нужно значение";
                return false;
            }
            const std::string& value = args[++k];
            sourceGiven = sourceGiven || arg == "-f";
            conversionGiven = conversionGiven || arg != "-f";
            if (arg == "-p") {
                options.precision = value;
                continue;
            }
            const bool every = arg == "-t" && EqualsIgnoringCase(value, "all");
            const int system = every ? options.target : SystemOfName(value);
            if (system == 0) {
                error = "неизвестная система счисления «" + Utf8ToAscii(value, '?') + "» (от 2 до 16 или roman"
                    + (arg == "-t" ? ", или all)" : ")");
                return false;
            }
            if (arg == "-t") {
                options.everySystem = every;
                targetGiven = true;
            }
            (arg == "-f" ? options.source : options.target) = system;
        } else {
            error = "неизвестный параметр " + Utf8ToAscii(arg, '?');
            return false;
        }
    }
    if (options.arithmetic && options.mode != CliMode::CONVERT) {
        error = "--arith не используется с --code, --decode, --float и --decode-float";
        return false;
    }
    if (options.arithmetic && (options.source == ROMAN || options.everySystem)) {
        error = "--arith: числа записываются в системах с основаниями от 2 до 16, ответ — в одной системе"
                " (-f roman и -t all не используются)";
        return false;
    }
    if (options.arithmetic && !targetGiven)
        options.target = options.source;
    if (options.everySystem && options.steps) {
        error = "--steps и -t all вместе не используются: решение пишется для одной системы";
        return false;
    }
    return CheckMode(options, sourceGiven, conversionGiven, error);
}

std::string NameOfSystem(int system)
{
    return system == ROMAN ? "roman" : NumToStr(system);
}

std::string UsageText()
{
    return "Использование: kalvorix-cli [-f СИСТЕМА] [-t СИСТЕМА|all] [-p ТОЧНОСТЬ] [--json] [--steps]\n"
           "                    [ЧИСЛО ...]\n"
           "       kalvorix-cli --arith [-f СИСТЕМА] [-t СИСТЕМА] [-p ТОЧНОСТЬ] [--json] [--steps]\n"
           "                    [ВЫРАЖЕНИЕ ...]\n"
           "       kalvorix-cli --code N | --decode N | --float Р | --decode-float Р\n"
           "                    [-f СИСТЕМА] [--json] [--steps] [ЧИСЛО ...]\n"
           "Переводит каждое ЧИСЛО из одной системы счисления в другую так же, как окно\n"
           "программы Kalvorix. Без чисел переводит каждую строку стандартного ввода.\n"
           "\n"
           "  -f СИСТЕМА   система, в которой записаны числа (по умолчанию 10)\n"
           "  -t СИСТЕМА   система, в которую их перевести (по умолчанию 2);\n"
           "               all — все системы, по строке на каждую: \"2: ...\", ..., \"roman: ...\"\n"
           "  -p ТОЧНОСТЬ  знаков дробной части результата, от 1 до 1000 (по умолчанию 4)\n"
           "  --json       на каждое число один объект JSON: \"input\", \"result\", \"decimal\",\n"
           "               \"error\", \"exact\", \"exact_value\", с --steps ещё \"steps\";\n"
           "               с -t all: \"input\", \"decimal\", поле на каждую систему и \"errors\"\n"
           "  --steps      после каждого результата — его решение, затем пустая строка\n"
           "  --arith      вместо чисел — выражения «A + B»: сложение (+), вычитание (-),\n"
           "               умножение (* или ·), деление (/ или :); основание числа можно\n"
           "               указать сразу за ним: 1011(2), 1011_2, иначе это система -f;\n"
           "               ответ — в системе -t, а без -t — в системе -f; при делении\n"
           "               целых в JSON ещё \"quotient\" и \"remainder\"\n"
           "  --code N     прямой, обратный и дополнительный код каждого целого числа\n"
           "               в N-разрядной сетке, N от 2 до 1024\n"
           "  --decode N   каждый код из N разрядов (по умолчанию двоичный) прочесть\n"
           "               без знака и как прямой, обратный и дополнительный код\n"
           "  --float Р    каждое число в формате с плавающей точкой Р = 16, 32 или 64\n"
           "               (binary16, binary32, binary64): округление к ближайшему,\n"
           "               при равенстве к чётному\n"
           "  --decode-float Р  биты формата Р (по умолчанию двоичные, -f 16 —\n"
           "               шестнадцатеричные) прочесть как число\n"
           "  -h, --help   показать эту справку и выйти\n"
           "  --version    показать версию программы и выйти\n"
           "  --           все следующие аргументы — числа\n"
           "\n"
           "СИСТЕМА — основание от 2 до 16 или roman (римские числа от 1 до 3999).\n"
           "Пробелы в числе не учитываются, как и знаки табуляции и неразрывные\n"
           "пробелы (U+00A0, U+202F), которыми таблицы и сайты разделяют разряды;\n"
           "буквы могут быть строчными. Число может начинаться с «-»; перед числом,\n"
           "похожим на параметр, ставьте «--» (-- -f).\n"
           "Если число не принято, выводится пустая строка, а причина — в поток ошибок;\n"
           "с -t all причина стоит в строке системы, которая число не приняла.\n"
           "\"exact\" говорит, точен ли результат (дробь могла быть обрезана по точности),\n"
           "\"exact_value\" — точное значение в новой системе, период в скобках: 0.1 в\n"
           "2-ной системе — 0.0(0011). Оно null для дроби длиннее "
        + GroupedNumber(LONGEST_EXACT) + " цифр; оба null,\n"
           "если число не принято.\n"
           "JSON режимов памяти: --code — \"input\", \"bits\", \"decimal\", \"sign_magnitude\",\n"
           "\"ones_complement\", \"twos_complement\" (null, если такого кода нет), \"hex\",\n"
           "\"error\"; --decode — \"input\", \"bits\", \"code\", \"unsigned\", \"sign_magnitude\",\n"
           "\"ones_complement\", \"twos_complement\", \"error\"; --float — \"input\", \"format\",\n"
           "\"bits\", \"sign\", \"exponent\", \"mantissa\", \"hex\", \"class\" (zero, subnormal,\n"
           "normal, infinity), \"stored\" (точное значение; null для бесконечности),\n"
           "\"exact\", \"error\"; --decode-float — те же без \"exact\", с классом nan.\n"
           "\n"
           "Стандартный ввод читается в UTF-8 (метка порядка байтов в начале\n"
           "пропускается) или в UTF-16 с меткой, как пишут файлы программы Windows;\n"
           "Ctrl-Z после последней строки означает конец ввода. Пустая строка — тоже\n"
           "число: оно не принимается, как пустое поле окна.\n"
           "\n"
           "Текст выводится в UTF-8. В Windows окно консоли показывает его по-русски при\n"
           "любой кодовой странице, а в файл или канал идёт UTF-8 с концами строк CR LF.\n"
           "\n"
           "Код выхода: 0 — все числа переведены, 1 — какое-то число не принято,\n"
           "2 — ошибка в параметрах, 3 — ошибка чтения или записи (например, диск\n"
           "заполнен): программа пишет её причину и останавливается.\n";
}

std::string UsageErrorText(const std::string& reason)
{
    return "kalvorix-cli: " + reason + "\nПодробнее: kalvorix-cli --help\n";
}

std::string VersionText()
{
    return std::string("kalvorix-cli ") + KALVORIX_VERSION_TEXT + "\n";
}
