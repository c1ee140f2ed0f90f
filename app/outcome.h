// What a command asks of the window: a text for the output field, or a
// message for the error box, or neither.
#ifndef KALVORIX_APP_OUTCOME_H
#define KALVORIX_APP_OUTCOME_H

#include <string>

struct Outcome {
    enum Kind { NOTHING, OUTPUT, MESSAGE };
    Kind kind = NOTHING;
    std::string text;  // the output field's new text, or the message
};

#endif
