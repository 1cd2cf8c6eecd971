#include "platform/TextCodec.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>

namespace {

// Bytes 0x80..0xFF of Windows-1250. The bytes the code page leaves undefined map to the C1
// control of the same number, as the system's own conversion does, so they come back as
// they were.
constexpr std::array<char16_t, 128> Cp1250High = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// Bytes 0x80..0x9F of Windows-1252, undefined ones as above; from 0xA0 on it is Latin-1.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// How strongly a byte speaks for Windows-1250 (positive) or 1252 (negative): its letters in
// the two code pages, weighed by how common each is in the languages that use it. Bytes not
// listed read alike in both or tell nothing.
struct Vote {
    unsigned char byte;
    int8_t weight;
};
constexpr Vote Votes[] = {
    {0x8D, 2},  {0x8F, 2},  {0x9D, 2},  {0x9F, 1},  {0x8C, 1},  {0x9C, 1},   // Ť Ź ť ź Ś ś / undefined, Ÿ, Œ, œ
    {0xA3, 2},  {0xA5, 2},  {0xAF, 2},  {0xB3, 2},  {0xB9, 2},  {0xBF, 1},   // Ł Ą Ż ł ą ż / £ ¥ ¯ ³ ¹ ¿
    {0xAA, 1},  {0xBA, 1},  {0xBC, 1},  {0xBE, 1},                           // Ş ş Ľ ľ / ª º ¼ ¾
    {0xCC, 1},  {0xEC, 2},  {0xF8, 1},  {0xF9, 1},  {0xF2, 1},  {0xF5, 1},   // Ě ě ř ů ň ő / Ì ì ø ù ò õ
    {0xC0, -1}, {0xE0, -2}, {0xC5, -1}, {0xE5, -2}, {0xE6, -1}, {0xF1, -1},  // Ŕ ŕ Ĺ ĺ ć ń / À à Å å æ ñ
    {0x83, -1}, {0x88, -1}, {0x98, -1}, {0xFF, -1},                          // undefined, ˙ / ƒ ˆ ˜ ÿ
    {0xA1, -1}, {0xA2, -1}, {0xB2, -1}, {0xBD, -1},                          // ˇ ˘ ˛ ˝ / ¡ ¢ ² ½
};

char32_t FromCodePage(unsigned char byte, TextEncoding codePage)
{
    if (byte < 0x80)
        return byte;
    if (codePage == TextEncoding::Windows1250)
        return Cp1250High[byte - 0x80];
    return byte < 0xA0 ? Cp1252High[byte - 0x80] : byte;
}

std::optional<unsigned char> ToCodePage(char32_t cp, TextEncoding codePage)
{
    if (cp < 0x80)
        return static_cast<unsigned char>(cp);
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte)
        if (FromCodePage(static_cast<unsigned char>(byte), codePage) == cp)
            return static_cast<unsigned char>(byte);
    return std::nullopt;
}

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

// The code point of the valid UTF-8 sequence at the start of the text and its length; a
// length of 0 when it is not one (truncated, overlong, a surrogate or beyond Unicode).
std::pair<char32_t, size_t> NextUtf8(std::string_view s)
{
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80)
        return {b0, 1};
    size_t len;
    char32_t min;
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
        return {0, 0};
    }
    if (s.size() < len)
        return {0, 0};
    char32_t cp = b0 & (0x7F >> len);
    for (size_t i = 1; i < len; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80)
            return {0, 0};
        cp = (cp << 6) | (b & 0x3F);
    }
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    return {cp, cp < min || cp > 0x10FFFF || surrogate ? 0 : len};
}

// The length of the plain ASCII the text starts with, taken eight bytes at a time.
size_t AsciiPrefix(std::string_view s)
{
    size_t i = 0;
    for (uint64_t word = 0; i + sizeof word <= s.size(); i += sizeof word) {
        std::memcpy(&word, s.data() + i, sizeof word);
        if ((word & 0x8080808080808080u) != 0)
            break;
    }
    while (i < s.size() && (s[i] & 0x80) == 0)
        ++i;
    return i;
}

bool IsUtf8(std::string_view s)
{
    while (!s.empty()) {
        // Runs of plain ASCII, most of any file, are passed over whole.
        s.remove_prefix(AsciiPrefix(s));
        if (s.empty())
            return true;
        const size_t len = NextUtf8(s).second;
        if (len == 0)
            return false;
        s.remove_prefix(len);
    }
    return true;
}

TextEncoding LikelierCodePage(std::string_view bytes, CodePageHint hint)
{
    std::array<int8_t, 256> weights{};
    for (const Vote& vote : Votes)
        weights[vote.byte] = vote.weight;
    int64_t total = 0;
    for (const char c : bytes)
        total += weights[static_cast<unsigned char>(c)];
    if (total == 0)
        return hint == CodePageHint::CentralEuropean ? TextEncoding::Windows1250 : TextEncoding::Windows1252;
    return total > 0 ? TextEncoding::Windows1250 : TextEncoding::Windows1252;
}

