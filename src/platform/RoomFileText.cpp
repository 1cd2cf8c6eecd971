#include "platform/RoomFileText.h"

#include <algorithm>
#include <cctype>
#include <cinttypes>
#include <cstdio>
#include <limits>

std::string ColourText(Colour colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%06" PRIX32, colour);
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
    std::string caption;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size() && value[i + 1] == 'n') {
            caption += "\r\n";
            ++i;
        } else {
            caption += value[i];
        }
    }
    const size_t hash = caption.rfind('#');
    if (hash != std::string::npos)
        caption.erase(hash);
    return caption;
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
