#pragma once
// Profile (INI) files as the program's room, catalogue, language and settings files use them:
// section and key names match without regard to case, an absent key gives the caller's
// default, integers are decimal or "0x" hexadecimal, sections keep their file order, and a
// value runs to the end of its line with the blanks around it removed.
//
// The whole file is held in memory; Save writes it anew in one piece. Comments and lines
// outside any section are not kept.

#include "platform/FileIo.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CIniFile {
public:
    // Reads a file; nothing when it is missing or unreadable (ReadWholeFile says which files
    // are). Text that is not UTF-8 is read as Windows-1252.
    static std::optional<CIniFile> Read(const std::string& path, ReadFailure* failure = nullptr);
    static CIniFile Parse(std::string_view bytes);

    // The file as UTF-8 text with CR LF line ends.
    std::string Text() const;
    // Replaces the file on disk with Text(); throws FileWriteError and leaves it unharmed.
    void Save(const std::string& path) const;

    std::vector<std::string> SectionNames() const;
    bool HasSection(std::string_view section) const;
    void EraseSection(std::string_view section);
    // Key names of a section in file order.
    std::vector<std::string> KeyNames(std::string_view section) const;

    bool HasKey(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // Decimal or "0x"/"0X" hexadecimal, with an optional sign; the leading number of the value
    // counts and wraps to 32 bits as the system's own reader does, so that colours written as
    // "0xEFFFFFFF" come back. A value with no leading number gives the fallback.
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
    std::unordered_map<std::string, size_t> sectionIndex_;  // folded name -> section
    // Readers and writers take a section's keys one after another, so the section found last
    // is tried first.
    mutable size_t lastFound_ = 0;
};

// Parses the leading integer of a text by the reader's rules; nothing when there is none.
std::optional<int32_t> ParseProfileInteger(std::string_view text);
