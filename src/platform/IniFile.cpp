#include "platform/IniFile.h"

#include "platform/FileIo.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <functional>
#include <stdexcept>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

inline bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

inline std::string_view TrimStart(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

inline std::string_view TrimEnd(std::string_view s)
{
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

inline std::string_view Trim(std::string_view s)
{
    return TrimEnd(TrimStart(s));
}

// Where CRs, LFs and '=' stand in 64 bytes of text, a bit per byte: the reader walks these
// marks instead of the bytes, because finding them is most of the reading of a large file.
struct BlockMarks {
    uint64_t crs = 0;
    uint64_t lfs = 0;
    uint64_t equals = 0;
};

BlockMarks MarksOf(const char* block)
{
    BlockMarks marks;
#if defined(__SSE2__)
    for (int part = 0; part < 4; ++part) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * part));
        const auto bitsOf = [part, bytes](char c) {
            const int found = _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)));
            return static_cast<uint64_t>(static_cast<uint16_t>(found)) << (16 * part);
        };
        marks.crs |= bitsOf('\r');
        marks.lfs |= bitsOf('\n');
        marks.equals |= bitsOf('=');
    }
#else
    for (int i = 0; i < 64; ++i) {
        marks.crs |= uint64_t{block[i] == '\r'} << i;
        marks.lfs |= uint64_t{block[i] == '\n'} << i;
        marks.equals |= uint64_t{block[i] == '='} << i;
    }
#endif
    return marks;
}

// The marks of the last, shorter stretch of a text, which also ends a line where the text ends.
BlockMarks LastMarks(std::string_view rest)
{
    char block[64] = {};
    rest.copy(block, rest.size());
    BlockMarks marks = MarksOf(block);
    marks.lfs |= uint64_t{1} << rest.size();
    return marks;
}

// Calls back with each line that says something, trimmed, neither blank nor a comment, and the
// place of its first '=' in it (npos when it has none).
template <typename Line>
void ForEachLine(std::string_view text, Line&& line)
{
    constexpr size_t npos = std::string_view::npos;
    size_t start = 0;
    size_t equals = npos;
    uint64_t crBefore = 0;  // 1 when the block before ended in a CR
    for (size_t block = 0; block <= text.size(); block += 64) {
        const size_t rest = text.size() - block;
        const BlockMarks marks = rest >= 64 ? MarksOf(text.data() + block) : LastMarks(text.substr(block));
        // The LF of a CR LF pair ends nothing more, and the next line begins after it.
        const uint64_t lineEnds = marks.crs | (marks.lfs & ~(marks.crs << 1 | crBefore));
        const bool lfNext = rest > 64 && text[block + 64] == '\n';
        const uint64_t pairs = marks.crs & (marks.lfs >> 1 | uint64_t{lfNext} << 63);
        crBefore = marks.crs >> 63;
        for (uint64_t pending = lineEnds | marks.equals; pending != 0; pending &= pending - 1) {
            const int bit = std::countr_zero(pending);
            const size_t at = block + static_cast<size_t>(bit);
            if ((lineEnds >> bit & 1) == 0) {
                equals = std::min(equals, at);
                continue;
            }
            const std::string_view trimmed = Trim(text.substr(start, at - start));
            if (!trimmed.empty() && trimmed[0] != ';')
                line(trimmed, equals == npos ? npos : equals - static_cast<size_t>(trimmed.data() - text.data()));
            start = at + 1 + (pairs >> bit & 1);
            equals = npos;
        }
    }
}

// One of 64 bits for a key, by its length and its outer characters: keys of different bits
// are surely different. Letters count without case, as their low five bits do.
inline uint64_t KeyBit(std::string_view key)
{
    if (key.empty())
        return 1;
    const uint64_t outer = static_cast<uint64_t>(key.front() & 0x1F) << 5 | (key.back() & 0x1F);
    return uint64_t{1} << ((key.size() << 10 | outer) * 0x9E3779B97F4A7C15u >> 58);
}

// The value of a decimal or hexadecimal digit; 36 for any other character.
inline uint64_t DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<uint64_t>(c - '0');
    const char lower = static_cast<char>(c | 0x20);
    return lower >= 'a' && lower <= 'f' ? static_cast<uint64_t>(lower - 'a' + 10) : 36;
}

