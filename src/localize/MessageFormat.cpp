#include "localize/MessageFormat.h"

std::string FillPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string text;
    auto next = values.begin();
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char following = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && following == 's') {
            if (next != values.end())
                text += *next++;
            ++i;
        } else if (pattern[i] == '%' && following == '%') {
            text += '%';
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
