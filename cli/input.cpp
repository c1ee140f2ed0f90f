// Standard input's bytes into lines: the byte-order mark, UTF-16 and the
// Ctrl-Z end mark.
#include "input.h"

#include <algorithm>
#include <cstring>

#include "utf8.h"

namespace {

const char CTRL_Z = '\x1A';

struct Mark {
    const char* bytes;
    std::size_t size;
};

const Mark UTF8_MARK = {"\xEF\xBB\xBF", 3};
const Mark UTF16LE_MARK = {"\xFF\xFE", 2};
const Mark UTF16BE_MARK = {"\xFE\xFF", 2};
const std::size_t LONGEST_MARK = 3;

// What may follow a Ctrl-Z that ends the input.
bool EndsTheInput(char ch)
{
    return ch == CTRL_Z || ch == '\r' || ch == '\n';
}

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

}  // namespace

void InputLines::Take(const char* bytes, std::size_t size, std::vector<std::string>& lines)
{
    if (encoding_ == Encoding::UNKNOWN) {
        const std::size_t wanted = std::min(size, LONGEST_MARK - head_.size());
        head_.append(bytes, wanted);
        bytes += wanted;
        size -= wanted;
        if (!Decide(false, lines))
            return;
    }
    if (encoding_ == Encoding::UTF8)
        TakeText(bytes, bytes + size, lines);
    else
        TakeUtf16(bytes, size, false, lines);
}

void InputLines::End(std::vector<std::string>& lines)
{
    if (encoding_ == Encoding::UNKNOWN)
        Decide(true, lines);
    if (encoding_ != Encoding::UTF8)
        TakeUtf16(nullptr, 0, true, lines);
    held_.clear();  // the end mark, and the line ends after it
    if (!line_.empty())
        EndLine(lines);
}

bool InputLines::Decide(bool atEnd, std::vector<std::string>& lines)
{
    const struct {
        Mark mark;
        Encoding encoding;
    } marks[] = {{UTF8_MARK, Encoding::UTF8}, {UTF16LE_MARK, Encoding::UTF16LE}, {UTF16BE_MARK, Encoding::UTF16BE}};
    Encoding found = Encoding::UTF8;
    std::size_t skipped = 0;
    for (const auto& candidate : marks) {
        const std::size_t common = std::min(head_.size(), candidate.mark.size);
        if (head_.compare(0, common, candidate.mark.bytes, common) != 0)
            continue;
        if (common < candidate.mark.size) {
            if (!atEnd)
                return false;  // the rest of this mark may be in the next piece
            continue;
        }
        found = candidate.encoding;
        skipped = candidate.mark.size;
        break;
    }
    encoding_ = found;
    const std::string rest = head_.substr(skipped);
    head_.clear();
    if (encoding_ == Encoding::UTF8)
        TakeText(rest.data(), rest.data() + rest.size(), lines);
    else
        TakeUtf16(rest.data(), rest.size(), false, lines);
    return true;
}

void InputLines::TakeUtf16(const char* bytes, std::size_t size, bool atEnd, std::vector<std::string>& lines)
{
    units_.append(bytes, size);
    const bool little = encoding_ == Encoding::UTF16LE;
    std::u16string text;
    text.reserve(units_.size() / 2);
    std::size_t used = 0;
    for (; used + 1 < units_.size(); used += 2) {
        const char16_t first = static_cast<unsigned char>(units_[used]);
        const char16_t second = static_cast<unsigned char>(units_[used + 1]);
        text += static_cast<char16_t>(little ? first | second << 8 : first << 8 | second);
    }
    // A high surrogate waits for its partner, which the next piece may bring.
    if (!atEnd && !text.empty() && IsHighSurrogate(text.back())) {
        text.pop_back();
        used -= 2;
    }
    std::string utf8 = Utf16ToUtf8(text);
    if (atEnd && used < units_.size())
        utf8 += "\xEF\xBF\xBD";  // U+FFFD for a last unit cut short
    units_.erase(0, atEnd ? units_.size() : used);
    TakeText(utf8.data(), utf8.data() + utf8.size(), lines);
}

void InputLines::TakeText(const char* at, const char* end, std::vector<std::string>& lines)
{
    while (at < end) {
        if (!held_.empty()) {
            const char* other = std::find_if_not(at, end, EndsTheInput);
            held_.append(at, other);
            if (other == end)
                return;
            // Text follows: the Ctrl-Z was a character of its line, no end.
            const std::string released = std::move(held_);
            held_.clear();
            Split(released.data(), released.data() + released.size(), false, lines);
            at = other;
        }
        at = Split(at, end, true, lines);
    }
}

const char* InputLines::Split(const char* at, const char* end, bool holdAtMark, std::vector<std::string>& lines)
{
    while (at < end) {
        const void* found = std::memchr(at, '\n', static_cast<std::size_t>(end - at));
        const char* newline = found ? static_cast<const char*>(found) : end;
        if (holdAtMark) {
            const void* mark = std::memchr(at, CTRL_Z, static_cast<std::size_t>(newline - at));
            if (mark) {
                line_.append(at, static_cast<const char*>(mark));
                held_.assign(1, CTRL_Z);
                return static_cast<const char*>(mark) + 1;
            }
        }
        line_.append(at, newline);
        if (newline == end)
            return end;
        EndLine(lines);
        at = newline + 1;
    }
    return end;
}

void InputLines::EndLine(std::vector<std::string>& lines)
{
    if (!line_.empty() && line_.back() == '\r')
        line_.pop_back();
    lines.push_back(std::move(line_));
    line_.clear();
}
