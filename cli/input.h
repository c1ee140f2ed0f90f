// Standard input as lines of requests, whatever tool wrote the file. A UTF-8
// byte-order mark at the very start is skipped; UTF-16 with its mark (either
// byte order, as Windows tools write it) is read as such and becomes UTF-8;
// a CR before the line end goes; a Ctrl-Z followed by nothing but line ends
// (the old end-of-file mark of Windows) ends the input. Every other line, a
// blank one too, is a request.
#ifndef KALVORIX_CLI_INPUT_H
#define KALVORIX_CLI_INPUT_H

#include <cstddef>
#include <string>
#include <vector>

class InputLines {
public:
    // Takes the next bytes of the input, in pieces of any size; appends to
    // lines each line they complete, UTF-8 when the input was UTF-16, without
    // its line end.
    void Take(const char* bytes, std::size_t size, std::vector<std::string>& lines);

    // The input has ended: appends its last line, when one stands after the
    // last line end.
    void End(std::vector<std::string>& lines);

private:
    enum class Encoding { UNKNOWN, UTF8, UTF16LE, UTF16BE };

    // Reads the byte-order mark from head_ once it is whole, or once no mark
    // can begin it (at the end of the input, whatever it holds); false while
    // a mark may still be coming. The bytes after the mark go on as text.
    bool Decide(bool atEnd, std::vector<std::string>& lines);
    void TakeUtf16(const char* bytes, std::size_t size, bool atEnd, std::vector<std::string>& lines);
    void TakeText(const char* at, const char* end, std::vector<std::string>& lines);
    // Lines of [at, end) into lines; with holdAtMark it stops after a Ctrl-Z,
    // which then begins held_, and returns where it stopped.
    const char* Split(const char* at, const char* end, bool holdAtMark, std::vector<std::string>& lines);
    void EndLine(std::vector<std::string>& lines);

    Encoding encoding_ = Encoding::UNKNOWN;
    std::string head_;   // the first bytes while the mark is not known
    std::string units_;  // UTF-16: the bytes of a unit or a surrogate pair not yet whole
    std::string line_;   // the line not yet ended
    std::string held_;   // a Ctrl-Z and the line ends after it, while nothing else has followed
};

#endif
