// The settings file "kalvor.ini" in the current directory: the precision.
#ifndef KALVORIX_APP_SETTINGS_H
#define KALVORIX_APP_SETTINGS_H

// Reads the precision into iFT; falls back to 4 on invalid content. Returns 0.
int Loader();

// Writes "PREC " and iFT. Returns 0.
int Saver();

#endif
