#include "platform/TextCodec.h"

#include <algorithm>
#include <cstdint>

namespace {

// Windows-1252 bytes 0x80..0x9F; the five bytes the code page leaves undefined map to the
// C1 control of the same number, as the system's own conversion does.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t Cp1252ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return Cp1252High[byte - 0x80];
    return byte;
}

// Length of the valid UTF-8 sequence at the start of the text, or 0 when it is not one.
size_t ValidUtf8Length(std::string_view s)
{
    const auto b0 = static_cast<unsigned char>(s[0]);
    size_t len;
    char32_t min;
    if (b0 < 0x80)
        return 1;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (s.size() < len)
        return 0;
    char32_t cp = b0 & (0x7F >> len);
    for (size_t i = 1; i < len; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    return cp < min || cp > 0x10FFFF || surrogate ? 0 : len;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string DecodeLegacyText(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        // Runs of plain ASCII, most of any file, are copied whole.
        const auto ascii = std::find_if(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; });
        if (ascii != bytes.begin()) {
            const auto run = static_cast<size_t>(ascii - bytes.begin());
            out.append(bytes.substr(0, run));
            bytes.remove_prefix(run);
            continue;
        }
        const size_t len = ValidUtf8Length(bytes);
        if (len > 0) {
            out.append(bytes.substr(0, len));
            bytes.remove_prefix(len);
        } else {
            AppendUtf8(out, Cp1252ToUnicode(static_cast<unsigned char>(bytes[0])));
            bytes.remove_prefix(1);
        }
    }
    return out;
}
