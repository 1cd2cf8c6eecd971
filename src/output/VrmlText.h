#pragma once
// The text of a VRML scene: numbers, quoted strings and URLs, and lines made from patterns
// with "%s" and "%.2f" placeholders.

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

// A number with two decimals and a point whatever the locale: viewers parse the scene, so it
// must never follow the user's number format.
std::string Fixed2(double value);

// The text as it must stand between the double quotes of a VRML string.
std::string VrmlQuoted(std::string_view text);

// A file URL for an absolute path. Every byte but letters, digits, "-._~" and "/" is
// percent-encoded, so that spaces, "#", "%" and quotes in folder names survive both the URL
// and the VRML string that holds it.
std::string FileUrl(std::string_view absolutePath);

// A "%s" placeholder takes text, a "%.2f" one a number.
using VrmlValue = std::variant<std::string_view, double>;

// Appends the pattern with its placeholders filled in order, and a line feed. Throws
// std::logic_error when the values do not match the placeholders.
void AppendLine(std::string& out, std::string_view pattern, std::initializer_list<VrmlValue> values);
