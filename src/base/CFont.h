#pragma once
// The caption font of a label.

#include <cstdint>
#include <string>

struct CFont {
    enum Pitch : int32_t { DefaultPitch = 0, VariablePitch = 1, FixedPitch = 2 };
    enum Style : int32_t { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
    // The character set a font gets when nothing else is said.
    static constexpr int32_t DefaultCharSet = 1;

    std::string face = "Sans Serif";
    int32_t size = 8;  // points
    int32_t charSet = DefaultCharSet;
    int32_t pitch = DefaultPitch;
    int32_t style = 0;  // a set of Style bits

    friend bool operator==(const CFont&, const CFont&) = default;
};
