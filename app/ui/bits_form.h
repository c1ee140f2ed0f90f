// The window "Числа в памяти" without its controls: the items of its list of
// what to show, and one request run from what its fields and lists hold,
// giving the fields to show and the worked solution, or the message of the
// error box.
#ifndef KALVORIX_UI_BITS_FORM_H
#define KALVORIX_UI_BITS_FORM_H

#include <string>
#include <vector>

#include "bitfields.h"

// The list "Что показать": the integer codes, then the three formats.
constexpr int BITS_CHOICE_CODES = 0;
std::vector<std::string> BitsChoiceItems();  // "Коды целого числа", "binary16 (половинная точность)", ...

// The list of systems: "2", "3", ... "16" (bases only), starting on 10.
std::vector<std::string> BitsSystemItems();
constexpr int BITS_SYSTEM_START_ITEM = 8;

struct BitsRequest {
    std::string number;             // the number or the code as typed
    int system = 10;                // the system it is written in, 2 to 16
    int choice = BITS_CHOICE_CODES; // an index of BitsChoiceItems
    bool reading = false;           // bits read as a number, rather than a number written in bits
    std::string width = "8";        // the width field as typed: the register's bits, for the codes
};

struct BitsAnswer {
    bool done = false;
    std::string message;   // refused: the text of the error box
    BitFields fields;      // done: what the window's fields show, at most MOST_BIT_FIELDS
    std::string solution;  // done: the worked solution
};

// Runs request: the number with its spaces removed, as the main window's
// field hands it on; the width read only for the codes.
BitsAnswer AnswerBits(const BitsRequest& request);

#endif
