#pragma once
// One section of a language file as a table of strings by number.
//
// A key contributes when the characters from its fifth on form a non-negative decimal number
// that fits 32 bits; its first four characters, whatever they are, only make keys such as
// "Text12" readable. The strings are kept by number rather than in an array indexed by it,
// so that a key like "Text2000000000" costs one entry, not two billion.

#include <cstdint>
#include <map>
#include <string>

class CIniFile;

class CLocStrings {
public:
    // Replaces the table by the numbered keys of `section`, in file order, so that of two
    // keys with the same number the later wins. Values have "\n" turned into line breaks and
    // lose the text from their last "#" on. False when the file has no such section.
    bool Read(const CIniFile& ini, const std::string& section);
    // String `number`; false when it was never set or is empty.
    bool Get(int32_t number, std::string& text) const;

    const std::string& Name() const { return name_; }

private:
    std::string name_;
    std::map<int32_t, std::string> strings_;
};
