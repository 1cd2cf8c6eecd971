#include "platform/IniFile.h"

#include "platform/FileIo.h"

#include <algorithm>
#include <utility>

namespace {

std::string Fold(std::string_view name)
{
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

bool SameName(std::string_view a, std::string_view b)
{
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return fold(x) == fold(y); });
}

std::string_view Trim(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool IsDigit(char c, int base)
{
    if (c >= '0' && c <= '9')
        return true;
    return base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

uint32_t DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<uint32_t>(c - '0');
    return static_cast<uint32_t>((c | 0x20) - 'a' + 10);
}

}  // namespace

std::optional<int32_t> ParseProfileInteger(std::string_view text)
{
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return std::nullopt;
    // Negative numbers reach -2^31; others the whole unsigned range, read as its bit pattern.
    const uint64_t limit = negative ? uint64_t{1} << 31 : UINT32_MAX;
    uint64_t value = 0;
    for (const char c : text) {
        if (!IsDigit(c, base))
            return std::nullopt;
        value = value * static_cast<uint64_t>(base) + DigitValue(c);
        if (value > limit)
            return std::nullopt;
    }
    const auto bits = static_cast<uint32_t>(negative ? 0 - value : value);
    return static_cast<int32_t>(bits);
}

std::optional<CIniFile> CIniFile::Read(const std::string& path, CodePageHint hint, ReadFailure* failure)
{
    const auto fail = [failure](ReadFailure why) {
        if (failure)
            *failure = why;
        return std::nullopt;
    };
    const std::optional<std::string> bytes = ReadWholeFile(path, failure);
    if (!bytes)
        return std::nullopt;
    DecodedText decoded = DecodeText(*bytes, hint);
    switch (decoded.problem) {
    case DecodeProblem::NotText:
        return fail(ReadFailure::NotText);
    case DecodeProblem::DamagedUtf16:
        return fail(ReadFailure::DamagedUtf16);
    case DecodeProblem::None:
        break;
    }
    CIniFile ini = Parse(decoded.text);
    ini.encoding_ = decoded.encoding;
    return ini;
}

CIniFile CIniFile::Parse(std::string_view text)
{
    CIniFile ini;
    Section* current = nullptr;
    while (!text.empty()) {
        const size_t end = std::min(text.find_first_of("\r\n"), text.size());
        const std::string_view line = Trim(text.substr(0, end));
        const bool crlf = text.substr(end).starts_with("\r\n");
        text.remove_prefix(std::min(end + (crlf ? 2 : 1), text.size()));
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            const size_t close = line.find(']');
            const std::string_view name = Trim(line.substr(1, close == std::string_view::npos ? close : close - 1));
            // A later section of a name already seen adds nothing to the first.
            current = ini.Find(name) ? nullptr : &ini.FindOrAdd(name);
            continue;
        }
        const size_t eq = line.find('=');
        if (!current || eq == std::string_view::npos)
            continue;
        const std::string_view key = Trim(line.substr(0, eq));
        // The first of two equal keys is the one the reader sees.
        if (!current->Find(key))
            current->Add(key, std::string(Trim(line.substr(eq + 1))));
    }
    return ini;
}

std::string CIniFile::Text() const
{
    std::string out;
    for (const Section& section : sections_) {
        if (!out.empty())
            out += "\r\n";
        out.append(1, '[').append(section.name).append("]\r\n");
        for (const auto& [key, value] : section.entries)
            out.append(key).append(1, '=').append(value).append("\r\n");
    }
    return out;
}

TextEncoding CIniFile::Save(const std::string& path) const
{
    const std::string text = Text();
    if (const std::optional<std::string> bytes = EncodeText(text, encoding_)) {
        WriteFileAtomically(path, *bytes);
        return encoding_;
    }
    WriteFileAtomically(path, text);
    return TextEncoding::Utf8;
}

std::vector<std::string> CIniFile::SectionNames() const
{
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const Section& section : sections_)
        names.push_back(section.name);
    return names;
}

bool CIniFile::HasSection(std::string_view section) const
{
    return Find(section) != nullptr;
}

void CIniFile::EraseSection(std::string_view section)
{
    const auto it = sectionIndex_.find(Fold(section));
    if (it == sectionIndex_.end())
        return;
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(it->second));
    ReindexSections();
}

std::vector<std::string> CIniFile::KeyNames(std::string_view section) const
{
    std::vector<std::string> keys;
    if (const Section* s = Find(section))
        for (const auto& entry : s->entries)
            keys.push_back(entry.first);
    return keys;
}

bool CIniFile::HasKey(std::string_view section, std::string_view key) const
{
    const Section* s = Find(section);
    return s && s->Find(key);
}

std::string CIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view fallback) const
{
    const Section* s = Find(section);
    const std::string* value = s ? s->Find(key) : nullptr;
    return value ? *value : std::string(fallback);
}

int32_t CIniFile::ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const
{
    const Section* s = Find(section);
    const std::string* value = s ? s->Find(key) : nullptr;
    return value ? ParseProfileInteger(*value).value_or(fallback) : fallback;
}

bool CIniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const
{
    return ReadInteger(section, key, fallback ? 1 : 0) > 0;
}

void CIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    std::string line(Trim(value));
    for (char& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';
    Section& s = FindOrAdd(section);
    if (std::string* existing = s.Find(key))
        *existing = std::move(line);
    else
        s.Add(key, std::move(line));
}

void CIniFile::WriteInteger(std::string_view section, std::string_view key, int64_t value)
{
    WriteString(section, key, std::to_string(value));
}

const CIniFile::Section* CIniFile::Find(std::string_view section) const
{
    if (lastFound_ < sections_.size() && SameName(sections_[lastFound_].name, section))
        return &sections_[lastFound_];
    const auto it = sectionIndex_.find(Fold(section));
    if (it == sectionIndex_.end())
        return nullptr;
    lastFound_ = it->second;
    return &sections_[lastFound_];
}

CIniFile::Section& CIniFile::FindOrAdd(std::string_view section)
{
    if (const Section* found = Find(section))
        return sections_[static_cast<size_t>(found - sections_.data())];
    lastFound_ = sections_.size();
    sectionIndex_.emplace(Fold(section), lastFound_);
    sections_.push_back(Section{std::string(section), {}, {}});
    return sections_.back();
}

void CIniFile::ReindexSections()
{
    sectionIndex_.clear();
    for (size_t i = 0; i < sections_.size(); ++i)
        sectionIndex_.emplace(Fold(sections_[i].name), i);
}

const std::string* CIniFile::Section::Find(std::string_view key) const
{
    if (!index.empty()) {
        const auto it = index.find(Fold(key));
        return it == index.end() ? nullptr : &entries[it->second].second;
    }
    for (const auto& [name, value] : entries)
        if (SameName(name, key))
            return &value;
    return nullptr;
}

void CIniFile::Section::Add(std::string_view key, std::string value)
{
    // Small sections are searched faster in order than through folded copies of their keys.
    constexpr size_t IndexedFrom = 64;
    entries.emplace_back(key, std::move(value));
    if (!index.empty())
        index.emplace(Fold(key), entries.size() - 1);
    else if (entries.size() == IndexedFrom)
        for (size_t i = 0; i < entries.size(); ++i)
            index.emplace(Fold(entries[i].first), i);
}

std::string* CIniFile::Section::Find(std::string_view key)
{
    return const_cast<std::string*>(std::as_const(*this).Find(key));
}
