#include "dialogs/PartsListing.h"

#include "localize/Messages.h"
#include "model/CRoom.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

// A caption's line breaks would split its row of the listing; a space stands in for each.
std::string OnOneLine(const std::string& caption)
{
    std::string line;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '\r' && i + 1 < caption.size() && caption[i + 1] == '\n')
            continue;
        line += caption[i] == '\r' || caption[i] == '\n' ? ' ' : caption[i];
    }
    return line;
}

bool NameBefore(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::string HeaderInUnit(std::string_view header, std::string_view unit)
{
    const size_t bracket = header.find('[');
    std::string text = bracket == std::string_view::npos ? std::string(header) + " ["
                                                         : std::string(header.substr(0, bracket + 1));
    return text + std::string(unit) + "]";
}

std::string NumberedName(int number, int slotCount)
{
    const char* format = slotCount < 10 ? "%s %d" : slotCount < 100 ? "%s %02d" : "%s %03d";
    const std::string word = Msg(MsgObject);
    std::string name(word.size() + 16, '\0');
    name.resize(std::snprintf(name.data(), name.size(), format, word.c_str(), number));
    return name;
}

std::string ListingName(const CRoom& room, int index)
{
    const CPart& part = room.Parts[index];
    std::string name = part.Caption.empty() ? DisplayName(part.Type, part.LibObjID) : OnOneLine(part.Caption);
    return name.empty() ? NumberedName(index + 1, room.PartCount()) : name;
}

std::vector<ListingRow> ListingRows(const CRoom& room)
{
    std::vector<ListingRow> rows;
    for (int i = 0; i < room.PartCount(); ++i) {
        const CPart& part = room.Parts[i];
        if (!part.InUse || part.Type == Label)
            continue;
        rows.push_back({i, ListingName(room, i), std::to_string(part.Width) + "\u00D7" + std::to_string(part.Height),
                        std::to_string(part.PosX) + ", " + std::to_string(part.PosY)});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const ListingRow& a, const ListingRow& b) { return NameBefore(a.name, b.name); });
    return rows;
}

std::string WithoutControlCharacters(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // The C1 controls U+0080 to U+009F, which some terminals obey too, are C2 80 to C2 9F.
        const bool c1 = byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0 &&
                        static_cast<unsigned char>(text[i + 1]) >= 0x80;
        if (c1)
            ++i;
        out += byte < 0x20 || byte == 0x7F || c1 ? ' ' : text[i];
    }
    return out;
}

std::string ListingText(std::span<const ListingRow> rows)
{
    std::string text;
    for (const ListingRow& row : rows)
        text += WithoutControlCharacters(row.name) + '\t' + row.size + "\r\n";
    return text;
}
