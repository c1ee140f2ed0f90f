// The requests of the window "Числа в памяти".
#include "bits_form.h"

#include "bitnames.h"
#include "codes.h"
#include "codesteps.h"
#include "convert.h"
#include "floats.h"
#include "floatsteps.h"
#include "systems.h"
#include "text.h"

namespace {

const int FORMAT_WIDTHS[] = {16, 32, 64};  // of the choices after the codes

BitsAnswer Refused(const std::string& message)
{
    BitsAnswer answer;
    answer.message = message;
    return answer;
}

BitsAnswer Done(BitFields fields, std::string solution)
{
    BitsAnswer answer;
    answer.done = true;
    answer.fields = std::move(fields);
    answer.solution = std::move(solution);
    return answer;
}

BitsAnswer Codes(const std::string& number, const BitsRequest& request)
{
    int width = 0;
    std::string fault;
    if (!ReadCodeWidth(request.width, width, fault))
        return Refused(fault);
    if (request.reading) {
        CodeReading reading;
        if (!DecodeInteger(number, request.system, width, reading, fault))
            return Refused(fault);
        return Done(CodeReadingFields(reading), CodeReadingSolution(reading, number, request.system));
    }
    IntegerCodes codes;
    if (!EncodeInteger(number, request.system, width, codes, fault))
        return Refused(fault);
    return Done(CodeFields(codes), CodesSolution(codes));
}

BitsAnswer Floats(const std::string& number, const BitsRequest& request)
{
    FloatFormat format;
    FloatFormatOf(FORMAT_WIDTHS[request.choice - 1], format);
    std::string fault;
    if (request.reading) {
        FloatValue value;
        if (!DecodeFloat(number, request.system, format, value, fault))
            return Refused(fault);
        return Done(FloatFields(value), FloatReadingSolution(value, number, request.system));
    }
    FloatEncoding encoding;
    if (!EncodeFloat(number, request.system, format, encoding, fault))
        return Refused(fault);
    return Done(FloatEncodingFields(encoding), FloatSolution(encoding));
}

}  // namespace

std::vector<std::string> BitsChoiceItems()
{
    std::vector<std::string> items = {"Коды целого числа"};
    for (int width : FORMAT_WIDTHS) {
        FloatFormat format;
        FloatFormatOf(width, format);
        items.push_back(FormatName(format));
    }
    return items;
}

std::vector<std::string> BitsSystemItems()
{
    std::vector<std::string> items;
    for (int base = NSmin; base <= NSmax; ++base)
        items.push_back(NumToStr(base));
    return items;
}

BitsAnswer AnswerBits(const BitsRequest& request)
{
    const int choices = static_cast<int>(sizeof FORMAT_WIDTHS / sizeof FORMAT_WIDTHS[0]) + 1;
    if (request.choice < 0 || request.choice >= choices || !IsBase(request.system))
        return BitsAnswer();
    const std::string number = RemoveSpaces(request.number);
    return request.choice == BITS_CHOICE_CODES ? Codes(number, request) : Floats(number, request);
}
