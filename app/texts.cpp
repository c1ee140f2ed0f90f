// The program's texts, defined in the order the program builds them.
#include "texts.h"

#include "version.h"

const std::string APP_VERSION = KALVORIX_VERSION_TEXT;
std::string strAppName = "Kalvorix";
const std::string strOSType = " для Windows";
const std::string STR_ABOUT =
    "\nУниверсальный калькулятор систем счисления\n"
    "   *Клавиша HOME - получение справки\n"
    "\n"
    "© Разработчики Kalvorix, 2026";

const std::string ERR_WRONGDATA = "Введено неверное значение:";
const std::string ERR_OUTOFRANGE =
    "Исходное число больше самого большего числа\n"
    "в римской системе счисления.\n"
    "\n"
    "Самое большое римское число - MMMCMXCIX (3999)";
const std::string ERR_MINROMAN =
    "Операция невозможна:\n"
    "\n"
    "Отрицательное или дробное число невозможно\n"
    "перевести в римскую систему счисления";
const std::string ERR_NOINPUT = "Операция невозможна:\n\nИсходное число не задано";
const std::string ERR_WRONGT = "Неверно указана точность вычислений";
const std::string ERR_DIVZERO = "Операция невозможна:\n\nДеление на нуль!";
const std::string ERR_FLOATPOS = "Несколько разделителей частей числа";
const std::string ERR_FLOATMISS = "Ожидается дробная часть числа";
const std::string ERR_NOGT = "Не указана точность вычислений";

// The title is extended only once, however often this runs, so the caption
// never repeats the version.
void ComposeFullTitle()
{
    static bool composed = false;
    if (composed)
        return;
    strAppName += " " + APP_VERSION + strOSType;
    composed = true;
}

std::string AboutText()
{
    return strAppName + " " + STR_ABOUT;
}