// Calls back with where each line that opens a section begins (its '[', after any blanks) and
// ends.
template <typename Opening>
void ForEachSectionLine(std::string_view text, Opening&& opening)
{
    for (size_t at = text.find('['); at != std::string_view::npos; at = text.find('[', at + 1)) {
        size_t before = at;
        while (before > 0 && (text[before - 1] == ' ' || text[before - 1] == '\t'))
            --before;
        if (before > 0 && text[before - 1] != '\n' && text[before - 1] != '\r')
            continue;
        size_t end = at;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r')
            ++end;
        opening(at, end);
        at = end;
    }
}

// The keys of one section met so far, so that of two equal keys the first is kept: a filter of
// 64 bits by KeyBit, and the keys themselves, compared only when the filter lets a key through.
class KeysSeen {
public:
    // Whether an equal key came before; if none did, the key is added.
    bool Repeats(std::string_view key)
    {
        const uint64_t bit = KeyBit(key);
        if ((bits_ & bit) != 0 && Holds(key))
            return true;
        bits_ |= bit;
        Add(key);
        return false;
    }

private:
    // So many keys are compared one by one; more are found through an index.
    static constexpr size_t Few = 32;
    struct Key {
        const char* data;
        size_t size;
    };

    std::string_view KeyAt(size_t i) const { return i < Few ? std::string_view(few_[i].data, few_[i].size) : many_[i - Few]; }

    bool Holds(std::string_view key) const
    {
        if (count_ > Few)
            return index_.Find(key, [this](uint32_t i) { return KeyAt(i); }).has_value();
        for (size_t i = 0; i < count_; ++i)
            if (FoldedIndex::SameName(KeyAt(i), key))
                return true;
        return false;
    }

    void Add(std::string_view key)
    {
        if (count_ < Few) {
            few_[count_++] = Key{key.data(), key.size()};
            return;
        }
        many_.push_back(key);
        for (size_t i = count_ == Few ? 0 : count_; i <= count_; ++i)
            index_.Add(static_cast<uint32_t>(i), [this](uint32_t n) { return KeyAt(n); });
        ++count_;
    }

    Key few_[Few];  // left unset, since most sections hold a dozen keys
    std::vector<std::string_view> many_;
    FoldedIndex index_;
    size_t count_ = 0;
    uint64_t bits_ = 0;
};

// Calls visit(key, value) for each key of a section's text in file order: each line with an
// '=' names one, and of two equal keys the first counts.
template <typename Visit>
void ForEachKeyIn(std::string_view body, Visit&& visit)
{
    KeysSeen seen;
    ForEachLine(body, [&](std::string_view line, size_t eq) {
        if (eq == std::string_view::npos)
            return;
        const std::string_view key = TrimEnd(line.substr(0, eq));
        if (!seen.Repeats(key))
            visit(key, TrimStart(line.substr(eq + 1)));
    });
}

bool HasLineBreak(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; });
}

}  // namespace

int64_t ProfileInteger(std::string_view text)
{
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    uint64_t base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return NotAProfileInteger;
    // Negative numbers reach -2^31; others the whole unsigned range, read as its bit pattern.
    const uint64_t limit = negative ? uint64_t{1} << 31 : UINT32_MAX;
    uint64_t value = 0;
    for (const char c : text) {
        const uint64_t digit = DigitValue(c);
        value = value * base + digit;
        if (digit >= base || value > limit)
            return NotAProfileInteger;
    }
    return static_cast<int32_t>(static_cast<uint32_t>(negative ? 0 - value : value));
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
        // The bytes as read become the text, or are let go before the sections are built.
        std::optional<std::string> bytes = ReadWholeFile(path, failure);
        if (!bytes)
            return std::nullopt;
        decoded = DecodeText(std::move(*bytes), hint);
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
    size_t used = 0;
    uint32_t current = None;
    const auto endBody = [&](size_t end) {
        if (current != None) {
            ini.sections_[current].last = static_cast<uint32_t>(end);
            used += end - ini.sections_[current].first;
        }
    };
    ForEachSectionLine(all, [&](size_t start, size_t end) {
        endBody(start);
        const std::string_view line = TrimEnd(all.substr(start, end - start));
        const size_t close = line.find(']');
        const std::string_view name = Trim(line.substr(1, close == std::string_view::npos ? close : close - 1));
        // A later section of a name already seen adds nothing to the first.
        current = ini.AddSection(Span{static_cast<uint32_t>(name.data() - all.data()), static_cast<uint32_t>(name.size())});
        if (current != None) {
            ini.sections_[current] = SectionRecord{ini.sections_[current].name, static_cast<uint32_t>(end), None, Unread};
            used += name.size();
        }
    });
    endBody(all.size());
    // Brackets, lines outside sections and repeated sections; the rest once bodies are read.
    ini.unusedText_ = all.size() - used;
    return ini;
}

