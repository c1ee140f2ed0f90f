// The requests of one run, their replies and the exit status.
#include "session.h"

#include "input.h"
#include "utf8.h"

namespace {

// Standard input is read in pieces of this size.
const std::size_t READ_PIECE = 64 * 1024;

// "kalvorix-cli: ошибка записи: на устройстве нет места" and its line break, in UTF-8.
std::string FaultLine(const char* failed, const IoStatus& status)
{
    return Cp1251ToUtf8(std::string("kalvorix-cli: ") + failed + ": " + IoFaultText(status) + "\n");
}

// Writes one reply: the first failure of its writes.
IoStatus Written(const Reply& reply, StandardStreams& streams)
{
    const IoStatus out = streams.OutLine(reply.out);
    if (out.Failed())
        return out;
    return streams.Err(reply.err);
}

}  // namespace

int AnswerRequests(const std::vector<std::string>& given, const Answer& answer, StandardStreams& streams)
{
    bool allSucceeded = true;
    IoStatus written;
    // Answers one request; false once a write has failed.
    auto answerOne = [&](const std::string& request) {
        const Reply reply = answer(request);
        allSucceeded = allSucceeded && reply.succeeded;
        written = Written(reply, streams);
        return !written.Failed();
    };
    auto ended = [&]() { return Concluded(streams, allSucceeded ? EXIT_DONE : EXIT_REFUSED, written); };

    if (!given.empty()) {
        for (const std::string& request : given)
            if (!answerOne(request))
                break;
        return ended();
    }
    StandardInput input;
    InputLines reader;
    std::vector<char> buffer(READ_PIECE);
    std::vector<std::string> lines;
    std::size_t got;
    do {
        const IoStatus read = input.Read(buffer.data(), buffer.size(), got);
        if (read.Failed()) {
            // A line cut off by the fault is not answered: it may be a part of one.
            return Concluded(streams, EXIT_IO, streams.Err(FaultLine("ошибка чтения", read)));
        }
        if (got == 0)
            reader.End(lines);
        else
            reader.Take(buffer.data(), got, lines);
        for (const std::string& line : lines)
            if (!answerOne(line))
                return ended();
        lines.clear();
    } while (got != 0);
    return ended();
}

int Concluded(StandardStreams& streams, int status, const IoStatus& written)
{
    const IoStatus closed = streams.Close();
    const IoStatus failure = written.Failed() ? written : closed;
    if (!failure.Failed())
        return status;
    (void)streams.Err(FaultLine("ошибка записи", failure));
    return EXIT_IO;
}
