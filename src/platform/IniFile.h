#pragma once
// Profile (INI) files as the program's room, catalogue, language and settings files use them:
// section and key names match without regard to case, an absent key gives the caller's
// default, integers are decimal or "0x" hexadecimal, sections keep their file order, and a
// value runs to the end of its line with the blanks around it removed. LF, CR LF and a lone
// CR each end a line. Of two sections with the same name the first holds the keys: a later
// one adds nothing, as of two equal keys in a section the first counts.
//
// The whole file is held in memory as one text, and names and values are places in it rather
// than copies, so that reading a file costs little more than its bytes. Reading a file finds
// its sections; the keys of a section are read from its text when first asked for. Save
// writes it anew in one piece. Comments and lines outside any section are not kept. A file
// read from disk remembers its encoding (see TextCodec.h) and is written back in it while its
// text fits.

#include "platform/TextCodec.h"

#include "platform/FileIo.h"
#include "platform/FoldedIndex.h"

#include <cstdint>
#include <functional>
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
    // The sections one by one, for files of very many: a name stays valid until the next write.
    size_t SectionCount() const { return sections_.size(); }
    std::string_view SectionName(size_t section) const { return View(sections_[section].name); }
    bool HasSection(std::string_view section) const;
    void EraseSection(std::string_view section);
    // Key names of a section in file order.
    std::vector<std::string> KeyNames(std::string_view section) const;
    std::optional<size_t> SectionNumber(std::string_view section) const;
    // Calls visit(key, value) for each key of the section of that number, in file order. It
    // changes nothing, unlike a look-up of a key, which first reads its section's keys into the
    // file's lists: several threads may read a file through it at once while none looks keys up.
    using KeyVisitor = std::function<void(std::string_view key, std::string_view value)>;
    void ForEachKey(size_t section, const KeyVisitor& visit) const;

    class SectionView;
    class SectionWriter;
    // A section found once for reading many of its keys; an absent one holds no keys.
    SectionView Section(std::string_view name) const;
    // A section found once, or added at the end, for writing many of its keys.
    SectionWriter WriteSection(std::string_view name);

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
    static constexpr uint32_t None = UINT32_MAX;
    // A section of this many keys gets an index of them.
    static constexpr uint32_t IndexedFrom = 64;
    // A stretch of text_.
    struct Span {
        uint32_t offset = 0;
        uint32_t size = 0;
    };
    // The entries of a section are chained in file order.
    struct Entry {
        Span key;
        Span value;
        uint32_t next = None;
    };
    // A section read from a file keeps the text of its keys, its body, unread until its keys
    // are first asked for; until then first and last hold where the body begins and ends.
    struct SectionRecord {
        Span name;
        uint32_t first = None;
        uint32_t last = None;
        uint32_t count = 0;  // Unread while the body is unread
    };
    static constexpr uint32_t Unread = None;

    // Takes the text as its own and reads its sections.
    static CIniFile Adopt(std::string text);

    std::string_view View(Span span) const { return {text_.data() + span.offset, span.size}; }
    // Whether a text lies in text_.
    bool Holds(std::string_view text) const;
    // Appends to the text; the text may be a part of it.
    Span Store(std::string_view text);
    void SetValue(Entry& entry, std::string_view value);
    // Drops the text that no name or value refers to any more.
    void Compact();

    std::optional<uint32_t> FindSection(std::string_view section) const;
    uint32_t AddSection(Span name);
    uint32_t FindOrAddSection(std::string_view section);
    void ReindexSections();
    // Reads an unread section's keys into the lists, which reading fills in as it goes: hence
    // these change the lists of a const file.
    void ReadBody(uint32_t section) const;
    std::optional<uint32_t> FindEntry(uint32_t section, std::string_view key) const;
    // The caller has made sure the key is not there yet.
    void AddEntry(uint32_t section, Span key, Span value) const;
    // Keeps the index of a long section's keys up to date with its last key.
    void IndexKeys(uint32_t section) const;

    std::string text_;
    mutable size_t unusedText_ = 0;  // bytes of text_ that nothing refers to
    mutable std::vector<SectionRecord> sections_;
    mutable std::vector<Entry> entries_;
    TextEncoding encoding_ = TextEncoding::Utf8;
    FoldedIndex sectionIndex_;
    // A section holds a few dozen keys at most, so its keys are searched in order: cheaper than
    // a hash table for each of the thousands of sections of a large room. A section too long
    // for that, as the walls of a room can be, has an index of its keys here.
    mutable std::unordered_map<uint32_t, FoldedIndex> keyIndexes_;
    // Readers and writers take the sections often in file order, so the section after the one
    // found last and that one are tried first.
    mutable uint32_t lastFound_ = 0;
};

// Keys are mostly read in the order they were written, so each is looked for first right after
// the one found last: reading a section in file order costs one comparison a key. The view and
// the values it gives are valid while the file is not written to.
class CIniFile::SectionView {
public:
    bool Has(std::string_view key) const { return Find(key) != None; }
    std::optional<std::string_view> Value(std::string_view key) const;
    std::string_view Text(std::string_view key, std::string_view fallback) const;
    // By the rules of ReadInteger and ReadBool.
    int32_t Integer(std::string_view key, int32_t fallback) const;
    bool Bool(std::string_view key, bool fallback) const { return Integer(key, fallback ? 1 : 0) > 0; }

private:
    friend class CIniFile;
    SectionView(const CIniFile& file, uint32_t section);
    uint32_t Find(std::string_view key) const;

    const CIniFile* file_;
    uint32_t section_;
    mutable uint32_t next_;  // the entry tried first
};

// Valid until a section of the file is erased.
class CIniFile::SectionWriter {
public:
    void String(std::string_view key, std::string_view value);
    void Integer(std::string_view key, int64_t value);

private:
    friend class CIniFile;
    SectionWriter(CIniFile& file, uint32_t section);

    CIniFile* file_;
    uint32_t section_;
    // Writing a new section, as saving a room does, is the common case: while every key of the
    // section came through this writer, a key whose bit (of 64, by its length and outer letters)
    // none of them set is new without a search.
    uint32_t ownKeys_;  // None once the section holds keys of others
    uint64_t keyBits_ = 0;
};

// An integer by the reader's rules, or NotAProfileInteger when the text is not one: a 64-bit
// answer, since returning an optional costs a trip through memory, and numbers are most of
// what a room file holds.
constexpr int64_t NotAProfileInteger = INT64_MIN;
int64_t ProfileInteger(std::string_view text);

// The same, as nothing when the text is not one.
inline std::optional<int32_t> ParseProfileInteger(std::string_view text)
{
    const int64_t number = ProfileInteger(text);
    return number == NotAProfileInteger ? std::nullopt : std::optional<int32_t>(static_cast<int32_t>(number));
}
