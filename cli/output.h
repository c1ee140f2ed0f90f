// Where kalvorix-cli's outcomes go: a person at a terminal sees each one at
// once, a file or a pipe gets them buffered, many to one write.
#ifndef KALVORIX_CLI_OUTPUT_H
#define KALVORIX_CLI_OUTPUT_H

// True when standard output is a terminal.
bool StdoutIsTerminal();

#endif