std::string CIniFile::Text() const
{
    std::string out;
    // Names and values, and per section and key at most the six and three bytes around them.
    out.reserve(text_.size() - unusedText_ + sections_.size() * 6 + entries_.size() * 3);
    for (size_t section = 0; section < sections_.size(); ++section) {
        if (!out.empty())
            out += "\r\n";
        out.append(1, '[').append(View(sections_[section].name)).append("]\r\n");
        ForEachKey(section, [&out](std::string_view key, std::string_view value) {
            out.append(key).append(1, '=').append(value).append("\r\n");
        });
    }
    return out;
}

TextEncoding CIniFile::Save(const std::string& path) const
{
    const std::string text = Text();
    const std::optional<std::string> bytes =
        encoding_ == TextEncoding::Utf8 ? std::nullopt : EncodeText(text, encoding_);
    WriteFileAtomically(path, bytes ? *bytes : text);
    return bytes ? encoding_ : TextEncoding::Utf8;
}

std::vector<std::string> CIniFile::SectionNames() const
{
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const SectionRecord& section : sections_)
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
        ForEachKey(*s, [&keys](std::string_view key, std::string_view) { keys.emplace_back(key); });
    return keys;
}

std::optional<size_t> CIniFile::SectionNumber(std::string_view section) const
{
    return FindSection(section);
}

void CIniFile::ForEachKey(size_t section, const KeyVisitor& visit) const
{
    const SectionRecord& s = sections_[section];
    if (s.count == Unread) {
        ForEachKeyIn(std::string_view(text_).substr(s.first, s.last - s.first), visit);
        return;
    }
    for (uint32_t e = s.first; e != None; e = entries_[e].next)
        visit(View(entries_[e].key), View(entries_[e].value));
}

CIniFile::SectionView CIniFile::Section(std::string_view name) const
{
    return SectionView(*this, FindSection(name).value_or(None));
}

CIniFile::SectionWriter CIniFile::WriteSection(std::string_view name)
{
    return SectionWriter(*this, FindOrAddSection(name));
}

bool CIniFile::HasKey(std::string_view section, std::string_view key) const
{
    return Section(section).Has(key);
}

std::string CIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view fallback) const
{
    return std::string(Section(section).Text(key, fallback));
}

int32_t CIniFile::ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const
{
    return Section(section).Integer(key, fallback);
}

bool CIniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const
{
    return Section(section).Bool(key, fallback);
}

void CIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    WriteSection(section).String(key, value);
}

void CIniFile::WriteInteger(std::string_view section, std::string_view key, int64_t value)
{
    WriteSection(section).Integer(key, value);
}

bool CIniFile::Holds(std::string_view text) const
{
    const std::less<const char*> before;
    return !before(text.data(), text_.data()) && before(text.data(), text_.data() + text_.size());
}

