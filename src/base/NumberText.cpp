#include "base/NumberText.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace {

constexpr int SignificantDigits = 7;

double RoundToSignificantDigits(double value, int digits)
{
    char text[64];
    const auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, digits - 1);
    double rounded = value;
    std::from_chars(text, written.ptr, rounded);
    return rounded;
}

// Digits in groups of three from the right.
std::string Grouped(std::string_view digits, const std::string& separator)
{
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += separator;
        grouped += digits[i];
    }
    return grouped;
}

std::string FormatNumber(double value, const NumberPunctuation& punctuation, int decimals)
{
    char text[400];  // the longest double in fixed notation has 309 integer digits
    const auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    const std::string_view number(text, static_cast<size_t>(written.ptr - text));
    const size_t point = number.find('.');
    if (point == std::string_view::npos)
        return Grouped(number, punctuation.groupSeparator);
    return Grouped(number.substr(0, point), punctuation.groupSeparator) + punctuation.decimalPoint +
           std::string(number.substr(point + 1));
}

}  // namespace

std::string DecimalText(double value, const NumberPunctuation& punctuation, int decimals)
{
    const std::string digits =
        FormatNumber(RoundToSignificantDigits(std::fabs(value), SignificantDigits), punctuation, decimals);
    return value < 0 ? "-" + digits : digits;
}
