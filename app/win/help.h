// The HOME key: opens the help file with the shell.
#ifndef KALVORIX_APP_WIN_HELP_H
#define KALVORIX_APP_WIN_HELP_H

// Opens "help.chm" from the current directory or, failing that, from the
// program's folder with the verb "open"; does nothing when neither exists.
void OpenHelp();

#endif
