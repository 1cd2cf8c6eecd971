#pragma once
// Decoding of text files that may come from older systems.

#include <string>
#include <string_view>

// Returns the bytes as UTF-8: a leading UTF-8 byte-order mark is dropped, valid UTF-8
// sequences are kept, and every other byte is read as Windows-1252, so that files written in
// that code page open with their accented letters intact.
std::string DecodeLegacyText(std::string_view bytes);

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t codePoint);