DecodedText DecodeCodePage(std::string_view bytes, TextEncoding codePage)
{
    DecodedText decoded{{}, codePage, DecodeProblem::None};
    decoded.text.reserve(bytes.size());
    for (const char c : bytes)
        AppendUtf8(decoded.text, FromCodePage(static_cast<unsigned char>(c), codePage));
    return decoded;
}

DecodedText FromUtf16(std::string_view bytes, TextEncoding encoding)
{
    const DecodedText damaged{{}, encoding, DecodeProblem::DamagedUtf16};
    if (bytes.size() % 2 != 0)
        return damaged;
    const bool little = encoding == TextEncoding::Utf16LE;
    const auto unit = [&](size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(little ? a | (b << 8) : (a << 8) | b);
    };
    DecodedText decoded{{}, encoding, DecodeProblem::None};
    decoded.text.reserve(bytes.size() / 2);
    for (size_t i = 0; i < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xDC00 && cp <= 0xDFFF)
            return damaged;
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            const char32_t low = i + 3 < bytes.size() ? unit(i + 2) : 0;
            if (low < 0xDC00 || low > 0xDFFF)
                return damaged;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        AppendUtf8(decoded.text, cp);
    }
    return decoded;
}

void AppendUtf16(std::string& out, char32_t cp, bool little)
{
    const auto unit = [&](char32_t u) {
        const char high = static_cast<char>(u >> 8);
        const char low = static_cast<char>(u & 0xFF);
        out += little ? low : high;
        out += little ? high : low;
    };
    if (cp < 0x10000) {
        unit(cp);
    } else {
        unit(0xD800 + ((cp - 0x10000) >> 10));
        unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
    }
}

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

// Which of the two UTF-8 encodings the bytes are in, if either. UTF-16 byte-order marks are
// no UTF-8.
std::optional<TextEncoding> Utf8EncodingOf(std::string_view bytes)
{
    const bool marked = bytes.starts_with(Utf8Mark);
    if (!IsUtf8(bytes.substr(marked ? Utf8Mark.size() : 0)))
        return std::nullopt;
    return marked ? TextEncoding::Utf8WithMark : TextEncoding::Utf8;
}

DecodedText Decode(std::string_view bytes, CodePageHint hint)
{
    if (bytes.starts_with("\xFF\xFE"))
        return FromUtf16(bytes.substr(2), TextEncoding::Utf16LE);
    if (bytes.starts_with("\xFE\xFF"))
        return FromUtf16(bytes.substr(2), TextEncoding::Utf16BE);
    if (const std::optional<TextEncoding> utf8 = Utf8EncodingOf(bytes))
        return {std::string(bytes.substr(*utf8 == TextEncoding::Utf8WithMark ? Utf8Mark.size() : 0)), *utf8,
                DecodeProblem::None};
    return DecodeCodePage(bytes, LikelierCodePage(bytes, hint));
}

// A NUL character, in any encoding, is no text.
DecodedText RefuseNul(DecodedText decoded)
{
    if (decoded.text.find('\0') != std::string::npos)
        return {{}, decoded.encoding, DecodeProblem::NotText};
    return decoded;
}

}  // namespace

DecodedText DecodeText(std::string_view bytes, CodePageHint hint)
{
    return RefuseNul(Decode(bytes, hint));
}

DecodedText DecodeText(std::string&& bytes, CodePageHint hint)
{
    const std::optional<TextEncoding> utf8 = Utf8EncodingOf(bytes);
    if (!utf8)
        return DecodeText(std::string_view(bytes), hint);
    if (*utf8 == TextEncoding::Utf8WithMark)
        bytes.erase(0, Utf8Mark.size());
    return RefuseNul({std::move(bytes), *utf8, DecodeProblem::None});
}

std::optional<std::string> EncodeText(std::string_view utf8, TextEncoding encoding)
{
    std::string out;
    switch (encoding) {
    case TextEncoding::Utf8:
        return std::string(utf8);
    case TextEncoding::Utf8WithMark:
        return "\xEF\xBB\xBF" + std::string(utf8);
    case TextEncoding::Utf16LE:
        out = "\xFF\xFE";
        break;
    case TextEncoding::Utf16BE:
        out = "\xFE\xFF";
        break;
    case TextEncoding::Windows1250:
    case TextEncoding::Windows1252:
        break;
    }
    const bool utf16 = encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE;
    out.reserve(out.size() + utf8.size() * (utf16 ? 2 : 1));
    while (!utf8.empty()) {
        const auto [cp, len] = NextUtf8(utf8);
        // Text that is not UTF-8 after all is kept only by writing its bytes unchanged.
        if (len == 0)
            return std::nullopt;
        utf8.remove_prefix(len);
        if (utf16) {
            AppendUtf16(out, cp, encoding == TextEncoding::Utf16LE);
        } else if (const std::optional<unsigned char> byte = ToCodePage(cp, encoding)) {
            out += static_cast<char>(*byte);
        } else {
            return std::nullopt;
        }
    }
    return out;
}