CIniFile::Span CIniFile::Store(std::string_view text)
{
    if (text_.size() + text.size() >= None)
        throw std::length_error("profile text beyond 4 GiB");
    const Span span{static_cast<uint32_t>(text_.size()), static_cast<uint32_t>(text.size())};
    if (Holds(text))
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
    for (SectionRecord& section : sections_) {
        keep(section.name);
        if (section.count == Unread) {
            Span body{section.first, section.last - section.first};
            keep(body);
            section.first = body.offset;
            section.last = body.offset + body.size;
            continue;
        }
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
    for (const uint32_t guess : {lastFound_ + 1, lastFound_})
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
    sections_.push_back(SectionRecord{name});
    if (sectionIndex_.Add(number, [this](uint32_t i) { return SectionName(i); })) {
        sections_.pop_back();
        return None;
    }
    lastFound_ = number;
    return number;
}

uint32_t CIniFile::FindOrAddSection(std::string_view section)
{
    if (const std::optional<uint32_t> found = FindSection(section)) {
        ReadBody(*found);
        return *found;
    }
    return AddSection(Store(section));
}

void CIniFile::ReindexSections()
{
    sectionIndex_.Clear();
    lastFound_ = 0;
    for (uint32_t i = 0; i < sections_.size(); ++i)
        sectionIndex_.Add(i, [this](uint32_t n) { return SectionName(n); });
}

void CIniFile::ReadBody(uint32_t section) const
{
    const SectionRecord unread = sections_[section];
    if (unread.count != Unread)
        return;
    sections_[section] = SectionRecord{unread.name};
    const std::string_view all = text_;
    const std::string_view body = all.substr(unread.first, unread.last - unread.first);
    const auto span = [&all](std::string_view part) {
        return Span{static_cast<uint32_t>(part.data() - all.data()), static_cast<uint32_t>(part.size())};
    };
    size_t used = 0;
    ForEachKeyIn(body, [&](std::string_view key, std::string_view value) {
        used += key.size() + value.size();
        AddEntry(section, span(key), span(value));
    });
    // Line ends, '=', comments and repeated keys.
    unusedText_ += body.size() - used;
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

void CIniFile::AddEntry(uint32_t section, Span key, Span value) const
{
    const auto number = static_cast<uint32_t>(entries_.size());
    entries_.push_back(Entry{key, value});
    SectionRecord& s = sections_[section];
    (s.last == None ? s.first : entries_[s.last].next) = number;
    s.last = number;
    if (++s.count >= IndexedFrom)
        IndexKeys(section);
}

void CIniFile::IndexKeys(uint32_t section) const
{
    // All the keys of a section that has just grown long enough, then each key added.
    const SectionRecord& s = sections_[section];
    FoldedIndex& index = keyIndexes_[section];
    for (uint32_t e = s.count == IndexedFrom ? s.first : s.last; e != None; e = entries_[e].next)
        index.Add(e, [this](uint32_t n) { return View(entries_[n].key); });
}

CIniFile::SectionView::SectionView(const CIniFile& file, uint32_t section)
    : file_(&file), section_(section), next_(None)
{
    if (section == None)
        return;
    file.ReadBody(section);
    next_ = file.sections_[section].first;
}

uint32_t CIniFile::SectionView::Find(std::string_view key) const
{
    if (section_ == None)
        return None;
    uint32_t found = next_;
    if (found == None || !FoldedIndex::SameName(file_->View(file_->entries_[found].key), key))
        found = file_->FindEntry(section_, key).value_or(None);
    if (found != None)
        next_ = file_->entries_[found].next;
    return found;
}

std::optional<std::string_view> CIniFile::SectionView::Value(std::string_view key) const
{
    const uint32_t found = Find(key);
    if (found == None)
        return std::nullopt;
    return file_->View(file_->entries_[found].value);
}

std::string_view CIniFile::SectionView::Text(std::string_view key, std::string_view fallback) const
{
    return Value(key).value_or(fallback);
}

int32_t CIniFile::SectionView::Integer(std::string_view key, int32_t fallback) const
{
    const std::optional<std::string_view> value = Value(key);
    const int64_t number = value ? ProfileInteger(*value) : NotAProfileInteger;
    return number == NotAProfileInteger ? fallback : static_cast<int32_t>(number);
}

CIniFile::SectionWriter::SectionWriter(CIniFile& file, uint32_t section)
    : file_(&file), section_(section), ownKeys_(file.sections_[section].count == 0 ? 0 : None)
{
}

void CIniFile::SectionWriter::String(std::string_view key, std::string_view value)
{
    value = Trim(value);
    // The value is copied when it has line breaks to replace, or is a part of the text, which
    // storing the key may move.
    std::string line;
    if (HasLineBreak(value) || file_->Holds(value)) {
        line = value;
        std::replace_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
        value = line;
    }
    const uint64_t bit = KeyBit(key);
    if (ownKeys_ != file_->sections_[section_].count)
        ownKeys_ = None;
    if (ownKeys_ == None || (keyBits_ & bit) != 0) {
        if (const std::optional<uint32_t> e = file_->FindEntry(section_, key)) {
            file_->SetValue(file_->entries_[*e], value);
            return;
        }
    }
    const Span name = file_->Store(key);
    file_->AddEntry(section_, name, file_->Store(value));
    if (ownKeys_ != None) {
        ++ownKeys_;
        keyBits_ |= bit;
    }
}

void CIniFile::SectionWriter::Integer(std::string_view key, int64_t value)
{
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    String(key, std::string_view(digits, static_cast<size_t>(end - digits)));
}
