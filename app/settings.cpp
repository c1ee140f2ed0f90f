// The settings file "kalvor.ini" in the current directory: one record "PREC "
// and the precision in decimal, with no line terminator.
#include "settings.h"

#include "state.h"
#include "text.h"
#include "validate.h"

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

const char SETTINGS_FILE[] = "kalvor.ini";      // opened by bare name: the current directory
const char SETTINGS_TEMP[] = "kalvor.ini.tmp";  // the new content, until it replaces the file
const char SETTINGS_KEY[] = "PREC ";

constexpr std::size_t DecimalWidth(int value)
{
    return value < 10 ? 1 : 1 + DecimalWidth(value / 10);
}

// A value text with more characters than PREC_MAX has digits, leading zeros
// aside, is never a precision: either a character is not a digit or the number
// is too large. So that much of the value is all a record needs to keep.
constexpr std::size_t VALUE_KEEP = DecimalWidth(PREC_MAX);

// The first record of the file, fed one byte at a time so that neither a huge
// file nor a huge record is ever held in memory. The key before the first space
// is only counted, and of the value only its significant part is kept.
class FirstRecord {
public:
    void Add(char ch)
    {
        if (length_ < 3)
            ++length_;
        if (ch == ' ' && !spaceSeen_) {
            spaceSeen_ = true;
            leadingSpace_ = length_ == 1;
            value_.clear();  // what came before was the key, not the value
            valueTooLong_ = false;
            return;
        }
        if (value_.empty() && ch == '0')
            return;  // a leading zero changes neither the digits test nor the number
        if (value_.size() < VALUE_KEEP)
            value_ += ch;
        else
            valueTooLong_ = true;
    }

    // Whether the rest of the record can no longer change the verdict: the value
    // has begun and is already too long.
    bool Decided() const { return spaceSeen_ && valueTooLong_; }

    // The precision the record gives, or 0 when the record is bad.
    int Precision() const
    {
        if (length_ == 1 || length_ == 2 || leadingSpace_ || valueTooLong_)
            return 0;
        if (!CheckValidT(value_.data(), static_cast<int>(value_.size())))
            return 0;
        return StrToNum(value_);
    }

private:
    int length_ = 0;  // characters of the record, counted up to 3
    bool spaceSeen_ = false;
    bool leadingSpace_ = false;
    bool valueTooLong_ = false;
    std::string value_;  // the value so far without its leading zeros, at most VALUE_KEEP
};

// Reads the first record of file up to a NUL or the end. False on a read error:
// the file is then as good as unreadable.
bool ReadFirstRecord(std::FILE* file, FirstRecord& record)
{
    char buffer[4096];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
        for (std::size_t k = 0; k < got; ++k) {
            if (buffer[k] == '\0')
                return true;
            record.Add(buffer[k]);
            if (record.Decided())
                return true;
        }
        if (got < sizeof buffer)
            return !std::ferror(file);
    }
}

// Whether the settings file may be replaced: it does not exist, or it could be
// opened for writing in place. A read-only file, or a directory of that name,
// stays as it is. The write bits are looked at first: opening is no test for
// a user such as root, and a read-only file must survive even then.
bool MayReplaceSettings()
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::symlink_status(SETTINGS_FILE, error).type() == fs::file_type::not_found)
        return true;
    const fs::file_status target = fs::status(SETTINGS_FILE, error);
    const fs::perms writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (target.type() == fs::file_type::regular && (target.permissions() & writable) == fs::perms::none)
        return false;
    std::FILE* file = std::fopen(SETTINGS_FILE, "r+");
    if (file == nullptr)
        return false;
    std::fclose(file);
    return true;
}

// The record in place of the old one: the file is cut and written again.
void WriteInPlace(const std::string& content)
{
    std::FILE* file = std::fopen(SETTINGS_FILE, "w");
    if (file == nullptr)
        return;
    std::fwrite(content.data(), 1, content.size(), file);
    std::fclose(file);
}

// Whether anything at all stands under the temporary file's name.
bool TemporaryNameTaken()
{
    std::error_code error;
    return std::filesystem::symlink_status(SETTINGS_TEMP, error).type() != std::filesystem::file_type::not_found;
}

}  // namespace

// Only the first record decides: a bad first record gives PREC_DEFAULT whatever follows,
// and a good one ends the reading, so nothing after it is ever read.
int Loader()
{
    std::FILE* file = std::fopen(SETTINGS_FILE, "r");
    if (file == nullptr)
        return 0;
    FirstRecord record;
    const bool readable = ReadFirstRecord(file, record);
    std::fclose(file);
    if (!readable)
        return 0;
    const int precision = record.Precision();
    iFT = precision > 0 ? precision : PREC_DEFAULT;
    return 0;
}

// The record goes to a temporary file first and then replaces the old one, so a
// write that fails half-way never leaves a damaged or empty settings file. In a
// folder where no file may be made but the settings file may be written (a
// shared or installed folder), it is written in place instead.
int Saver()
{
    if (!MayReplaceSettings())
        return 0;
    const std::string content = SETTINGS_KEY + NumToStr(iFT);
    std::FILE* file = std::fopen(SETTINGS_TEMP, "w");
    if (file == nullptr) {
        // Something of that name (a directory, say) is not the folder refusing.
        if (!TemporaryNameTaken())
            WriteInPlace(content);
        return 0;
    }
    bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    // A full disk shows only when the buffer goes out, and some C libraries
    // report that from fflush but not from fclose: ask both, and check the
    // size that reached the disk.
    written = std::fflush(file) == 0 && !std::ferror(file) && written;
    written = std::fclose(file) == 0 && written;
    std::error_code error;
    written = written && std::filesystem::file_size(SETTINGS_TEMP, error) == content.size() && !error;
    if (written)
        std::filesystem::rename(SETTINGS_TEMP, SETTINGS_FILE, error);
    if (!written || error)
        std::remove(SETTINGS_TEMP);
    return 0;
}
