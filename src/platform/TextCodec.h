#pragma once
// Text files from other systems: which encoding a file's bytes are in, their UTF-8 form, and
// the bytes of UTF-8 text in a given encoding.
//
// How a file's encoding is found:
// 1. A byte-order mark decides: EF BB BF is UTF-8, FF FE UTF-16 little-endian, FE FF UTF-16
//    big-endian. UTF-16 text must be whole: an odd number of bytes or a broken surrogate pair
//    refuses the file.
// 2. Text that is valid UTF-8 throughout is UTF-8 (plain ASCII included).
// 3. Anything else is a Windows single-byte code page, Central European (1250) or Western
//    (1252). Each byte that the two read as different letters votes for the code page in
//    whose languages its letter is the more likely: "ě", "ř", "ů", "ł", "ż" for 1250; "à",
//    "å", "æ", "ñ", "½" for 1252; letters common to both, such as "ä", "é", "š", "ž", do not
//    vote. The larger vote wins; a tie, as in German text, goes to the hint, which follows
//    the interface language.
// A NUL character, in any encoding, means the file is not text at all, and refuses it.

#include <optional>
#include <string>
#include <string_view>

enum class TextEncoding { Utf8, Utf8WithMark, Utf16LE, Utf16BE, Windows1250, Windows1252 };

// The code page a file without a Unicode encoding leans to when its letters do not decide.
enum class CodePageHint { Western, CentralEuropean };

enum class DecodeProblem { None, NotText, DamagedUtf16 };

struct DecodedText {
    std::string text;  // UTF-8, without a byte-order mark
    TextEncoding encoding = TextEncoding::Utf8;
    DecodeProblem problem = DecodeProblem::None;  // when set, text is empty
};

DecodedText DecodeText(std::string_view bytes, CodePageHint hint);
// The same, keeping the bytes as the text when they are UTF-8 already.
DecodedText DecodeText(std::string&& bytes, CodePageHint hint);

// The bytes of UTF-8 text in an encoding, with its byte-order mark where it has one; nothing
// when a character has no place in a single-byte code page.
std::optional<std::string> EncodeText(std::string_view utf8, TextEncoding encoding);
