#include "platform/RoomFileText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <iterator>
#include <limits>

std::string ColourText(Colour colour)
{
    char digits[8];
    char* end = std::to_chars(digits, digits + sizeof digits, colour, 16).ptr;
    std::string text = "0x";
    text.append(std::max<ptrdiff_t>(0, 6 - (end - digits)), '0');
    std::transform(digits, end, std::back_inserter(text), [](char c) { return c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c; });
    return text;
}

namespace {

// One "%d": optional blanks, an optional sign, at least one digit.
std::optional<int32_t> ScanInteger(std::string_view& text)
{
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i])))
        return std::nullopt;
    int64_t value = 0;
    constexpr int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = std::min(value * 10 + (text[i] - '0'), limit);
    text.remove_prefix(i);
    value = negative ? -value : std::min(value, limit - 1);
    return static_cast<int32_t>(value);
}

}  // namespace

std::vector<int32_t> ScanIntegers(std::string_view text, size_t count, char separator)
{
    std::vector<int32_t> values;
    while (values.size() < count) {
        if (!values.empty()) {
            if (text.empty() || text[0] != separator)
                break;
            text.remove_prefix(1);
        }
        const std::optional<int32_t> value = ScanInteger(text);
        if (!value)
            break;
        values.push_back(*value);
    }
    return values;
}

std::string JoinIntegers(const int32_t* values, size_t count)
{
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0)
            text += '|';
        text += std::to_string(values[i]);
    }
    return text;
}

std::string EscapeText(std::string_view caption)
{
    std::string value;
    value.reserve(caption.size() + 1);
    for (size_t i = 0; i < caption.size(); ++i) {
        const char c = caption[i];
        if (c == '\r' || c == '\n') {
            // CR LF, a lone CR and a lone LF are each one line break.
            if (c == '\r' && i + 1 < caption.size() && caption[i + 1] == '\n')
                ++i;
            value += "\\n";
        } else {
            value += c;
        }
    }
    if (value.find('#') != std::string::npos)
        value += '#';
    return value;
}

std::string UnescapeText(std::string_view value)
{
    value = value.substr(0, std::min(value.size(), value.rfind('#')));
    std::string caption;
    caption.reserve(value.size() + 8);
    for (size_t escape = value.find("\\n"); escape != std::string_view::npos; escape = value.find("\\n")) {
        caption.append(value.substr(0, escape)).append("\r\n");
        value.remove_prefix(escape + 2);
    }
    return caption.append(value);
}

std::string FontText(const CFont& font)
{
    const int32_t fields[] = {font.size, font.charSet, font.pitch, font.style};
    return font.face + '|' + JoinIntegers(fields, 4);
}

std::optional<CFont> ParseFontText(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    CFont font;
    const size_t bar = text.find('|');
    if (bar == std::string_view::npos)
        return font;
    font.face = text.substr(0, bar);
    int32_t fields[] = {10, CFont::DefaultCharSet, CFont::DefaultPitch, 0};
    const std::vector<int32_t> read = ScanIntegers(text.substr(bar + 1), 4);
    std::copy(read.begin(), read.end(), fields);
    font.size = fields[0];
    font.charSet = fields[1];
    font.pitch = fields[2];
    font.style = fields[3];
    return font;
}
