#include "platform/IniFile.h"

#include "platform/FileIo.h"

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <utility>

namespace {

std::string_view Trim(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Calls back with each line that says something: trimmed, neither blank nor a comment.
template <typename Line>
void ForEachLine(std::string_view text, Line&& line)
{
    while (!text.empty()) {
        // Not find_first_of, which searches its set of characters once for every byte.
        const auto lineEnd = std::find_if(text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; });
        const auto end = static_cast<size_t>(lineEnd - text.begin());
        const std::string_view trimmed = Trim(text.substr(0, end));
        const bool crlf = text.substr(end).starts_with("\r\n");
        text.remove_prefix(std::min(end + (crlf ? 2 : 1), text.size()));
        if (!trimmed.empty() && trimmed[0] != ';')
            line(trimmed);
    }
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
    DecodedText decoded;
    {
        // The bytes as read are let go before the sections are built.
        const std::optional<std::string> bytes = ReadWholeFile(path, failure);
        if (!bytes)
            return std::nullopt;
        decoded = DecodeText(*bytes, hint);
    }
    switch (decoded.problem) {
    case DecodeProblem::NotText:
        return fail(ReadFailure::NotText);
    case DecodeProblem::DamagedUtf16:
        return fail(ReadFailure::DamagedUtf16);
    case DecodeProblem::None:
        break;
    }
    CIniFile ini = Adopt(std::move(decoded.text));
    ini.encoding_ = decoded.encoding;
    return ini;
}

CIniFile CIniFile::Parse(std::string_view text)
{
    return Adopt(std::string(text));
}

CIniFile CIniFile::Adopt(std::string text)
{
    if (text.size() >= None)
        throw std::length_error("profile text beyond 4 GiB");
    CIniFile ini;
    ini.text_ = std::move(text);
    const std::string_view all = ini.text_;
    // Counted first, so that the lists are made once in their final size.
    size_t sectionLines = 0;
    size_t keyLines = 0;
    ForEachLine(all, [&](std::string_view line) { ++(line[0] == '[' ? sectionLines : keyLines); });
    ini.sections_.reserve(sectionLines);
    ini.entries_.reserve(keyLines);
    ini.sectionIndex_.Reserve(sectionLines, [&ini](uint32_t i) { return ini.SectionName(i); });

    size_t used = 0;
    const auto span = [&all, &used](std::string_view part) {
        used += part.size();
        return Span{static_cast<uint32_t>(part.data() - all.data()), static_cast<uint32_t>(part.size())};
    };
    uint32_t current = None;
    ForEachLine(all, [&](std::string_view line) {
        if (line[0] == '[') {
            const size_t close = line.find(']');
            const std::string_view name = Trim(line.substr(1, close == std::string_view::npos ? close : close - 1));
            // A later section of a name already seen adds nothing to the first.
            current = ini.FindSection(name) ? None : ini.AddSection(span(name));
            return;
        }
        const size_t eq = line.find('=');
        if (current == None || eq == std::string_view::npos)
            return;
        const std::string_view key = Trim(line.substr(0, eq));
        // The first of two equal keys is the one the reader sees.
        if (!ini.FindEntry(current, key))
            ini.AddEntry(current, span(key), span(Trim(line.substr(eq + 1))));
    });
    // Line ends, brackets, comments, repeated sections and keys.
    ini.unusedText_ = ini.text_.size() - used;
    return ini;
}

std::string CIniFile::Text() const
{
    std::string out;
    for (const Section& section : sections_) {
        if (!out.empty())
            out += "\r\n";
        out.append(1, '[').append(View(section.name)).append("]\r\n");
        for (uint32_t e = section.first; e != None; e = entries_[e].next)
            out.append(View(entries_[e].key)).append(1, '=').append(View(entries_[e].value)).append("\r\n");
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
        names.emplace_back(View(section.name));
    return names;
}

bool CIniFile::HasSection(std::string_view section) const
{
    return FindSection(section).has_value();
}

void CIniFile::EraseSection(std::string_view section)
{
    const std::optional<uint32_t> found = FindSection(section);
    if (!found)
        return;
    // Its entries stay in the list, chained to nothing.
    sections_.erase(sections_.begin() + *found);
    std::unordered_map<uint32_t, FoldedIndex> keyIndexes;
    for (auto& [number, index] : keyIndexes_)
        if (number != *found)
            keyIndexes.emplace(number > *found ? number - 1 : number, std::move(index));
    keyIndexes_ = std::move(keyIndexes);
    ReindexSections();
}

std::vector<std::string> CIniFile::KeyNames(std::string_view section) const
{
    std::vector<std::string> keys;
    if (const std::optional<uint32_t> s = FindSection(section))
        for (uint32_t e = sections_[*s].first; e != None; e = entries_[e].next)
            keys.emplace_back(View(entries_[e].key));
    return keys;
}

bool CIniFile::HasKey(std::string_view section, std::string_view key) const
{
    return FindEntry(section, key) != nullptr;
}

std::string CIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view fallback) const
{
    const Entry* entry = FindEntry(section, key);
    return std::string(entry ? View(entry->value) : fallback);
}

int32_t CIniFile::ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const
{
    const Entry* entry = FindEntry(section, key);
    return entry ? ParseProfileInteger(View(entry->value)).value_or(fallback) : fallback;
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
    const uint32_t s = FindOrAddSection(section);
    if (const std::optional<uint32_t> e = FindEntry(s, key)) {
        SetValue(entries_[*e], line);
        return;
    }
    const Span name = Store(key);
    AddEntry(s, name, Store(line));
}

void CIniFile::WriteInteger(std::string_view section, std::string_view key, int64_t value)
{
    WriteString(section, key, std::to_string(value));
}

CIniFile::Span CIniFile::Store(std::string_view text)
{
    if (text_.size() + text.size() >= None)
        throw std::length_error("profile text beyond 4 GiB");
    const Span span{static_cast<uint32_t>(text_.size()), static_cast<uint32_t>(text.size())};
    const std::less<const char*> before;
    const bool inside = !before(text.data(), text_.data()) && before(text.data(), text_.data() + text_.size());
    if (inside)
        text_.append(text_, static_cast<size_t>(text.data() - text_.data()), text.size());
    else
        text_.append(text);
    return span;
}

void CIniFile::SetValue(Entry& entry, std::string_view value)
{
    if (value.size() <= entry.value.size) {
        std::copy(value.begin(), value.end(), text_.begin() + entry.value.offset);
        unusedText_ += entry.value.size - value.size();
        entry.value.size = static_cast<uint32_t>(value.size());
    } else {
        unusedText_ += entry.value.size;
        entry.value = Store(value);
    }
    // A file kept open and written again and again, as the settings are, stays its own size.
    if (unusedText_ > 4096 && unusedText_ > text_.size() / 2)
        Compact();
}

void CIniFile::Compact()
{
    std::string text;
    const auto keep = [&](Span& span) {
        const std::string_view old = View(span);
        span.offset = static_cast<uint32_t>(text.size());
        text.append(old);
    };
    for (Section& section : sections_) {
        keep(section.name);
        for (uint32_t e = section.first; e != None; e = entries_[e].next) {
            keep(entries_[e].key);
            keep(entries_[e].value);
        }
    }
    text_ = std::move(text);
    unusedText_ = 0;
}

std::optional<uint32_t> CIniFile::FindSection(std::string_view section) const
{
    for (const uint32_t guess : {lastFound_, lastFound_ + 1})
        if (guess < sections_.size() && FoldedIndex::SameName(SectionName(guess), section))
            return lastFound_ = guess;
    const std::optional<uint32_t> found = sectionIndex_.Find(section, [this](uint32_t i) { return SectionName(i); });
    if (found)
        lastFound_ = *found;
    return found;
}

uint32_t CIniFile::AddSection(Span name)
{
    const auto number = static_cast<uint32_t>(sections_.size());
    sections_.push_back(Section{name});
    sectionIndex_.Add(number, [this](uint32_t i) { return SectionName(i); });
    lastFound_ = number;
    return number;
}

uint32_t CIniFile::FindOrAddSection(std::string_view section)
{
    if (const std::optional<uint32_t> found = FindSection(section))
        return *found;
    return AddSection(Store(section));
}

void CIniFile::ReindexSections()
{
    sectionIndex_.Clear();
    lastFound_ = 0;
    lastEntrySection_ = None;
    for (uint32_t i = 0; i < sections_.size(); ++i)
        sectionIndex_.Add(i, [this](uint32_t n) { return SectionName(n); });
}

std::optional<uint32_t> CIniFile::FindEntry(uint32_t section, std::string_view key) const
{
    const auto keyOf = [this](uint32_t e) { return View(entries_[e].key); };
    if (sections_[section].count >= IndexedFrom)
        return keyIndexes_.at(section).Find(key, keyOf);
    for (uint32_t e = sections_[section].first; e != None; e = entries_[e].next)
        if (FoldedIndex::SameName(keyOf(e), key))
            return e;
    return std::nullopt;
}

const CIniFile::Entry* CIniFile::FindEntry(std::string_view section, std::string_view key) const
{
    const std::optional<uint32_t> s = FindSection(section);
    if (!s)
        return nullptr;
    if (*s == lastEntrySection_) {
        const uint32_t next = entries_[lastEntry_].next;
        if (next != None && FoldedIndex::SameName(View(entries_[next].key), key))
            return &entries_[lastEntry_ = next];
    }
    const std::optional<uint32_t> e = FindEntry(*s, key);
    if (!e)
        return nullptr;
    lastEntrySection_ = *s;
    lastEntry_ = *e;
    return &entries_[*e];
}

void CIniFile::AddEntry(uint32_t section, Span key, Span value)
{
    const auto number = static_cast<uint32_t>(entries_.size());
    entries_.push_back(Entry{key, value});
    Section& s = sections_[section];
    (s.last == None ? s.first : entries_[s.last].next) = number;
    s.last = number;
    if (++s.count == IndexedFrom)
        IndexKeys(section);
    else if (s.count > IndexedFrom)
        keyIndexes_.at(section).Add(number, [this](uint32_t e) { return View(entries_[e].key); });
}

void CIniFile::IndexKeys(uint32_t section)
{
    FoldedIndex& index = keyIndexes_[section];
    for (uint32_t e = sections_[section].first; e != None; e = entries_[e].next)
        index.Add(e, [this](uint32_t n) { return View(entries_[n].key); });
}
