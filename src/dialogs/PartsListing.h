#pragma once
// The object listing: one row per object of a room other than a label, with its name, size
// and position, sorted by name, and the listing as text for the clipboard.

#include <span>
#include <string>
#include <string_view>
#include <vector>

class CRoom;

struct ListingRow {
    int index;             // the object's slot in the room
    std::string name;
    std::string size;      // "120×80", in room units
    std::string position;  // "10, 20", in room units, not shifted to local coordinates
};

// A column header with the unit in its brackets: "Size [" and the unit and "]". A header
// without a bracket gets one.
std::string HeaderInUnit(std::string_view header, std::string_view unit);

// The name the listing gives object `index`: its caption on one line, else the name of its
// kind, else NumberedName of its slot.
std::string ListingName(const CRoom& room, int index);

// "Object" and a number, padded to two digits from 10 slots on and to three from 100 on, so
// that numbered names sort in number order.
std::string NumberedName(int number, int slotCount);

// The objects in use other than labels, sorted by name without regard to case; objects of
// the same name stay in room order.
std::vector<ListingRow> ListingRows(const CRoom& room);

// The text with every control character, C0 and C1, replaced by a blank.
std::string WithoutControlCharacters(std::string_view text);

// One line per row: the name, a tab, the size and CR LF. Control characters in a name, a tab
// or an escape sequence for a terminal among them, become blanks.
std::string ListingText(std::span<const ListingRow> rows);
