#include "platform/TextCodec.h"

#include <ostream>
#include <string_view>

#include <gtest/gtest.h>

using namespace std::literals;

namespace {

struct EncodingCase {
    const char* name;
    std::string_view bytes;
    CodePageHint hint;
    std::string_view text;
    TextEncoding encoding;
};

constexpr auto Western = CodePageHint::Western;
constexpr auto Central = CodePageHint::CentralEuropean;

const EncodingCase EncodingCases[] = {
    {"Ascii", "Width=500", Central, "Width=500", TextEncoding::Utf8},
    {"Utf8", "St\xC5\xAFl, Kuchyn\xC4\x9B", Western, "Stůl, Kuchyně", TextEncoding::Utf8},
    {"Utf8WithMark", "\xEF\xBB\xBFK\xC3\xBC" "che", Western, "Küche", TextEncoding::Utf8WithMark},
    {"Utf16LittleEndian", "\xFF\xFE=\xD8\xCB\xDE \x00S\x00t\x00o\x01l\x00"sv, Western, "🛋 Stůl", TextEncoding::Utf16LE},
    {"Utf16BigEndian", "\xFE\xFF\x00S\x00k\x01Y\x00\xED\x01H"sv, Western, "Skříň", TextEncoding::Utf16BE},
    {"CzechIn1250", "\x8A" "atn\xED sk\xF8\xED\xF2, Kuchyn\xEC, St\xF9l", Western, "Šatní skříň, Kuchyně, Stůl",
     TextEncoding::Windows1250},
    {"PolishIn1250", "\xA3\xF3\xBFko, P\xF3\xB3ka", Western, "Łóżko, Półka", TextEncoding::Windows1250},
    // Letters both code pages share do not decide: the interface language does.
    {"GermanIn1252", "K\xFC" "che, Schrank, T\xFCr, Fu\xDF" "bank", Western, "Küche, Schrank, Tür, Fußbank",
     TextEncoding::Windows1252},
    {"GermanUnderCzechInterface", "K\xFC" "che, T\xFCr", Central, "Küche, Tür", TextEncoding::Windows1250},
    {"CzechUnderCzechInterface", "Po\xE8\xEDta\xE8", Central, "Počítač", TextEncoding::Windows1250},
    {"FrenchUnderCzechInterface", "Lit \xE0 deux places, \xC9tag\xE8re", Central, "Lit à deux places, Étagère",
     TextEncoding::Windows1252},
    {"DanishUnderCzechInterface", "K\xF8leskab p\xE5 v\xE6g", Central, "Køleskab på væg", TextEncoding::Windows1252},
    // An overlong sequence is no UTF-8; of two letters, the more common one's code page wins.
    {"OverlongUtf8", "a\xC1\xA1", Central, "aÁ¡", TextEncoding::Windows1252},
    {"StrongerVoteWins", "\x9F\xE0", Central, "Ÿà", TextEncoding::Windows1252},
    {"StrongerVotesWin", "\x9D\xE0\xC0", Central, "\u009DàÀ", TextEncoding::Windows1252},
    // The first letters past one byte of UTF-8 and past one unit of UTF-16, and the first of
    // the code page's upper half that it shares with Latin-1.
    {"Utf16EdgesOfTheirRanges", "\xFF\xFE\x00\xD8\x00\xDC\x80\x00"sv, Western, "\U00010000\u0080", TextEncoding::Utf16LE},
    {"NoBreakSpace", "K\xFC" "che\xA0", Western, "K\u00FC" "che\u00A0", TextEncoding::Windows1252},
    // The undefined bytes keep their numbers and come back unchanged.
    {"UndefinedBytes", "\x80\x81\x90", Western, "€\u0081\u0090", TextEncoding::Windows1252},
};

void PrintTo(const EncodingCase& c, std::ostream* out)
{
    *out << c.name;
}

class TextCodecEncodings : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(TextCodecEncodings, DecodesAndWritesBackTheSameBytes)
{
    const EncodingCase& c = GetParam();
    const DecodedText decoded = DecodeText(c.bytes, c.hint);
    EXPECT_EQ(decoded.problem, DecodeProblem::None);
    EXPECT_EQ(decoded.text, c.text);
    EXPECT_EQ(decoded.encoding, c.encoding);
    EXPECT_EQ(EncodeText(decoded.text, decoded.encoding), std::string(c.bytes));
}

INSTANTIATE_TEST_SUITE_P(Words, TextCodecEncodings, ::testing::ValuesIn(EncodingCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

TEST(TextCodec, RefusesWhatIsNotTextAndWritesOnlyWhatFits)
{
    for (const std::string_view bytes : {"a\0b"sv, "\xFF\xFEz\x00\x00\x00"sv})
        EXPECT_EQ(DecodeText(bytes, Western).problem, DecodeProblem::NotText);
    // An odd length, lone low halves at both ends of their range, a high half at the end.
    for (const std::string_view bytes : {"\xFF\xFEz"sv, "\xFF\xFE\x00\xDC"sv, "\xFF\xFE\xFF\xDF"sv, "\xFE\xFF\xD8\x3D"sv})
        EXPECT_EQ(DecodeText(bytes, Western).problem, DecodeProblem::DamagedUtf16);
    EXPECT_EQ(EncodeText("Stůl", TextEncoding::Windows1252), std::nullopt);
    EXPECT_EQ(EncodeText("Tür €", TextEncoding::Windows1250), "T\xFCr \x80");
    EXPECT_EQ(EncodeText("\xC3", TextEncoding::Windows1252), std::nullopt) << "not UTF-8";
}
