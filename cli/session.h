// One run of kalvorix-cli, whatever it computes: requests in (the arguments,
// or the lines of standard input), each reply written, and the exit status.
// Every write is checked: a lost one ends the run with its own line on
// standard error and its own status, never as a success.
#ifndef KALVORIX_CLI_SESSION_H
#define KALVORIX_CLI_SESSION_H

#include <functional>
#include <string>
#include <vector>

#include "streams.h"

enum ExitStatus {
    EXIT_DONE = 0,     // every request succeeded
    EXIT_REFUSED = 1,  // a request was refused
    EXIT_USAGE = 2,    // the command line was wrong
    EXIT_IO = 3,       // standard input could not be read or a stream written
};

// What one request gives.
struct Reply {
    std::string out;  // for standard output, UTF-8, without its final line break
    std::string err;  // for standard error, UTF-8, empty or ending with a line break
    bool succeeded = true;
};

using Answer = std::function<Reply(const std::string& request)>;

// Answers each of the given requests in turn or, with none given, each line
// of standard input (InputLines), writing the line of each reply and its
// error text. Stops at the first failed write or read, and ends as Concluded.
int AnswerRequests(const std::vector<std::string>& given, const Answer& answer, StandardStreams& streams);

// The end of a run whose outcome is status and whose last write gave written:
// standard output is closed; then status itself, or EXIT_IO after one line on
// standard error (as far as it can still be written), "kalvorix-cli: ошибка
// записи: " and the reason, when that write or the close failed.
int Concluded(StandardStreams& streams, int status, const IoStatus& written);

#endif
