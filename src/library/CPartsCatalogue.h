#pragma once
// A list of object templates kept in a catalogue file: the installed library and the user's
// own catalogue. Entries are held by value and keep their index while the catalogue is in
// memory, since dialogs identify entries by it; removing an entry only clears its in-use flag,
// and the free slot is skipped by searches and saves until the next load.

#include "model/CPart.h"
#include "platform/TextCodec.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class CIniFile;
enum class ReadFailure;

class CPartsCatalogue {
public:
    void Clear() { entries_.clear(); }
    int Count() const { return static_cast<int>(entries_.size()); }
    // Throws std::out_of_range for an index that is not an entry.
    CPart& Entry(int index) { return entries_.at(static_cast<size_t>(index)); }
    const CPart& Entry(int index) const { return entries_.at(static_cast<size_t>(index)); }

    // Reads every part section of a file, in file order, after the present entries when append
    // is set and in their place otherwise. Positions and rotation come back as 0. A missing or
    // unreadable file adds nothing; false, with the reason in `failure`, when the file exists
    // but is not text. Without append the file's encoding is kept for Save.
    bool Load(const std::string& fileName, bool append, CodePageHint hint = CodePageHint::Western,
              ReadFailure* failure = nullptr);
    // Appends every part section of a file already read, in file order; `readMore` sees each
    // new entry's index and section, for keys that only this catalogue's owner knows.
    void Append(const CIniFile& ini, const std::function<void(int, const std::string&)>& readMore = {});
    // Writes the entries in use as Part1, Part2... without position, replacing the whole file
    // and creating its folder when missing, in the encoding the file was read in while the
    // text fits it. Throws FileWriteError and leaves the file as it was, also when the last
    // load refused the file as not text, which would otherwise be lost.
    void Save(const std::string& fileName);

    // A slot for a new entry: the first free one unless forceAppend is set or none is free, in
    // which case one is appended. The slot is reset and not yet in use.
    CPart& AddEntry(int* index = nullptr, bool forceAppend = false);
    // Frees an entry; an index that is not an entry is ignored.
    void Remove(int index);
    // The first entry in use whose caption equals the name exactly; -1 if none.
    int FindByCaption(std::string_view name) const;
    // Drops the entries from index n on.
    void Truncate(int n);

private:
    std::vector<CPart> entries_;
    TextEncoding encoding_ = TextEncoding::Utf8;
    bool refused_ = false;
};
