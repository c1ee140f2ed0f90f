// The one source of the program's version, read by the About text and by the
// resource script's version record.
#ifndef KALVORIX_APP_VERSION_H
#define KALVORIX_APP_VERSION_H

#define KALVORIX_VERSION_TEXT "1.3.9"
#define KALVORIX_VERSION_NUMBERS 1, 3, 9, 0

#endif
