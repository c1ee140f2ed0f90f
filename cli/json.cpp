// JSON string literals.
#include "json.h"

std::string JsonString(const std::string& text)
{
    static const char HEX[] = "0123456789abcdef";
    std::string out = "\"";
    out.reserve(text.size() + 2);
    for (const char ch : text) {
        switch (ch) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (static_cast<unsigned char>(ch) < 0x20) {
                out += "\\u00";
                out += HEX[ch >> 4];
                out += HEX[ch & 0xF];
            } else {
                out += ch;
            }
        }
    }
    return out + "\"";
}

std::string JsonValue(const std::optional<std::string>& text)
{
    return text ? JsonString(*text) : "null";
}
