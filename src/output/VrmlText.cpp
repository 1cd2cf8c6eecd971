#include "output/VrmlText.h"

#include <charconv>
#include <limits>
#include <stdexcept>

std::string Fixed2(double value)
{
    // Room enough for every finite double written in full.
    char buffer[std::numeric_limits<double>::max_exponent10 + 32];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    return std::string(buffer, error == std::errc() ? end : buffer);
}

std::string VrmlQuoted(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size());
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted;
}

std::string FileUrl(std::string_view absolutePath)
{
    constexpr std::string_view Kept = "-._~/";
    constexpr char Hex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char c : absolutePath) {
        const auto byte = static_cast<unsigned char>(c);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            Kept.find(c) != std::string_view::npos) {
            url += c;
        } else {
            url += '%';
            url += Hex[byte >> 4];
            url += Hex[byte & 0xF];
        }
    }
    return url;
}

void AppendLine(std::string& out, std::string_view pattern, std::initializer_list<VrmlValue> values)
{
    const VrmlValue* value = values.begin();
    for (;;) {
        const size_t at = pattern.find('%');
        out += pattern.substr(0, at);
        if (at == std::string_view::npos)
            break;
        pattern.remove_prefix(at);
        if (value == values.end())
            throw std::logic_error("a VRML line lacks a value");
        if (pattern.starts_with("%s") && std::holds_alternative<std::string_view>(*value)) {
            out += std::get<std::string_view>(*value++);
            pattern.remove_prefix(2);
        } else if (pattern.starts_with("%.2f") && std::holds_alternative<double>(*value)) {
            out += Fixed2(std::get<double>(*value++));
            pattern.remove_prefix(4);
        } else {
            throw std::logic_error("a VRML value does not fit its placeholder");
        }
    }
    if (value != values.end())
        throw std::logic_error("a VRML line has more values than placeholders");
    out += '\n';
}
