#pragma once
// The text forms of values in room and catalogue files.

#include "base/CFont.h"
#include "base/Colour.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// "0x" and upper-case hexadecimal, at least six digits.
std::string ColourText(Colour colour);

// Reads up to `count` decimal integers separated by `separator`, in the manner of a scanf
// format such as "%d|%d|%d": blanks before a number are skipped, reading stops at the first
// mismatch, numbers beyond the int32 range saturate. Returns the numbers read.
std::vector<int32_t> ScanIntegers(std::string_view text, size_t count, char separator = '|');

// Joins integers with "|".
std::string JoinIntegers(const int32_t* values, size_t count);

// A caption as one line: each line break becomes the two characters "\n", and a text that
// holds "#" gets one more "#" at its end, which the reader cuts off again.
std::string EscapeText(std::string_view caption);
// The text of a stored caption or language string: "\n" becomes CR LF, and the text from the
// last "#" on is cut (what follows it is a comment).
std::string UnescapeText(std::string_view value);

// "face|size|charset|pitch|style".
std::string FontText(const CFont& font);
// The font of a stored text; nothing for an empty text. A text without "|" gives the default
// font; otherwise the fields after the face start from size 10, the default character set,
// default pitch and no style, and a field that cannot be read keeps its preset.
std::optional<CFont> ParseFontText(std::string_view text);
