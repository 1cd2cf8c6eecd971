#pragma once
// Profile (INI) files as the program's room, catalogue, language and settings files use them:
// section and key names match without regard to case, an absent key gives the caller's
// default, integers are decimal or "0x" hexadecimal, sections keep their file order, and a
// value runs to the end of its line with the blanks around it removed. LF, CR LF and a lone
// CR each end a line. Of two sections with the same name the first holds the keys: a later
// one adds nothing, as of two equal keys in a section the first counts.
//
// The whole file is held in memory; Save writes it anew in one piece. Comments and lines
// outside any section are not kept. A file read from disk remembers its encoding (see
// TextCodec.h) and is written back in it while its text fits.

#include "platform/TextCodec.h"

#include "platform/FileIo.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CIniFile {
public:
    // Reads a file in whichever encoding it is; nothing, and why through `failure`, when it is
    // missing, unreadable, not a regular file, too large or not text.
    static std::optional<CIniFile> Read(const std::string& path, CodePageHint hint = CodePageHint::Western,
                                        ReadFailure* failure = nullptr);
    // The sections of UTF-8 text.
    static CIniFile Parse(std::string_view text);

    // The file as UTF-8 text with CR LF line ends.
    std::string Text() const;
    // The encoding Save writes in: UTF-8 for a new file, else the one it was read in.
    TextEncoding Encoding() const { return encoding_; }
    void SetEncoding(TextEncoding encoding) { encoding_ = encoding; }
    // Replaces the file on disk with Text() in Encoding(), or in UTF-8 when a character has
    // no place in it, and returns the encoding written. Throws FileWriteError and leaves the
    // file unharmed.
    TextEncoding Save(const std::string& path) const;

    std::vector<std::string> SectionNames() const;
    bool HasSection(std::string_view section) const;
    void EraseSection(std::string_view section);
    // Key names of a section in file order.
    std::vector<std::string> KeyNames(std::string_view section) const;

    bool HasKey(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // Decimal or "0x"/"0X" hexadecimal, with an optional sign. A value that is not wholly a
    // number, or is beyond 32 bits, gives the fallback. Values up to 0xFFFFFFFF (4294967295)
    // wrap to negative numbers, so that colours written as "0xEFFFFFFF" come back.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

    // A value is one line: line breaks in it are written as blanks.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int64_t value);

private:
    // A section holds a few dozen keys at most, so its keys are searched in order: cheaper than
    // a hash table for each of the thousands of sections of a large room.
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
        // Folded key -> entry, kept once a section is too long to search in order, as the
        // walls of a room can be.
        std::unordered_map<std::string, size_t> index;
        const std::string* Find(std::string_view key) const;
        std::string* Find(std::string_view key);
        // The caller has made sure the key is not there yet.
        void Add(std::string_view key, std::string value);
    };

    const Section* Find(std::string_view section) const;
    Section& FindOrAdd(std::string_view section);
    void ReindexSections();

    std::vector<Section> sections_;
    TextEncoding encoding_ = TextEncoding::Utf8;
    std::unordered_map<std::string, size_t> sectionIndex_;  // folded name -> section
    // Readers and writers take a section's keys one after another, so the section found last
    // is tried first.
    mutable size_t lastFound_ = 0;
};

// An integer by the reader's rules; nothing when the text is not one.
std::optional<int32_t> ParseProfileInteger(std::string_view text);
