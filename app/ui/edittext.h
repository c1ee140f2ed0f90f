// The program's text as a Unicode edit control shows it: UTF-16, each "\n"
// as "\r\n", and the notation's marks (charset.h) as the subscript and
// superscript characters they stand for.
#ifndef KALVORIX_UI_EDITTEXT_H
#define KALVORIX_UI_EDITTEXT_H

#include <string>

std::u16string EditText(const std::string& text);

#endif
