// Line ends: the program's texts end their lines with "\n"; Windows' edit
// controls, and files as Windows tools write them, want "\r\n".
#ifndef KALVORIX_UI_LINEENDS_H
#define KALVORIX_UI_LINEENDS_H

#include <string>

// text with each "\n" as "\r\n".
std::string WithCrLf(const std::string& text);

#endif
