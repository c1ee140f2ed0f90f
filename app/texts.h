// The program's own texts, Windows-1251: the title, the About text and the
// messages of refused commands.
#ifndef KALVORIX_APP_TEXTS_H
#define KALVORIX_APP_TEXTS_H

#include <string>

extern std::string strAppName;       // "Kalvorix"; the full title after ComposeFullTitle
extern const std::string APP_VERSION;
extern const std::string strOSType;  // " для Windows"
extern const std::string STR_ABOUT;

extern const std::string ERR_WRONGDATA;
extern const std::string ERR_OUTOFRANGE;
extern const std::string ERR_MINROMAN;
extern const std::string ERR_NOINPUT;
extern const std::string ERR_WRONGT;
extern const std::string ERR_DIVZERO;
extern const std::string ERR_FLOATPOS;
extern const std::string ERR_FLOATMISS;
extern const std::string ERR_NOGT;

// Extends strAppName once to "Kalvorix 1.3.9 для Windows".
void ComposeFullTitle();

// strAppName + " " + STR_ABOUT.
std::string AboutText();

#endif
